// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/RunTableModel.h"

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

RunTableModel::RunTableModel(Logbook& logbook, QObject* parent)
    : QAbstractTableModel(parent), logbook(logbook)
{
}

RunTableModel::~RunTableModel()
{
    for (QThread* reader : std::as_const(readers)) {
        reader->wait();
        delete reader;
    }
}

QString RunTableModel::SetCar(qint64 id)
{
    carId = id;
    return Reload();
}

void RunTableModel::LoadCar(qint64 id)
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
    auto read = std::make_shared<LogbookRead<QList<LoggedRun>>>();
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

qint64 RunTableModel::CarId() const
{
    return carId;
}

QString RunTableModel::Reload()
{
    LogbookRead<QList<LoggedRun>> read;
    if (carId != 0)
        read = logbook.Runs(carId);
    beginResetModel();
    runs = read.value;
    loading = 0;
    endResetModel();
    return read.error;
}

const LoggedRun& RunTableModel::RunAt(int row) const
{
    return runs.at(row);
}

int RunTableModel::RowOfRun(qint64 runId) const
{
    for (qsizetype row = 0; row < runs.size(); ++row)
        if (runs[row].id == runId)
            return static_cast<int>(row);
    return -1;
}

RunField RunTableModel::FieldOfColumn(int column)
{
    return AllRunFields.at(static_cast<std::size_t>(column));
}

QString RunTableModel::AddRun(LoggedRun& run)
{
    if (carId == 0)
        return tr("No car is chosen for the run.");
    LoggedRun stored = run;
    stored.carId = carId;
    const QString error = logbook.AddRun(stored);
    if (!error.isEmpty())
        return error;
    run = stored;
    if (Loading())
        return Reload();
    const int row = static_cast<int>(std::upper_bound(runs.begin(), runs.end(), stored, RunComesBefore) - runs.begin());
    beginInsertRows(QModelIndex(), row, row);
    runs.insert(row, stored);
    endInsertRows();
    return QString();
}

QString RunTableModel::UpdateRun(const LoggedRun& run)
{
    // A run shown is changed only as it is shown: another window or program
    // may have changed it since the table read it.
    const int row = RowOfRun(run.id);
    const QString error = row < 0 ? logbook.UpdateRun(run) : logbook.UpdateRunIfUnchanged(runs[row], run);
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
    QList<LoggedRun> others = runs;
    others.removeAt(row);
    const int place = static_cast<int>(std::upper_bound(others.begin(), others.end(), run, RunComesBefore) - others.begin());
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

QString RunTableModel::DeleteRun(qint64 runId)
{
    const QString error = logbook.DeleteRun(runId);
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

int RunTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(runs.size());
}

int RunTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RunFieldCount;
}

QVariant RunTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= runs.size() || index.column() >= RunFieldCount)
        return QVariant();
    const LoggedRun& run = runs[index.row()];
    const RunField field = FieldOfColumn(index.column());
    if (!IsNumberField(field)) {
        if (role != Qt::DisplayRole && role != Qt::EditRole && role != SortRole)
            return QVariant();
        if (field == RunField::Date)
            return RunDateText(run);
        return field == RunField::Track ? run.track : run.note;
    }
    const std::optional<double> value = run.*NumberMember(field);
    switch (role) {
    case Qt::DisplayRole:
        return value ? QString::asprintf("%.*f", RunFieldDecimals(field), *value) : QString();
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

QVariant RunTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= RunFieldCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const RunField field = FieldOfColumn(section);
    if (role == Qt::ToolTipRole) {
        const QString unit = RunFieldUnit(field);
        const QString name = RunFieldName(field);
        return unit.isEmpty() ? name : tr("%1, in %2").arg(name, unit);
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (field) {
    case RunField::Date: return tr("Date");
    case RunField::Track: return tr("Track");
    case RunField::Elevation: return tr("Elevation (ft)");
    case RunField::Temperature: return tr("Temperature (°F)");
    case RunField::Pressure: return tr("Pressure (inHg)");
    case RunField::Humidity: return tr("Humidity (%)");
    case RunField::ReactionTime: return tr("Reaction (s)");
    case RunField::SixtyFootTime: return tr("60 ft (s)");
    case RunField::ThreeThirtyFootTime: return tr("330 ft (s)");
    case RunField::EighthMileTime: return tr("1/8 mile (s)");
    case RunField::EighthMileSpeed: return tr("1/8 mile (mph)");
    case RunField::ThousandFootTime: return tr("1000 ft (s)");
    case RunField::QuarterMileTime: return tr("1/4 mile (s)");
    case RunField::QuarterMileSpeed: return tr("1/4 mile (mph)");
    case RunField::Note: return tr("Note");
    }
    return QVariant();
}

Qt::ItemFlags RunTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && logbook.IsOpen() && !logbook.IsReadOnly() && !Loading())
        flags |= Qt::ItemIsEditable;
    return flags;
}

QString RunTableModel::withValue(LoggedRun& run, RunField field, const QVariant& value) const
{
    const QString text = value.toString();
    switch (field) {
    case RunField::Date:
        if (value.typeId() == QMetaType::QDateTime) {
            // The logbook keeps times to the second.
            const QTime time = value.toDateTime().time();
            run.date = value.toDateTime().date();
            run.time = QTime(time.hour(), time.minute(), time.second());
        } else if (value.typeId() == QMetaType::QDate) {
            run.date = value.toDate();
        } else if (!ReadRunDate(text, run.date, run.time)) {
            return tr("\"%1\" is not a date of the form YYYY-MM-DD, optionally with a time HH:MM or HH:MM:SS.")
                .arg(text);
        }
        return QString();
    case RunField::Track:
        run.track = text;
        return QString();
    case RunField::Note:
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
            .arg(text, RunFieldName(field));
    }
    return QString();
}

bool RunTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= runs.size() || index.column() >= RunFieldCount)
        return false;
    LoggedRun run = runs[index.row()];
    QString error = withValue(run, FieldOfColumn(index.column()), value);
    if (error.isEmpty() && run == runs[index.row()])
        return true;
    if (error.isEmpty())
        error = UpdateRun(run);
    if (!error.isEmpty()) {
        // Refused because another window or program changed the run: the
        // table shows it as it is now.
        if (logbook.Run(run.id).value != std::optional<LoggedRun>(runs[index.row()]))
            Reload();
        emit refused(error);
        return false;
    }
    return true;
}
