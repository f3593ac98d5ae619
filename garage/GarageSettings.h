// GarageSettings: what the garage remembers between runs: the unit system,
// the window's geometry and layout, the last folder of a file dialog and the
// recent files. Files always stay in the classic units; only the screen
// follows the unit system.
#pragma once

#include "garage/Units.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

class GarageSettings
{
public:
    static constexpr int MaxRecentFiles = 8;

    // The user's settings (organisation "Torvane", application "Torvane
    // Garage").
    GarageSettings();
    // Settings kept in an INI file of the caller's choice (tests).
    explicit GarageSettings(const QString& iniPath);

    UnitSystem Units() const;
    void SetUnits(UnitSystem units);

    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);
    QByteArray WindowState() const;
    void SetWindowState(const QByteArray& state);

    QString LastFolder() const;
    void SetLastFolder(const QString& folder);

    QStringList RecentFiles() const;
    // Puts the file first, once, and keeps at most MaxRecentFiles.
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);

    void Sync();

private:
    std::unique_ptr<QSettings> settings;
};

// The recent-files list after opening or saving `path`.
QStringList WithRecentFile(QStringList files, const QString& path, int maxFiles);
