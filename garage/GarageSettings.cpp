// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/GarageSettings.h"

#include "logbook/Logbook.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
const QString unitsKey = QStringLiteral("units");
const QString geometryKey = QStringLiteral("window/geometry");
const QString stateKey = QStringLiteral("window/state");
const QString splitterKey = QStringLiteral("window/splitters/");
const QString folderKey = QStringLiteral("files/lastFolder");
const QString logbookKey = QStringLiteral("files/logbook");
const QString recentKey = QStringLiteral("files/recent");
const QString temperatureKey = QStringLiteral("air/temperature");
const QString pressureKey = QStringLiteral("air/pressure");
const QString humidityKey = QStringLiteral("air/humidity");
const QString altimeterKey = QStringLiteral("air/altimeter");
const QString altimeterSettingKey = QStringLiteral("air/altimeterSetting");
const QString elevationKey = QStringLiteral("air/elevation");

// Why a settings file cannot be read or written; empty when it can (or does
// not exist yet). QSettings reads the file as it is made, so a named pipe
// there would block the garage before its window shows.
QString unusable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    if (info.isDir())
        return QCoreApplication::translate("GarageSettings", "a folder");
    if (!info.isFile())
        return QCoreApplication::translate("GarageSettings", "not a regular file");
    return QString();
}
} // namespace

QString UserSettingsPath()
{
    // Where QSettings keeps an application's native settings on Linux.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Torvane/torvane-garage.conf");
}

GarageSettings::GarageSettings(QObject* parent)
    : QObject(parent)
    , defaultLogbook(Logbook::DefaultPath())
{
    open(UserSettingsPath());
}

GarageSettings::GarageSettings(const QString& iniPath, QObject* parent)
    : QObject(parent)
    , defaultLogbook(QFileInfo(iniPath).dir().filePath(QStringLiteral("logbook.sqlite")))
{
    open(iniPath);
}

GarageSettings::~GarageSettings() = default;

void GarageSettings::open(const QString& path)
{
    const QString kind = unusable(path);
    if (kind.isEmpty()) {
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    } else {
        problem = QCoreApplication::translate("GarageSettings",
                                              "The settings file %1 is %2, so the garage remembers nothing "
                                              "this time.")
                      .arg(QDir::toNativeSeparators(path), kind);
        scratch = std::make_unique<QTemporaryDir>();
        settings = std::make_unique<QSettings>(scratch->filePath(QStringLiteral("garage.ini")),
                                               QSettings::IniFormat);
    }
    units = UnitSystemFromKey(settings->value(unitsKey).toString());
    readAir();
}

// The remembered air as the Conditions box shows it, which is what the cars
// run on: with an altimeter setting, the station pressure it gives at the
// elevation. Air out of range (an edited file) is the standard day, given as
// a station pressure, and says why; the file then holds that day.
void GarageSettings::readAir()
{
    AirConditions remembered{ settings->value(temperatureKey, conditions.temperature).toDouble(),
                              settings->value(pressureKey, conditions.pressure).toDouble(),
                              settings->value(humidityKey, conditions.humidity).toDouble() };
    const PressureEntry entry = PressureGiven();
    QString message;
    if (entry.altimeter) {
        message = AltimeterMessage(entry.altimeterSetting, entry.elevation);
        if (message.isEmpty())
            remembered.pressure = StationPressureFromAltimeter(entry.altimeterSetting, entry.elevation);
    }
    if (message.isEmpty())
        message = AirRangeMessage(remembered);
    if (message.isEmpty()) {
        conditions = remembered;
        return;
    }
    airProblem = QCoreApplication::translate("GarageSettings",
                                             "The day's air in the settings cannot be used: %1 The cars run on "
                                             "the standard day.")
                     .arg(message);
    PressureEntry station = entry;
    station.altimeter = false;
    SetPressureGiven(station);
    settings->setValue(temperatureKey, conditions.temperature);
    settings->setValue(pressureKey, conditions.pressure);
    settings->setValue(humidityKey, conditions.humidity);
}

void GarageSettings::SetConditions(const AirConditions& newConditions)
{
    if (conditions == newConditions)
        return;
    conditions = newConditions;
    settings->setValue(temperatureKey, conditions.temperature);
    settings->setValue(pressureKey, conditions.pressure);
    settings->setValue(humidityKey, conditions.humidity);
    emit conditionsChanged(conditions);
}

GarageSettings::PressureEntry GarageSettings::PressureGiven() const
{
    PressureEntry entry;
    entry.altimeter = settings->value(altimeterKey, false).toBool();
    entry.altimeterSetting = settings->value(altimeterSettingKey, entry.altimeterSetting).toDouble();
    entry.elevation = settings->value(elevationKey, entry.elevation).toDouble();
    return entry;
}

void GarageSettings::SetPressureGiven(const PressureEntry& entry)
{
    settings->setValue(altimeterKey, entry.altimeter);
    settings->setValue(altimeterSettingKey, entry.altimeterSetting);
    settings->setValue(elevationKey, entry.elevation);
}

void GarageSettings::SetUnits(UnitSystem newUnits)
{
    if (units == newUnits)
        return;
    units = newUnits;
    settings->setValue(unitsKey, UnitSystemKey(units));
    emit unitsChanged(units);
}

QByteArray GarageSettings::Geometry() const
{
    return settings->value(geometryKey).toByteArray();
}

void GarageSettings::SetGeometry(const QByteArray& geometry)
{
    settings->setValue(geometryKey, geometry);
}

QByteArray GarageSettings::WindowState() const
{
    return settings->value(stateKey).toByteArray();
}

void GarageSettings::SetWindowState(const QByteArray& state)
{
    settings->setValue(stateKey, state);
}

QByteArray GarageSettings::SplitterState(const QString& name) const
{
    return settings->value(splitterKey + name).toByteArray();
}

void GarageSettings::SetSplitterState(const QString& name, const QByteArray& state)
{
    settings->setValue(splitterKey + name, state);
}

QString GarageSettings::LogbookPath() const
{
    return settings->value(logbookKey, defaultLogbook).toString();
}

void GarageSettings::SetLogbookPath(const QString& path)
{
    settings->setValue(logbookKey, path);
}

// The key of a logged car's fit choice: the logbook's file (as a hash, so
// that no path turns into groups) and the car's id in it.
static QString fitChoiceSettingsKey(const QString& logbookPath, qint64 loggedCarId)
{
    const QByteArray file = QCryptographicHash::hash(logbookPath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("fitTo/%1-%2").arg(QString::fromLatin1(file)).arg(loggedCarId);
}

QString GarageSettings::FitChoiceKeyOf(const QString& logbookPath, qint64 loggedCarId) const
{
    return settings->value(fitChoiceSettingsKey(logbookPath, loggedCarId)).toString();
}

void GarageSettings::SetFitChoiceKey(const QString& logbookPath, qint64 loggedCarId, const QString& key)
{
    settings->setValue(fitChoiceSettingsKey(logbookPath, loggedCarId), key);
}

QString GarageSettings::LastFolder() const
{
    return settings->value(folderKey).toString();
}

void GarageSettings::SetLastFolder(const QString& folder)
{
    settings->setValue(folderKey, folder);
}

namespace {

// The settings key of a sheet's header line: its texts are any the user's
// sheets have, so the key is their digest.
QString importColumnsKey(const QStringList& headers)
{
    const QByteArray line = headers.join(QChar(0x1f)).toUtf8();
    return QStringLiteral("import/columns/")
           + QString::fromLatin1(QCryptographicHash::hash(line, QCryptographicHash::Sha1).toHex());
}

} // namespace

QHash<QString, QString> GarageSettings::ImportColumns(const QStringList& headers) const
{
    // Kept as a list of header, key, header, key, ...
    const QStringList pairs = settings->value(importColumnsKey(headers)).toStringList();
    QHash<QString, QString> columns;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        columns.insert(pairs[i], pairs[i + 1]);
    return columns;
}

void GarageSettings::SetImportColumns(const QStringList& headers, const QHash<QString, QString>& columns)
{
    QStringList pairs;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        pairs << it.key() << it.value();
    settings->setValue(importColumnsKey(headers), pairs);
}

QStringList GarageSettings::RecentFiles() const
{
    return settings->value(recentKey).toStringList();
}

void GarageSettings::AddRecentFile(const QString& path)
{
    settings->setValue(recentKey, WithRecentFile(RecentFiles(), path, MaxRecentFiles));
}

void GarageSettings::RemoveRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    settings->setValue(recentKey, files);
}

void GarageSettings::Sync()
{
    settings->sync();
}

QStringList WithRecentFile(QStringList files, const QString& path, int maxFiles)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > maxFiles)
        files.removeLast();
    return files;
}
