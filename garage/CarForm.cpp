// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarForm.h"

#include "core/AreaSums.h"
#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "garage/CarProxies.h"
#include "garage/GarageFields.h"
#include "garage/GarageSettings.h"
#include "garage/TabChain.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The form's labels, each with a mnemonic of its own in the window.
QString formLabel(InputField field, UnitSystem units)
{
    switch (field) {
    case InputField::Horsepower:
        return units == UnitSystem::Metric ? CarForm::tr("&Power:") : CarForm::tr("Horse&power:");
    case InputField::GrillArea: return CarForm::tr("&Grill area:");
    case InputField::WindshieldArea: return CarForm::tr("W&indshield area:");
    case InputField::CarWeight: return CarForm::tr("Car weigh&t:");
    case InputField::DragCoefficient: return CarForm::tr("&Drag coefficient:");
    case InputField::WindshieldAngle: return CarForm::tr("Windshield ang&le:");
    case InputField::AvailableShifts: return CarForm::tr("Availa&ble shifts:");
    case InputField::QuarterMileShifts: return CarForm::tr("&Quarter mile shifts:");
    case InputField::SpinTime: return CarForm::tr("Spin ti&me:");
    }
    return QString();
}

// The road model's fields, in the order of a car file's keys.
constexpr std::array<RoadKey, 11> formRoadKeys = {
    RoadKey::Engine,   RoadKey::Drivetrain, RoadKey::Transmission, RoadKey::Gears,
    RoadKey::PowerRpm, RoadKey::Torque,     RoadKey::TorqueRpm,    RoadKey::Redline,
    RoadKey::FrontalArea, RoadKey::Tires,   RoadKey::Surface,
};

// "roadEngine", "roadFrontalArea": a road field's object name.
QString roadObjectName(RoadKey key)
{
    QString name = RoadKeyName(key);
    name[0] = name[0].toUpper();
    return QStringLiteral("road") + name;
}

// The place among its words of the typical value of a choice key.
int typicalWord(const FullRoadCar& car, RoadKey key)
{
    switch (key) {
    case RoadKey::Engine: return static_cast<int>(car.engine);
    case RoadKey::Drivetrain: return static_cast<int>(car.drivetrain);
    case RoadKey::Transmission: return static_cast<int>(car.transmission);
    case RoadKey::Tires: return static_cast<int>(car.tires);
    case RoadKey::Surface: return static_cast<int>(car.surface);
    default: return -1;
    }
}

// The typical value of a number key in the shown units, as a box would
// hold it.
QString typicalNumber(const FullRoadCar& car, RoadKey key, UnitSystem units)
{
    const Quantity quantity = RoadKeyQuantity(key);
    auto shown = [&](double value, int decimals) { return FormatFixed(ToShown(value, quantity, units), 1, decimals); };
    switch (key) {
    case RoadKey::Gears: return QString::number(car.gears);
    case RoadKey::PowerRpm: return shown(car.powerRpm, 0);
    case RoadKey::Torque: return shown(car.torque, 0);
    case RoadKey::TorqueRpm: return shown(car.torqueRpm, 0);
    case RoadKey::Redline: return shown(car.redline, 0);
    case RoadKey::FrontalArea: return shown(car.frontalArea, ShownDecimals(quantity, units));
    default: return QString();
    }
}

// Undo and Redo belong to the garage's history, not to one box's text: a
// box lets the window's actions take their keys.
class HistoryKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

CarForm::CarForm(CarList* cars, GarageSettings* settings, QWidget* parent)
    : QScrollArea(parent)
    , cars(cars)
    , settings(settings)
    , page(new QWidget(this))
    , nameBox(new QLineEdit(page))
    , frontalArea(new QLabel(page))
{
    setObjectName(QStringLiteral("carForm"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* history = new HistoryKeys(this);

    // A box never shows fewer characters than the widest value needs.
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("10000.000")) + 16;
    auto* inputs = new QGroupBox(tr("Car"), page);
    auto* grid = new QGridLayout(inputs);
    grid->setColumnStretch(2, 1);
    auto* nameLabel = new QLabel(tr("&Name:"), inputs);
    nameLabel->setBuddy(nameBox);
    nameBox->setObjectName(QStringLiteral("carName"));
    nameBox->setAccessibleName(tr("Car name"));
    nameBox->installEventFilter(history);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameBox, 0, 1, 1, 2);
    connect(nameBox, &QLineEdit::textEdited, this, &CarForm::onNameEdited);
    connect(nameBox, &QLineEdit::editingFinished, this, [this] { nameSession = 0; });

    int row = 1;
    for (InputField field : AllInputFields) {
        const int i = static_cast<int>(field);
        labels[i] = new QLabel(inputs);
        boxes[i] = new QLineEdit(inputs);
        boxes[i]->setObjectName(FieldKey(field));
        boxes[i]->setMinimumWidth(boxWidth);
        boxes[i]->setMaximumWidth(boxWidth * 3 / 2);
        boxes[i]->installEventFilter(history);
        labels[i]->setBuddy(boxes[i]);
        unitLabels[i] = new QLabel(inputs);
        messages[i] = new QLabel(inputs);
        messages[i]->setObjectName(FieldKey(field) + QStringLiteral("Message"));
        messages[i]->setWordWrap(true);
        messages[i]->setTextFormat(Qt::PlainText);
        // The line is kept free for a message, so the form does not jump
        // when one appears.
        messages[i]->setMinimumHeight(messages[i]->fontMetrics().lineSpacing());
        grid->addWidget(labels[i], row, 0);
        grid->addWidget(boxes[i], row, 1);
        grid->addWidget(unitLabels[i], row, 2);
        grid->addWidget(messages[i], row + 1, 0, 1, 3);
        connect(boxes[i], &QLineEdit::textEdited, this, [this, field] { onBoxEdited(field); });
        connect(boxes[i], &QLineEdit::editingFinished, this, &CarForm::endSession);
        row += 2;
    }
    frontalArea->setObjectName(QStringLiteral("frontalArea"));
    frontalArea->setWordWrap(true);
    grid->addWidget(new QLabel(tr("Frontal area:"), inputs), row, 0);
    grid->addWidget(frontalArea, row, 1, 1, 2);
    layout->addWidget(inputs);

    // The road model's fields. A message line shows only when there is a
    // message: eleven lines kept free would double the form's height.
    auto* road = new QGroupBox(tr("Road model"), page);
    road->setObjectName(QStringLiteral("roadFields"));
    auto* roadGrid = new QGridLayout(road);
    roadGrid->setColumnStretch(2, 1);
    int roadRow = 0;
    for (RoadKey key : formRoadKeys) {
        const int i = static_cast<int>(key);
        auto* label = new QLabel(tr("%1:").arg(RoadFieldLabel(key)), road);
        QWidget* control = nullptr;
        const QStringList words = RoadKeyWords(key);
        if (!words.isEmpty()) {
            // Left to its typical value, the choice shows no item, and the
            // typical value greyed in its place; the first item goes back
            // to it.
            auto* choice = new QComboBox(road);
            choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            choice->setMinimumContentsLength(17);
            choice->addItem(QString(), QString());
            for (qsizetype w = 0; w < words.size(); ++w)
                choice->addItem(RoadWordLabel(key, static_cast<int>(w)), words[w]);
            connect(choice, &QComboBox::activated, this, [this, key](int index) { onRoadChoice(key, index); });
            control = choice;
        } else {
            auto* box = new QLineEdit(road);
            box->setMinimumWidth(boxWidth);
            box->setMaximumWidth(boxWidth * 3 / 2);
            box->installEventFilter(history);
            connect(box, &QLineEdit::textEdited, this, [this, key] { onRoadBoxEdited(key); });
            connect(box, &QLineEdit::editingFinished, this, &CarForm::endSession);
            control = box;
        }
        control->setObjectName(roadObjectName(key));
        control->setAccessibleName(RoadFieldLabel(key));
        label->setBuddy(control);
        roadControls[i] = control;
        roadUnits[i] = new QLabel(road);
        roadMessages[i] = new QLabel(road);
        roadMessages[i]->setObjectName(roadObjectName(key) + QStringLiteral("Message"));
        roadMessages[i]->setWordWrap(true);
        roadMessages[i]->setTextFormat(Qt::PlainText);
        roadMessages[i]->hide();
        roadGrid->addWidget(label, roadRow, 0);
        // A choice has no unit: it takes the unit's room too.
        if (words.isEmpty()) {
            roadGrid->addWidget(control, roadRow, 1);
            roadGrid->addWidget(roadUnits[i], roadRow, 2);
        } else {
            roadGrid->addWidget(control, roadRow, 1, 1, 2);
        }
        roadGrid->addWidget(roadMessages[i], roadRow + 1, 0, 1, 3);
        roadRow += 2;
    }
    roadProblem = new QLabel(road);
    roadProblem->setObjectName(QStringLiteral("roadProblem"));
    roadProblem->setWordWrap(true);
    roadProblem->setTextFormat(Qt::PlainText);
    roadProblem->hide();
    roadGrid->addWidget(roadProblem, roadRow, 0, 1, 3);
    layout->addWidget(road);

    // The area calculator's sums: in inches as the classic calculator takes
    // them, or in centimetres in metric units.
    auto* sums = new QGroupBox(tr("Areas from measurements"), page);
    auto* sumsGrid = new QGridLayout(sums);
    const QString parts[2] = { tr("Grill"), tr("Windshield") };
    // The parts inside a sentence, where a language may write them otherwise.
    const QString partsInText[2] = { tr("grill"), tr("windshield") };
    const InputField targets[2] = { InputField::GrillArea, InputField::WindshieldArea };
    const int inchesWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000.0")) + 16;
    for (int k = 0; k < 2; ++k) {
        auto* width = new QLineEdit(sums);
        auto* height = new QLineEdit(sums);
        width->setObjectName(k == 0 ? QStringLiteral("grillWidthInches") : QStringLiteral("windshieldWidthInches"));
        height->setObjectName(k == 0 ? QStringLiteral("grillHeightInches") : QStringLiteral("windshieldHeightInches"));
        for (QLineEdit* edit : { width, height }) {
            edit->setMinimumWidth(inchesWidth);
            edit->setMaximumWidth(inchesWidth * 3 / 2);
            connect(edit, &QLineEdit::textEdited, this, &CarForm::refreshAreas);
        }
        inches[2 * k] = width;
        inches[2 * k + 1] = height;
        areaResults[k] = new QLabel(sums);
        useButtons[k] = new QPushButton(tr("Use"), sums);
        useButtons[k]->setObjectName(k == 0 ? QStringLiteral("useGrillArea") : QStringLiteral("useWindshieldArea"));
        useButtons[k]->setAccessibleName(tr("Use as the %1 area").arg(partsInText[k]));
        useButtons[k]->setToolTip(tr("Put this area into the car's %1 area").arg(partsInText[k]));
        const InputField target = targets[k];
        connect(useButtons[k], &QPushButton::clicked, this, [this, target] { useArea(target); });
        sumsGrid->addWidget(new QLabel(parts[k], sums), 2 * k, 0, 1, 5);
        sumsGrid->addWidget(width, 2 * k + 1, 0);
        sumsGrid->addWidget(new QLabel(tr("×"), sums), 2 * k + 1, 1);
        sumsGrid->addWidget(height, 2 * k + 1, 2);
        sumsGrid->addWidget(areaResults[k], 2 * k + 1, 3);
        sumsGrid->addWidget(useButtons[k], 2 * k + 1, 4);
    }
    sumsGrid->setColumnStretch(3, 1);
    layout->addWidget(sums);
    layout->addStretch(1);
    setWidget(page);
    QList<QWidget*> chain{ nameBox };
    for (QLineEdit* box : boxes)
        chain << box;
    for (RoadKey key : formRoadKeys)
        chain << RoadControl(key);
    chain << inches[0] << inches[1] << useButtons[0] << inches[2] << inches[3] << useButtons[1];
    SetTabChain(chain);

    connect(cars->Selection(), &QItemSelectionModel::currentRowChanged, this, &CarForm::onCurrentChanged);
    auto* currentCar = new OneCarModel(cars, [cars] { return cars->CurrentRow(); }, this);
    connect(currentCar, &QAbstractItemModel::dataChanged, this, &CarForm::onCarChanged);
    connect(cars, &QAbstractItemModel::modelReset, this, &CarForm::onCurrentChanged);
    connect(settings, &GarageSettings::unitsChanged, this, [this] {
        refreshUnits();
        showCar();
    });
    refreshUnits();
    showCar();
    // Narrower than its boxes and their units, the form would only scroll
    // sideways.
    setMinimumWidth(page->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
}

QWidget* CarForm::LastControl() const
{
    return useButtons[1];
}

void CarForm::onCurrentChanged()
{
    endSession();
    nameSession = 0;
    showCar();
}

void CarForm::onCarChanged(const QModelIndex&, const QModelIndex&, const QList<int>& roles)
{
    const int row = cars->CurrentRow();
    if (roles.isEmpty() || roles.contains(CarList::InputsRole)) {
        // A change that did not come from this form's typing (an undo, a
        // slider) ends the stretch of typing.
        if (!editingBox)
            endSession();
        refreshBoxes();
        refreshMessages();
        refreshRoad();
    }
    if ((roles.isEmpty() || roles.contains(CarList::NameRole)) && nameBox->text().trimmed() != cars->At(row).name)
        nameBox->setText(cars->At(row).name);
}

void CarForm::showCar()
{
    const int row = cars->CurrentRow();
    page->setEnabled(row >= 0);
    if (row < 0) {
        nameBox->clear();
        for (QLineEdit* box : boxes)
            box->clear();
        for (QLabel* message : messages)
            message->clear();
        frontalArea->clear();
        refreshRoad();
        refreshAreas();
        return;
    }
    nameBox->setText(cars->At(row).name);
    refreshBoxes();
    refreshMessages();
    refreshRoad();
    refreshAreas();
}

QString CarForm::shownText(const CarValues& values, InputField field) const
{
    const UnitSystem units = settings->Units();
    const Quantity quantity = FieldQuantity(field);
    if (units == UnitSystem::Imperial || ToShown(1, quantity, units) == 1)
        return values.Text(field);
    return FormatFixed(ToShown(values.numbers.Value(field), quantity, units), 1, ShownDecimals(quantity, units));
}

void CarForm::onBoxEdited(InputField field)
{
    const int row = cars->CurrentRow();
    if (row < 0)
        return;
    beginSession(cars->At(row), static_cast<int>(field));
    QLineEdit* box = Box(field);
    editingBox = box;
    // Typing back the text the value was shown with gives the value back
    // exactly, not the shown text's rounding of it.
    if (box->text() == shownText(sessionStart, field))
        cars->RestoreValue(row, field, sessionStart, session);
    else
        cars->EditText(row, field, ClassicFieldText(box->text(), field, settings->Units()), session);
    editingBox = nullptr;
}

void CarForm::beginSession(const GarageCar& car, int field)
{
    if (sessionCar == car.id && sessionField == field)
        return;
    sessionCar = car.id;
    sessionField = field;
    session = cars->NewSession();
    sessionStart = car.values;
}

void CarForm::onRoadBoxEdited(RoadKey key)
{
    const int row = cars->CurrentRow();
    if (row < 0)
        return;
    beginSession(cars->At(row), InputFieldCount + static_cast<int>(key));
    auto* box = static_cast<QLineEdit*>(RoadControl(key));
    const UnitSystem units = settings->Units();
    const QString before = sessionStart.RoadText(key);
    editingBox = box;
    // Typing back the shown text gives back the text the file had.
    cars->EditRoadText(row, key, box->text() == ShownRoadText(before, key, units) ? before
                                                                                 : ClassicRoadText(box->text(), key, units),
                       session);
    editingBox = nullptr;
}

void CarForm::onRoadChoice(RoadKey key, int index)
{
    const int row = cars->CurrentRow();
    if (row < 0)
        return;
    endSession();
    auto* choice = static_cast<QComboBox*>(RoadControl(key));
    cars->EditRoadText(row, key, choice->itemData(index).toString());
    // Going back to the typical value of a car that had none shows it again.
    refreshRoad();
}

void CarForm::refreshRoad()
{
    const int row = cars->CurrentRow();
    const UnitSystem units = settings->Units();
    const CarValues values = row >= 0 ? cars->At(row).values : CarValues();
    const FullRoadCar typical = WithTypicalValues(RoadCarOf(values.numbers, values.roadKeys));
    bool anyMessage = false;
    for (RoadKey key : formRoadKeys) {
        const int i = static_cast<int>(key);
        const QString text = values.RoadText(key);
        if (auto* choice = qobject_cast<QComboBox*>(roadControls[i])) {
            const QString typicalText =
                row >= 0 ? tr("%1 (typical)").arg(RoadWordLabel(key, typicalWord(typical, key))) : QString();
            choice->setItemText(0, typicalText);
            choice->setPlaceholderText(typicalText);
            const int at = text.isEmpty() ? -1 : choice->findData(text);
            choice->setCurrentIndex(at > 0 ? at : -1);
        } else {
            auto* box = static_cast<QLineEdit*>(roadControls[i]);
            box->setPlaceholderText(row >= 0 ? typicalNumber(typical, key, units) : QString());
            const bool keepsTyping = box->isModified() && ClassicRoadText(box->text(), key, units) == text;
            const QString shown = ShownRoadText(text, key, units);
            if (box != editingBox && !keepsTyping && box->text() != shown)
                box->setText(shown);
        }
        RoadKeys probe;
        QString message = text.isEmpty() ? QString() : probe.Set(key, text);
        if (!message.isEmpty() && units == UnitSystem::Metric && RoadKeyQuantity(key) != Quantity::Plain)
            message += QLatin1Char(' ') + tr("(%1)").arg(RoadKeyRangeText(key, units, locale()));
        QLabel* label = roadMessages[i];
        if (label->text() != message) {
            label->setText(message);
            roadControls[i]->setAccessibleDescription(message);
        }
        label->setVisible(!message.isEmpty());
        anyMessage = anyMessage || !message.isEmpty();
    }
    // A line that is no key, or the keys' problem together (engine speeds
    // out of order), once every field's own value is good.
    QString problem;
    if (row >= 0 && !anyMessage) {
        problem = values.roadProblem;
        if (problem.isEmpty())
            problem = RoadRangeMessage(RoadCarOf(values.numbers, values.roadKeys));
    }
    roadProblem->setText(problem);
    roadProblem->setVisible(!problem.isEmpty());
}

void CarForm::refreshRoadUnits()
{
    const UnitSystem units = settings->Units();
    for (RoadKey key : formRoadKeys) {
        const int i = static_cast<int>(key);
        roadUnits[i]->setText(RoadKeyUnit(key, units));
        roadControls[i]->setToolTip(RoadKeyRangeText(key, units, locale()));
    }
}

void CarForm::endSession()
{
    sessionCar = 0;
    sessionField = -1;
    session = 0;
}

void CarForm::onNameEdited()
{
    const int row = cars->CurrentRow();
    const QString name = nameBox->text().trimmed();
    if (row < 0 || name.isEmpty())
        return;
    if (nameSession == 0)
        nameSession = cars->NewSession();
    cars->Rename(row, name, nameSession);
}

void CarForm::refreshBoxes()
{
    const CarValues& values = cars->At(cars->CurrentRow()).values;
    const UnitSystem units = settings->Units();
    for (InputField field : AllInputFields) {
        QLineEdit* box = Box(field);
        if (box == editingBox)
            continue;
        // A box keeps what was typed into it while that is what the car holds.
        if (ClassicFieldText(box->text(), field, units) == values.Text(field) && box->isModified())
            continue;
        const QString text = shownText(values, field);
        if (box->text() != text)
            box->setText(text);
    }
}

void CarForm::refreshMessages()
{
    const UnitSystem units = settings->Units();
    const CarInputs& car = cars->At(cars->CurrentRow()).Inputs();
    for (InputField field : AllInputFields) {
        QString message = FieldRangeMessage(car, field);
        const Quantity quantity = FieldQuantity(field);
        if (!message.isEmpty() && units == UnitSystem::Metric && ToShown(1, quantity, units) != 1) {
            const RangeTest& range = FieldRange(field);
            const int decimals = ShownDecimals(quantity, units);
            message += QLatin1Char(' ')
                       + tr("(%1 to %2 %3)")
                             .arg(locale().toString(ToShown(range.low, quantity, units), 'f', decimals),
                                  locale().toString(ToShown(range.high, quantity, units), 'f', decimals),
                                  UnitSymbol(quantity, units));
        }
        QLabel* label = Message(field);
        if (label->text() != message) {
            label->setText(message);
            Box(field)->setAccessibleDescription(message);
        }
    }
    // The classic law's area from the grill and the windshield; the road
    // model takes a measured frontal area instead where the car gives one.
    auto areaShown = [&](double area) {
        return locale().toString(ToShown(area, Quantity::Area, units), 'f', ShownDecimals(Quantity::Area, units));
    };
    const std::optional<double> measured = cars->At(cars->CurrentRow()).values.roadKeys.frontalArea;
    frontalArea->setText(measured ? tr("%1 %2 (the road model takes the measured %3 %2)")
                                        .arg(areaShown(car.FrontalArea()), UnitSymbol(Quantity::Area, units),
                                             areaShown(*measured))
                                  : tr("%1 %2").arg(areaShown(car.FrontalArea()), UnitSymbol(Quantity::Area, units)));
}

void CarForm::refreshUnits()
{
    const UnitSystem units = settings->Units();
    for (InputField field : AllInputFields) {
        const int i = static_cast<int>(field);
        labels[i]->setText(formLabel(field, units));
        boxes[i]->setAccessibleName(FieldLabel(field, units));
        unitLabels[i]->setText(FieldUnit(field, units));
        boxes[i]->setToolTip(FieldRangeText(field, units, locale()));
    }
    refreshRoadUnits();
    // The sums take inches, or centimetres in metric units.
    const bool metric = units == UnitSystem::Metric;
    const QString parts[2] = { tr("Grill"), tr("Windshield") };
    for (int k = 0; k < 2; ++k) {
        inches[2 * k]->setAccessibleName(metric ? tr("%1 width in centimetres").arg(parts[k])
                                                : tr("%1 width in inches").arg(parts[k]));
        inches[2 * k + 1]->setAccessibleName(metric ? tr("%1 height in centimetres").arg(parts[k])
                                                    : tr("%1 height in inches").arg(parts[k]));
        inches[2 * k]->setPlaceholderText(metric ? tr("width (cm)") : tr("width (in)"));
        inches[2 * k + 1]->setPlaceholderText(metric ? tr("height (cm)") : tr("height (in)"));
    }
    refreshAreas();
}

void CarForm::refreshAreas()
{
    const bool any = cars->CurrentRow() >= 0;
    for (int k = 0; k < 2; ++k) {
        const bool typed = !inches[2 * k]->text().trimmed().isEmpty()
                           && !inches[2 * k + 1]->text().trimmed().isEmpty();
        useButtons[k]->setEnabled(typed && any);
        if (!typed) {
            areaResults[k]->setText(QStringLiteral("= —"));
            continue;
        }
        const QString area = areaText(k);
        areaResults[k]->setText(tr("= %1 %2").arg(ShownFieldText(area, InputField::GrillArea, settings->Units()),
                                                   UnitSymbol(Quantity::Area, settings->Units())));
    }
}

QString CarForm::areaText(int part) const
{
    const QString width = inches[2 * part]->text();
    const QString height = inches[2 * part + 1]->text();
    if (settings->Units() == UnitSystem::Metric)
        return AreaTextFromCentimetres(width, height);
    return AreaText(width, height).trimmed();
}

void CarForm::useArea(InputField field)
{
    const int row = cars->CurrentRow();
    if (row < 0)
        return;
    const int k = field == InputField::GrillArea ? 0 : 1;
    endSession();
    cars->EditText(row, field, areaText(k));
}
