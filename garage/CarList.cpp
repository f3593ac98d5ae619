// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarList.h"

#include "core/NumberText.h"
#include "core/RoadKeys.h"
#include "garage/GarageFields.h"
#include "garage/PlainText.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QItemSelectionModel>
#include <QUndoStack>

#include <bit>

namespace {

constexpr unsigned allFields = (1U << InputFieldCount) - 1;

unsigned bitOf(InputField field)
{
    return 1U << static_cast<int>(field);
}

// Colours that read on a light and on a dark background alike.
const QColor carColours[] = {
    QColor(0x1f, 0x77, 0xd4), QColor(0xe0, 0x6c, 0x00), QColor(0x2c, 0xa0, 0x2c),
    QColor(0xd6, 0x27, 0x28), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
    QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xa5, 0xb8),
};

// Edits of values and of names merge with the next edit of the same kind.
enum CommandId { ValuesCommandId = 1, NameCommandId = 2 };

// A command's field: one of the nine inputs, or a road key after them.
int roadField(RoadKey key)
{
    return InputFieldCount + static_cast<int>(key);
}

QString fieldName(int field)
{
    if (field >= InputFieldCount)
        return RoadFieldLabel(static_cast<RoadKey>(field - InputFieldCount));
    return FieldName(static_cast<InputField>(field));
}

// The key a road line names: the text before its "=", trimmed.
QString lineKey(const QString& line)
{
    return line.left(line.indexOf(QLatin1Char('='))).trimmed();
}

// The lines of a text, each with its line end.
QStringList linesWithEnds(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        lines.append(text.mid(start, next - start));
        start = next;
    }
    return lines;
}

} // namespace

CarValues CarValues::FromTexts(const CarTexts& texts, const QString& roadLines)
{
    CarValues values;
    values.SetRoadLines(roadLines);
    values.typed = texts;
    values.typedFields = allFields;
    values.numbers = ConvertTexts(texts);
    return values;
}

CarValues CarValues::FromNumbers(const CarInputs& numbers)
{
    CarValues values;
    values.numbers = numbers;
    return values;
}

QString CarValues::Text(InputField field) const
{
    if (HasTypedText(field))
        return typed[field];
    if (IsCountField(field))
        return QString::number(static_cast<int>(numbers.Value(field)));
    return QString::fromLatin1(ShortestText(numbers.Value(field)));
}

CarTexts CarValues::Texts() const
{
    CarTexts texts;
    for (InputField field : AllInputFields)
        texts[field] = Text(field);
    return texts;
}

void CarValues::SetTyped(InputField field, const QString& text)
{
    typed[field] = text;
    typedFields |= bitOf(field);
    numbers.SetValue(field, IsCountField(field) ? IntegerFromText(text) : DecimalFromText(text));
}

void CarValues::SetNumber(InputField field, double value)
{
    typed[field].clear();
    typedFields &= ~bitOf(field);
    numbers.SetValue(field, value);
}

void CarValues::SetRoadLines(const QString& lines)
{
    roadLines = lines;
    const RoadKeysRead read = ReadRoadKeys(lines, 1, QString());
    roadKeys = read.keys;
    roadProblem.clear();
    if (read.error.isEmpty())
        return;
    // Every line that reads, one at a time; the first that does not is named.
    roadKeys = RoadKeys();
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        const QString problem = SetRoadKey(roadKeys, line.trimmed());
        if (!problem.isEmpty() && roadProblem.isEmpty())
            roadProblem = problem;
    }
}

QString CarValues::RoadText(RoadKey key) const
{
    const QString name = RoadKeyName(key);
    const QStringList lines = roadLines.split(QLatin1Char('\n'));
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (lineKey(*line) == name)
            return line->mid(line->indexOf(QLatin1Char('=')) + 1).trimmed();
    return QString();
}

void CarValues::SetRoadText(RoadKey key, const QString& text)
{
    const QString name = RoadKeyName(key);
    const QString value = text.trimmed();
    QString lines;
    bool written = value.isEmpty();
    for (const QString& line : linesWithEnds(roadLines)) {
        if (lineKey(line) != name) {
            lines += line;
            continue;
        }
        if (written)
            continue;
        // The key's first line, with its own line end.
        const qsizetype content = line.endsWith(QLatin1String("\r\n")) ? line.size() - 2
                                  : line.endsWith(QLatin1Char('\n'))    ? line.size() - 1
                                                                         : line.size();
        lines += name + QLatin1Char('=') + value + line.mid(content);
        written = true;
    }
    if (!written) {
        if (!lines.isEmpty() && !lines.endsWith(QLatin1Char('\n')))
            lines += QLatin1String("\r\n");
        lines += name + QLatin1Char('=') + value + QLatin1String("\r\n");
    }
    SetRoadLines(lines);
}

bool CarValues::SameAs(const CarValues& other) const
{
    if (typedFields != other.typedFields || roadLines != other.roadLines)
        return false;
    for (InputField field : AllInputFields) {
        if (HasTypedText(field) && typed[field] != other.typed[field])
            return false;
        if (std::bit_cast<quint64>(numbers.Value(field)) != std::bit_cast<quint64>(other.numbers.Value(field)))
            return false;
    }
    return true;
}

FileStamp FileStamp::Of(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileStamp();
    return { info.lastModified(), info.size() };
}

const RoadKeys& RoadKeysOf(const CarValues& values)
{
    return values.roadKeys;
}

QColor CarColour(int carId)
{
    constexpr int count = sizeof carColours / sizeof carColours[0];
    return carColours[((carId - 1) % count + count) % count];
}

// The base of every command: it reaches the list's primitive changes, and
// names cars by id, which stays the same while rows come and go.
class CarCommand : public QUndoCommand
{
public:
    CarCommand(CarList* list, const QString& text, QUndoCommand* parent = nullptr)
        : QUndoCommand(text, parent)
        , list(list)
    {
    }

protected:
    std::uint64_t nextState() { return list->NextState(); }
    const GarageCar* car(int id) const
    {
        const int row = list->RowOf(id);
        return row >= 0 ? &list->At(row) : nullptr;
    }
    void insertCar(int row, GarageCar car) { list->insertCar(row, std::move(car)); }
    GarageCar takeCar(int id) { return list->takeCar(list->RowOf(id)); }
    void setValues(int id, const CarValues& values, std::uint64_t state) { list->setValues(id, values, state); }
    void setName(int id, const QString& name) { list->setName(id, name); }
    void setVariantOf(int id, int baseId, const QString& name, std::uint64_t savedState)
    {
        list->setVariantOf(id, baseId, name, savedState);
    }
    void setState(int id, std::uint64_t state) { list->setState(id, state); }
    void select(int id) { list->SetCurrentRow(list->RowOf(id)); }

    CarList* list;
};

namespace {

// Adds a car; undoing takes it out again, evaluation and all.
class AddCarCommand : public CarCommand
{
public:
    // A car made by a drag's first step (`session` non-zero) takes the
    // drag's further steps of the same field.
    AddCarCommand(CarList* list, GarageCar car, int row, bool selects, int session = 0, int field = -1)
        : CarCommand(list, CarList::tr("Add %1").arg(car.name))
        , added(std::move(car))
        , row(row)
        , selects(selects)
        , session(session)
        , field(field)
    {
    }

    void redo() override
    {
        const int id = added.id;
        insertCar(row, std::move(added));
        if (selects)
            select(id);
    }
    void undo() override { added = takeCar(added.id); }
    int id() const override { return ValuesCommandId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    GarageCar added;
    int row;
    bool selects;
    int session;
    int field;
};

// Takes a car out; undoing puts it back where it was.
class RemoveCarCommand : public CarCommand
{
public:
    RemoveCarCommand(CarList* list, int carId, bool selectsOnUndo, QUndoCommand* parent)
        : CarCommand(list, QString(), parent)
        , carId(carId)
        , selectsOnUndo(selectsOnUndo)
    {
    }

    void redo() override
    {
        row = list->RowOf(carId);
        removed = takeCar(carId);
    }
    void undo() override
    {
        insertCar(row, std::move(removed));
        if (selectsOnUndo)
            select(carId);
    }

private:
    int carId;
    bool selectsOnUndo;
    int row = 0;
    GarageCar removed;
};

// Changes one value (or all of them) of a car. Edits in one session of the
// same field merge, and an edit that ends where it began is dropped.
class ValuesCommand : public CarCommand
{
public:
    ValuesCommand(CarList* list, const GarageCar& car, const CarValues& after, int field, int session)
        : CarCommand(list, field >= 0 ? CarList::tr("Change %1 of %2")
                                            .arg(fieldName(field), car.name)
                                      : CarList::tr("Change %1").arg(car.name))
        , carId(car.id)
        , field(field)
        , session(session)
        , before(car.values)
        , after(after)
        , stateBefore(car.state)
        , stateAfter(nextState())
    {
    }

    void redo() override { setValues(carId, after, stateAfter); }
    void undo() override { setValues(carId, before, stateBefore); }
    int id() const override { return ValuesCommandId; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = dynamic_cast<const ValuesCommand*>(other);
        if (!next || !mergesWith(next->carId, next->field, next->session))
            return false;
        after = next->after;
        stateAfter = next->stateAfter;
        if (after.SameAs(before)) {
            // Back where it began: the stack drops this command unrun, so
            // the car's history goes back too.
            setObsolete(true);
            setState(carId, stateBefore);
        }
        return true;
    }

    // Whether this edit belongs to the same stretch of editing as an edit
    // of `otherField` of car `otherCar` in `otherSession`.
    bool mergesWith(int otherCar, int otherField, int otherSession) const
    {
        return session != 0 && otherSession == session && otherCar == carId && otherField == field;
    }

    int carId;
    int field;
    int session;
    CarValues before;
    CarValues after;
    std::uint64_t stateBefore;
    std::uint64_t stateAfter;
};

bool AddCarCommand::mergeWith(const QUndoCommand* other)
{
    // The first slider step makes a variant; the rest of the same drag
    // changes it, all as one command.
    const auto* next = dynamic_cast<const ValuesCommand*>(other);
    if (!next || session == 0 || !next->mergesWith(added.id, field, session))
        return false;
    if (const GarageCar* live = car(added.id))
        added = *live;
    return true;
}

class NameCommand : public CarCommand
{
public:
    NameCommand(CarList* list, const GarageCar& car, const QString& name, int session)
        : CarCommand(list, CarList::tr("Rename %1").arg(car.name))
        , carId(car.id)
        , session(session)
        , before(car.name)
        , after(name)
    {
    }

    void redo() override { setName(carId, after); }
    void undo() override { setName(carId, before); }
    int id() const override { return NameCommandId; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = dynamic_cast<const NameCommand*>(other);
        if (!next || session == 0 || next->session != session || next->carId != carId)
            return false;
        after = next->after;
        if (after == before)
            setObsolete(true);
        return true;
    }

private:
    int carId;
    int session;
    QString before;
    QString after;
};

// Turns a what-if variant into a car of its own, without a file yet.
class KeepVariantCommand : public CarCommand
{
public:
    KeepVariantCommand(CarList* list, const GarageCar& variant, const QString& name, QUndoCommand* parent = nullptr)
        : CarCommand(list, CarList::tr("Keep %1").arg(name), parent)
        , carId(variant.id)
        , baseId(variant.variantOf)
        , nameBefore(variant.name)
        , nameAfter(name)
        , savedState(variant.savedState)
    {
    }

    void redo() override { setVariantOf(carId, 0, nameAfter, 0); }
    void undo() override { setVariantOf(carId, baseId, nameBefore, savedState); }

private:
    int carId;
    int baseId;
    QString nameBefore;
    QString nameAfter;
    std::uint64_t savedState;
};

} // namespace

CarList::CarList(QObject* parent)
    : QAbstractListModel(parent)
    , undoStack(new QUndoStack(this))
    , selection(new QItemSelectionModel(this, this))
{
}

// The commands on the stack still point at the list: they go first.
CarList::~CarList()
{
    delete undoStack;
}

int CarList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant CarList::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const GarageCar& car = At(index.row());
    switch (role) {
    case Qt::DisplayRole: return IsUnsaved(index.row()) ? car.name + QLatin1Char('*') : car.name;
    case Qt::EditRole:
    case NameRole: return car.name;
    case Qt::DecorationRole:
    case ColourRole: return CarColour(car.id);
    case Qt::FontRole:
        if (car.IsVariant()) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return QVariant();
    case Qt::ToolTipRole:
        if (!car.evaluation->HasResults())
            return PlainToolTip(car.evaluation->Problem());
        return PlainToolTip(car.path.isEmpty() ? car.name : QDir::toNativeSeparators(car.path));
    case IdRole: return car.id;
    case FileRole: return car.path;
    case TextsRole: return QVariant::fromValue(car.Texts());
    case InputsRole: return QVariant::fromValue(car.Inputs());
    case EvaluationRole: return QVariant::fromValue(car.evaluation);
    case IsVariantRole: return car.IsVariant();
    case BaseIdRole: return car.variantOf;
    case UnsavedRole: return IsUnsaved(index.row());
    case RoadKeysRole: return QVariant::fromValue(car.values.roadKeys);
    default: return QVariant();
    }
}

QHash<int, QByteArray> CarList::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(IdRole, "id");
    names.insert(NameRole, "name");
    names.insert(ColourRole, "colour");
    names.insert(FileRole, "file");
    names.insert(TextsRole, "texts");
    names.insert(InputsRole, "inputs");
    names.insert(EvaluationRole, "evaluation");
    names.insert(IsVariantRole, "isVariant");
    names.insert(BaseIdRole, "baseId");
    names.insert(UnsavedRole, "unsaved");
    names.insert(RoadKeysRole, "roadKeys");
    return names;
}

int CarList::RowOf(int id) const
{
    for (int row = 0; row < Count(); ++row)
        if (At(row).id == id)
            return row;
    return -1;
}

bool CarList::IsUnsaved(int row) const
{
    const GarageCar& car = At(row);
    return !car.IsVariant() && car.state != car.savedState;
}

QList<int> CarList::UnsavedRows() const
{
    QList<int> rows;
    for (int row = 0; row < Count(); ++row)
        if (IsUnsaved(row))
            rows << row;
    return rows;
}

int CarList::VariantRowOf(int baseRow) const
{
    const int baseId = At(baseRow).id;
    for (int row = 0; row < Count(); ++row)
        if (At(row).variantOf == baseId)
            return row;
    return -1;
}

void CarList::SetAir(const AirConditions& conditions)
{
    if (air.conditions == conditions)
        return;
    air = FiguresFor(conditions);
    for (GarageCar& car : cars)
        car.evaluation = evaluationOf(car.values);
    if (!cars.empty())
        emit dataChanged(index(0), index(Count() - 1), { EvaluationRole, Qt::ToolTipRole });
    emit runsChanged();
}

void CarList::SetModel(CarModel chosen)
{
    if (model == chosen)
        return;
    model = chosen;
    for (GarageCar& car : cars)
        car.evaluation = evaluationOf(car.values);
    if (!cars.empty())
        emit dataChanged(index(0), index(Count() - 1), { EvaluationRole, Qt::ToolTipRole });
    emit runsChanged();
}

ModelCar CarList::ModelCarAt(int row) const
{
    const CarValues& values = At(row).values;
    return { values.numbers, RoadKeysOf(values) };
}

std::shared_ptr<const CarEvaluation> CarList::evaluationOf(const CarValues& values) const
{
    CarEvaluation evaluation = EvaluateCar({ values.numbers, RoadKeysOf(values) }, air, model);
    evaluation.roadKeys = RoadKeysOf(values);
    return std::make_shared<const CarEvaluation>(std::move(evaluation));
}

int CarList::CurrentRow() const
{
    return selection->currentIndex().row();
}

int CarList::CurrentBaseRow() const
{
    const int current = CurrentRow();
    if (current < 0 || !At(current).IsVariant())
        return current;
    return RowOf(At(current).variantOf);
}

void CarList::SetCurrentRow(int row)
{
    if (row < 0 || row >= Count()) {
        selection->clearCurrentIndex();
        return;
    }
    selection->setCurrentIndex(index(row), QItemSelectionModel::ClearAndSelect);
}

GarageCar CarList::newCar(const QString& name, const CarValues& values, const QString& path)
{
    GarageCar car;
    car.id = nextId++;
    car.name = name;
    car.path = path;
    if (!path.isEmpty())
        car.stamp = FileStamp::Of(path);
    car.values = values;
    car.evaluation = evaluationOf(values);
    car.state = car.savedState = NextState();
    return car;
}

int CarList::AddCar(const QString& name, const CarTexts& texts, const QString& path, const QString& roadLines)
{
    GarageCar car = newCar(name, CarValues::FromTexts(texts, roadLines), path);
    const int id = car.id;
    undoStack->push(new AddCarCommand(this, std::move(car), Count(), true));
    return RowOf(id);
}

void CarList::CloseCar(int row)
{
    const GarageCar& car = At(row);
    auto* close = new QUndoCommand(tr("Close %1").arg(car.name));
    // A variant that differs from its closed base car stays, as a car of
    // its own; one that does not goes with it.
    const int variant = VariantRowOf(row);
    if (variant >= 0 && !(At(variant).Inputs() == car.Inputs()))
        new KeepVariantCommand(this, At(variant), keptName(At(variant)), close);
    else if (variant >= 0)
        new RemoveCarCommand(this, At(variant).id, false, close);
    new RemoveCarCommand(this, car.id, true, close);
    undoStack->push(close);
}

QString CarList::keptName(const GarageCar& variant) const
{
    const int base = RowOf(variant.variantOf);
    return base >= 0 ? tr("%1 (variant)").arg(At(base).name) : variant.name;
}

void CarList::EditText(int row, InputField field, const QString& text, int session)
{
    CarValues values = At(row).values;
    values.SetTyped(field, text);
    if (!values.SameAs(At(row).values))
        undoStack->push(new ValuesCommand(this, At(row), values, static_cast<int>(field), session));
}

void CarList::EditNumber(int row, InputField field, double value, int session)
{
    CarValues values = At(row).values;
    values.SetNumber(field, value);
    if (!values.SameAs(At(row).values))
        undoStack->push(new ValuesCommand(this, At(row), values, static_cast<int>(field), session));
}

void CarList::EditNumbers(int row, const CarInputs& numbers)
{
    CarValues values = CarValues::FromNumbers(numbers);
    values.SetRoadLines(At(row).values.roadLines);
    if (!values.SameAs(At(row).values))
        undoStack->push(new ValuesCommand(this, At(row), values, -1, 0));
}

void CarList::EditTexts(int row, const CarTexts& texts, const QString& roadLines)
{
    const CarValues values = CarValues::FromTexts(texts, roadLines);
    if (!values.SameAs(At(row).values))
        undoStack->push(new ValuesCommand(this, At(row), values, -1, 0));
}

void CarList::EditRoadText(int row, RoadKey key, const QString& text, int session)
{
    CarValues values = At(row).values;
    values.SetRoadText(key, text);
    if (!values.SameAs(At(row).values))
        undoStack->push(new ValuesCommand(this, At(row), values, roadField(key), session));
}

void CarList::RestoreValue(int row, InputField field, const CarValues& from, int session)
{
    CarValues values = At(row).values;
    if (from.HasTypedText(field))
        values.SetTyped(field, from.typed[field]);
    else
        values.SetNumber(field, from.numbers.Value(field));
    values.numbers.SetValue(field, from.numbers.Value(field));
    if (!values.SameAs(At(row).values))
        undoStack->push(new ValuesCommand(this, At(row), values, static_cast<int>(field), session));
}

void CarList::Rename(int row, const QString& name, int session)
{
    if (At(row).name != name)
        undoStack->push(new NameCommand(this, At(row), name, session));
}

int CarList::StartVariant(int baseRow, InputField field, double value, int session)
{
    const GarageCar& base = At(baseRow);
    CarValues values = base.values;
    values.SetNumber(field, value);
    GarageCar variant = newCar(tr("%1 (what if)").arg(base.name), values, QString());
    variant.variantOf = base.id;
    const int id = variant.id;
    undoStack->push(new AddCarCommand(this, std::move(variant), Count(), false, session, static_cast<int>(field)));
    return RowOf(id);
}

void CarList::KeepVariant(int row)
{
    undoStack->push(new KeepVariantCommand(this, At(row), keptName(At(row))));
}

void CarList::MarkSaved(int row, const QString& path)
{
    GarageCar& car = cars.at(static_cast<std::size_t>(row));
    car.path = path;
    car.stamp = FileStamp::Of(path);
    car.savedState = car.state;
    carChanged(row, { FileRole, UnsavedRole, Qt::DisplayRole, Qt::ToolTipRole });
}

void CarList::SetSavedRoadLines(int row, const QString& roadLines)
{
    cars.at(static_cast<std::size_t>(row)).values.SetRoadLines(roadLines);
}

void CarList::insertCar(int row, GarageCar car)
{
    row = std::clamp(row, 0, Count());
    // A car put back by an undo ran on the day it was taken out.
    if (!(car.evaluation->air.conditions == air.conditions) || car.evaluation->model != model)
        car.evaluation = evaluationOf(car.values);
    beginInsertRows(QModelIndex(), row, row);
    cars.insert(cars.begin() + row, std::move(car));
    endInsertRows();
}

GarageCar CarList::takeCar(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    GarageCar car = std::move(cars.at(static_cast<std::size_t>(row)));
    cars.erase(cars.begin() + row);
    endRemoveRows();
    return car;
}

void CarList::setValues(int id, const CarValues& values, std::uint64_t state)
{
    const int row = RowOf(id);
    GarageCar& car = cars.at(static_cast<std::size_t>(row));
    car.values = values;
    car.evaluation = evaluationOf(values);
    car.state = state;
    carChanged(row, { TextsRole, InputsRole, EvaluationRole, UnsavedRole, Qt::DisplayRole, Qt::ToolTipRole });
}

void CarList::setName(int id, const QString& name)
{
    const int row = RowOf(id);
    cars.at(static_cast<std::size_t>(row)).name = name;
    carChanged(row, { NameRole, Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole });
}

void CarList::setVariantOf(int id, int baseId, const QString& name, std::uint64_t savedState)
{
    const int row = RowOf(id);
    GarageCar& car = cars.at(static_cast<std::size_t>(row));
    car.variantOf = baseId;
    car.name = name;
    car.savedState = savedState;
    carChanged(row, { IsVariantRole, BaseIdRole, NameRole, UnsavedRole, Qt::DisplayRole, Qt::EditRole,
                      Qt::FontRole, Qt::ToolTipRole });
}

void CarList::setState(int id, std::uint64_t state)
{
    const int row = RowOf(id);
    cars.at(static_cast<std::size_t>(row)).state = state;
    carChanged(row, { UnsavedRole, Qt::DisplayRole });
}

void CarList::carChanged(int row, const QList<int>& roles)
{
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, roles);
}
