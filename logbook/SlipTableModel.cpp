// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/SlipTableModel.h"

#include "core/CsvReader.h"
#include "core/NumberText.h"
#include "logbook/Logbook.h"

#include <QDateTime>
#include <QThread>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

bool isNumberValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

SlipTableModel::SlipTableModel(Logbook& logbook, QObject* parent)
    : QAbstractTableModel(parent), logbook(logbook)
{
}

SlipTableModel::~SlipTableModel()
{
    for (QThread* reader : std::as_const(readers)) {
        reader->wait();
        delete reader;
    }
}

QString SlipTableModel::SetCar(qint64 id)
{
    carId = id;
    return Reload();
}

void SlipTableModel::LoadCar(qint64 id)
{
    carId = id;
    if (carId == 0 || !logbook.IsOpen()) {
        Reload();
        return;
    }
    beginResetModel();
    runs.clear();
    loading = ++reads;
    endResetModel();
    // The read's own logbook lives and dies on its thread; what it read is
    // taken once the thread has ended.
    auto read = std::make_shared<LogbookRead<QList<TimeSlip>>>();
    QThread* reader = QThread::create([read, path = logbook.Path(), id] {
        Logbook own;
        read->error = own.Open(path, Logbook::OpenMode::Existing);
        if (read->error.isEmpty())
            *read = own.Runs(id);
    });
    readers << reader;
    connect(reader, &QThread::finished, this, [this, reader, read, which = loading] {
        readers.removeOne(reader);
        reader->wait();
        delete reader;
        if (which != loading)
            return;
        beginResetModel();
        runs = std::move(read->value);
        loading = 0;
        endResetModel();
        emit loaded(read->error);
    });
    reader->start();
}

qint64 SlipTableModel::CarId() const
{
    return carId;
}

QString SlipTableModel::Reload()
{
    LogbookRead<QList<TimeSlip>> read;
    if (carId != 0)
        read = logbook.Runs(carId);
    beginResetModel();
    runs = read.value;
    loading = 0;
    endResetModel();
    return read.error;
}

const TimeSlip& SlipTableModel::RunAt(int row) const
{
    return runs.at(row);
}

int SlipTableModel::RowOfRun(qint64 runId) const
{
    for (qsizetype row = 0; row < runs.size(); ++row)
        if (runs[row].id == runId)
            return static_cast<int>(row);
    return -1;
}

SlipField SlipTableModel::FieldOfColumn(int column)
{
    return AllSlipFields.at(static_cast<std::size_t>(column));
}

QString SlipTableModel::AddSlip(TimeSlip& run)
{
    if (carId == 0)
        return tr("No car is chosen for the run.");
    TimeSlip stored = run;
    stored.carId = carId;
    const QString error = logbook.AddSlip(stored);
    if (!error.isEmpty())
        return error;
    run = stored;
    if (Loading())
        return Reload();
    const int row = static_cast<int>(std::upper_bound(runs.begin(), runs.end(), stored, SlipComesBefore) - runs.begin());
    beginInsertRows(QModelIndex(), row, row);
    runs.insert(row, stored);
    endInsertRows();
    return QString();
}

QString SlipTableModel::UpdateSlip(const TimeSlip& run)
{
    // A run shown is changed only as it is shown: another window or program
    // may have changed it since the table read it.
    const int row = RowOfRun(run.id);
    const QString error = row < 0 ? logbook.UpdateSlip(run) : logbook.UpdateSlipIfUnchanged(runs[row], run);
    if (!error.isEmpty())
        return error;
    if (Loading())
        return Reload();
    if (row < 0)
        return QString();
    if (run.carId != carId) {
        beginRemoveRows(QModelIndex(), row, row);
        runs.removeAt(row);
        endRemoveRows();
        return QString();
    }
    // The run keeps the logbook's order: a new date may move its row.
    QList<TimeSlip> others = runs;
    others.removeAt(row);
    const int place = static_cast<int>(std::upper_bound(others.begin(), others.end(), run, SlipComesBefore) - others.begin());
    if (place == row) {
        runs[row] = run;
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return QString();
    }
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), place > row ? place + 1 : place);
    runs.removeAt(row);
    runs.insert(place, run);
    endMoveRows();
    return QString();
}

QString SlipTableModel::DeleteSlip(qint64 runId)
{
    const QString error = logbook.DeleteSlip(runId);
    if (!error.isEmpty())
        return error;
    if (Loading())
        return Reload();
    const int row = RowOfRun(runId);
    if (row >= 0) {
        beginRemoveRows(QModelIndex(), row, row);
        runs.removeAt(row);
        endRemoveRows();
    }
    return QString();
}

int SlipTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(runs.size());
}

int SlipTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : SlipFieldCount;
}

QVariant SlipTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= runs.size() || index.column() >= SlipFieldCount)
        return QVariant();
    const TimeSlip& run = runs[index.row()];
    const SlipField field = FieldOfColumn(index.column());
    if (!IsNumberField(field)) {
        if (role != Qt::DisplayRole && role != Qt::EditRole && role != SortRole)
            return QVariant();
        if (field == SlipField::Date)
            return SlipDateText(run);
        return field == SlipField::Track ? run.track : run.note;
    }
    const std::optional<double> value = run.*NumberMember(field);
    switch (role) {
    case Qt::DisplayRole:
        return value ? QString::asprintf("%.*f", SlipFieldDecimals(field), *value) : QString();
    case Qt::EditRole:
        return value ? QString::fromLatin1(ShortestText(*value)) : QString();
    case SortRole:
        return value ? *value : -std::numeric_limits<double>::infinity();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
        return QVariant();
    }
}

QVariant SlipTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= SlipFieldCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const SlipField field = FieldOfColumn(section);
    if (role == Qt::ToolTipRole) {
        const QString unit = SlipFieldUnit(field);
        const QString name = SlipFieldName(field);
        return unit.isEmpty() ? name : tr("%1, in %2").arg(name, unit);
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (field) {
    case SlipField::Date: return tr("Date");
    case SlipField::Track: return tr("Track");
    case SlipField::Elevation: return tr("Elevation (ft)");
    case SlipField::Temperature: return tr("Temperature (°F)");
    case SlipField::Pressure: return tr("Pressure (inHg)");
    case SlipField::Humidity: return tr("Humidity (%)");
    case SlipField::ReactionTime: return tr("Reaction (s)");
    case SlipField::SixtyFootTime: return tr("60 ft (s)");
    case SlipField::ThreeThirtyFootTime: return tr("330 ft (s)");
    case SlipField::EighthMileTime: return tr("1/8 mile (s)");
    case SlipField::EighthMileSpeed: return tr("1/8 mile (mph)");
    case SlipField::ThousandFootTime: return tr("1000 ft (s)");
    case SlipField::QuarterMileTime: return tr("1/4 mile (s)");
    case SlipField::QuarterMileSpeed: return tr("1/4 mile (mph)");
    case SlipField::Note: return tr("Note");
    }
    return QVariant();
}

Qt::ItemFlags SlipTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && logbook.IsOpen() && !logbook.IsReadOnly() && !Loading())
        flags |= Qt::ItemIsEditable;
    return flags;
}

QString SlipTableModel::withValue(TimeSlip& run, SlipField field, const QVariant& value) const
{
    const QString text = value.toString();
    switch (field) {
    case SlipField::Date:
        if (value.typeId() == QMetaType::QDateTime) {
            // The logbook keeps times to the second.
            const QTime time = value.toDateTime().time();
            run.date = value.toDateTime().date();
            run.time = QTime(time.hour(), time.minute(), time.second());
        } else if (value.typeId() == QMetaType::QDate) {
            run.date = value.toDate();
        } else if (!ReadSlipDate(text, run.date, run.time)) {
            return tr("\"%1\" is not a date of the form YYYY-MM-DD, optionally with a time HH:MM or HH:MM:SS.")
                .arg(text);
        }
        return QString();
    case SlipField::Track:
        run.track = text;
        return QString();
    case SlipField::Note:
        run.note = text;
        return QString();
    default:
        break;
    }
    std::optional<double>& number = run.*NumberMember(field);
    if (isNumberValue(value)) {
        number = value.toDouble();
    } else if (text.trimmed().isEmpty()) {
        number.reset();
    } else if (const std::optional<double> read = CsvNumber(text)) {
        number = *read;
    } else {
        return tr("\"%1\" is not a number for the %2: write it with \".\" as the decimal point.")
            .arg(text, SlipFieldName(field));
    }
    return QString();
}

bool SlipTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= runs.size() || index.column() >= SlipFieldCount)
        return false;
    TimeSlip run = runs[index.row()];
    QString error = withValue(run, FieldOfColumn(index.column()), value);
    if (error.isEmpty() && run == runs[index.row()])
        return true;
    if (error.isEmpty())
        error = UpdateSlip(run);
    if (!error.isEmpty()) {
        // Refused because another window or program changed the run: the
        // table shows it as it is now.
        if (logbook.Run(run.id).value != std::optional<TimeSlip>(runs[index.row()]))
            Reload();
        emit refused(error);
        return false;
    }
    return true;
}
