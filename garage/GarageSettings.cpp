#include "garage/GarageSettings.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString unitsKey = QStringLiteral("units");
const QString geometryKey = QStringLiteral("window/geometry");
const QString stateKey = QStringLiteral("window/state");
const QString folderKey = QStringLiteral("files/lastFolder");
const QString recentKey = QStringLiteral("files/recent");
} // namespace

GarageSettings::GarageSettings()
    : settings(std::make_unique<QSettings>(QStringLiteral("Torvane"), QStringLiteral("Torvane Garage")))
{
}

GarageSettings::GarageSettings(const QString& iniPath)
    : settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

UnitSystem GarageSettings::Units() const
{
    return UnitSystemFromKey(settings->value(unitsKey).toString());
}

void GarageSettings::SetUnits(UnitSystem units)
{
    settings->setValue(unitsKey, UnitSystemKey(units));
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

QString GarageSettings::LastFolder() const
{
    return settings->value(folderKey).toString();
}

void GarageSettings::SetLastFolder(const QString& folder)
{
    settings->setValue(folderKey, folder);
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
