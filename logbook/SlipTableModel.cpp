// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/SlipTableModel.h"

#include "core/CsvReader.h"
#include "core/NumberText.h"
#include "logbook/DialInFigures.h"
#include "logbook/Logbook.h"
#include "logbook/SlipsCsv.h"

#include <QDateTime>
#include <QLocale>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// A figure as the table shows it: in the user's locale ("13,42" in German),
// never grouped, so a 5280-ft elevation does not read as 5.280.
QString shownNumber(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

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

// A number's display, sort and alignment roles; none for the others.
QVariant numberData(const std::optional<double>& value, int decimals, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return value ? shownNumber(*value, decimals) : QString();
    case SlipTableModel::SortRole:
        return value ? *value : -std::numeric_limits<double>::infinity();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
        return QVariant();
    }
}

} // namespace

// A run's date as the table shows it: the locale's short form, so that the
// user sees how a typed date was read, then the time as it is typed.
QString ShownSlipDate(const TimeSlip& run)
{
    if (!run.date.isValid())
        return QString();
    const QString date = QLocale().toString(run.date, QLocale::ShortFormat);
    if (!run.time.isValid())
        return date;
    return date + u' ' + run.time.toString(run.time.second() == 0 ? u"HH:mm" : u"HH:mm:ss");
}

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
    // A logbook opened unchecked is checked by the read, car or no car.
    if ((carId == 0 && !logbook.Unchecked()) || !logbook.IsOpen()) {
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
        if (read->error.isEmpty() && id != 0)
            *read = own.Runs(id);
    });
    readers << reader;
    connect(reader, &QThread::finished, this, [this, reader, read, which = loading, path = logbook.Path()] {
        readers.removeOne(reader);
        reader->wait();
        delete reader;
        // The read opened the file with its whole check: it tells whether
        // the logbook opened unchecked may be changed, or is refused.
        if (logbook.Unchecked() && logbook.Path() == path) {
            if (read->error.isEmpty())
                logbook.MarkChecked();
            else
                logbook.Close();
        }
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
    QList<TimeSlip> added{ run };
    const QString error = AddSlips(carId, added);
    if (error.isEmpty())
        run = added.first();
    return error;
}

QString SlipTableModel::AddSlips(qint64 forCar, QList<TimeSlip>& added)
{
    const QString error = logbook.AddSlips(forCar, added);
    if (!error.isEmpty())
        return error;
    if (Loading())
        return Reload();
    if (forCar == carId) {
        showAdded(added);
        emit changed();
    }
    return QString();
}

QString SlipTableModel::UpdateSlip(const TimeSlip& run)
{
    // A run shown is changed only as it is shown: another window or program
    // may have changed it since the table read it.
    const int row = RowOfRun(run.id);
    if (row >= 0)
        return ChangeSlip(runs[row], run);
    return logbook.UpdateSlip(run);
}

QString SlipTableModel::ChangeSlip(const TimeSlip& seen, const TimeSlip& run)
{
    const QString error = logbook.UpdateSlipIfUnchanged(seen, run);
    if (!error.isEmpty())
        return error;
    if (Loading())
        return Reload();
    if (const int row = RowOfRun(run.id); row >= 0)
        showChanged(row, run);
    else if (run.carId == carId)
        showAdded({ run });
    else
        return QString();
    emit changed();
    return QString();
}

QString SlipTableModel::DeleteSlip(qint64 runId)
{
    const QString error = logbook.DeleteSlip(runId);
    if (!error.isEmpty())
        return error;
    if (Loading())
        return Reload();
    showRemoved({ runId });
    emit changed();
    return QString();
}

QString SlipTableModel::DeleteSlips(const QList<TimeSlip>& seen)
{
    const QString error = logbook.DeleteSlipsIfUnchanged(seen);
    if (!error.isEmpty())
        return error;
    if (Loading())
        return Reload();
    QList<qint64> ids;
    ids.reserve(seen.size());
    for (const TimeSlip& run : seen)
        ids << run.id;
    showRemoved(ids);
    emit changed();
    return QString();
}

QString SlipTableModel::MoveSlips(const QList<TimeSlip>& seen, qint64 toCar)
{
    const QString error = logbook.MoveSlipsIfUnchanged(seen, toCar);
    if (!error.isEmpty())
        return error;
    if (Loading())
        return Reload();
    QList<TimeSlip> moved = seen;
    QList<qint64> gone;
    for (TimeSlip& run : moved) {
        if (run.carId == carId)
            gone << run.id;
        run.carId = toCar;
    }
    if (toCar == carId && carId != 0)
        showAdded(moved);
    else if (!gone.isEmpty())
        showRemoved(gone);
    else
        return QString();
    emit changed();
    return QString();
}

void SlipTableModel::showAdded(QList<TimeSlip> added)
{
    std::stable_sort(added.begin(), added.end(), SlipComesBefore);
    // Runs that go between the same two rows are inserted as one block.
    qsizetype first = 0;
    while (first < added.size()) {
        const int row = static_cast<int>(
            std::upper_bound(runs.cbegin(), runs.cend(), added[first], SlipComesBefore) - runs.cbegin());
        qsizetype end = first + 1;
        while (end < added.size() && (row == runs.size() || SlipComesBefore(added[end], runs[row])))
            ++end;
        beginInsertRows(QModelIndex(), row, row + static_cast<int>(end - first) - 1);
        runs.insert(row, end - first, TimeSlip());
        std::copy(added.cbegin() + first, added.cbegin() + end, runs.begin() + row);
        endInsertRows();
        first = end;
    }
}

void SlipTableModel::showChanged(int row, const TimeSlip& run)
{
    if (run.carId != carId) {
        beginRemoveRows(QModelIndex(), row, row);
        runs.removeAt(row);
        endRemoveRows();
        return;
    }
    // The run keeps the logbook's order: a new date may move its row. The
    // rows before and after it are in order, so its place is found in
    // either half.
    int place = row;
    if (row > 0 && SlipComesBefore(run, runs[row - 1]))
        place = static_cast<int>(std::upper_bound(runs.cbegin(), runs.cbegin() + row, run, SlipComesBefore)
                                 - runs.cbegin());
    else if (row + 1 < runs.size() && SlipComesBefore(runs[row + 1], run))
        place = static_cast<int>(std::upper_bound(runs.cbegin() + row + 1, runs.cend(), run, SlipComesBefore)
                                 - runs.cbegin())
                - 1;
    if (place == row) {
        runs[row] = run;
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), place > row ? place + 1 : place);
    runs.removeAt(row);
    runs.insert(place, run);
    endMoveRows();
}

void SlipTableModel::showRemoved(const QList<qint64>& runIds)
{
    const QSet<qint64> gone(runIds.cbegin(), runIds.cend());
    // From the last row up, a block of neighbouring rows at a time.
    int row = static_cast<int>(runs.size()) - 1;
    while (row >= 0) {
        if (!gone.contains(runs[row].id)) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && gone.contains(runs[first - 1].id))
            --first;
        beginRemoveRows(QModelIndex(), first, row);
        runs.remove(first, row - first + 1);
        endRemoveRows();
        row = first - 1;
    }
}

int SlipTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(runs.size());
}

int SlipTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SlipTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= runs.size() || index.column() >= ColumnCount)
        return QVariant();
    const TimeSlip& run = runs[index.row()];
    if (index.column() >= SlipFieldCount)
        return dialInData(run, index.column(), role);
    const SlipField field = FieldOfColumn(index.column());
    if (!IsNumberField(field)) {
        if (role != Qt::DisplayRole && role != Qt::EditRole && role != SortRole)
            return QVariant();
        if (field == SlipField::Date)
            return role == Qt::DisplayRole ? ShownSlipDate(run) : SlipDateText(run);
        return field == SlipField::Track ? run.track : run.note;
    }
    const std::optional<double> value = run.*NumberMember(field);
    if (role == Qt::EditRole)
        return value ? QString::fromLatin1(ShortestText(*value)) : QString();
    return numberData(value, SlipFieldDecimals(field), role);
}

QVariant SlipTableModel::dialInData(const TimeSlip& run, int column, int role) const
{
    const bool altitude = column == DensityAltitudeColumn;
    return numberData(altitude ? DensityAltitudeOfRun(run) : StandardDayTimeOfRun(run), altitude ? 0 : 3, role);
}

QVariant SlipTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (section == DensityAltitudeColumn || section == StandardDayTimeColumn)) {
        if (role == Qt::ToolTipRole)
            return section == DensityAltitudeColumn
                       ? tr("Density altitude of the run's day, in ft, from its temperature, pressure and "
                            "humidity")
                       : tr("The quarter-mile time corrected to the standard day (77 °F, 29.235 inHg, dry "
                            "air), in s: the time · (1 / CF)^(1/3), CF the day's SAE J1349 factor");
        if (role != Qt::DisplayRole)
            return QVariant();
        return section == DensityAltitudeColumn ? tr("DA (ft)") : tr("1/4 mile, std. day (s)");
    }
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
    return SlipFieldHeader(field);
}

Qt::ItemFlags SlipTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() < SlipFieldCount && logbook.IsOpen() && !logbook.IsReadOnly()
        && !Loading())
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
            return QString();
        }
        if (value.typeId() == QMetaType::QDate) {
            run.date = value.toDate();
            return QString();
        }
        return ReadTypedSlipDate(text, QLocale(), run.date, run.time);
    case SlipField::Track:
        run.track = text;
        return QString();
    case SlipField::Note:
        run.note = text;
        return QString();
    default:
        break;
    }
    if (isNumberValue(value)) {
        run.*NumberMember(field) = value.toDouble();
        return QString();
    }
    return SetTypedNumber(run, field, text);
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
