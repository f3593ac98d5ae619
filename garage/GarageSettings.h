// SPDX-License-Identifier: GPL-3.0-or-later
// GarageSettings: what the garage remembers between runs, and the unit
// system every view shows its numbers in. The unit system is a property with
// a change signal: the views listen to it instead of being handed the units.
// Also kept: the window's geometry and splitters, the last folder of a file
// dialog and the recent files. A settings file that cannot be used (a folder
// or a named pipe in its place) is never read; the garage then remembers
// nothing this time and says why.
#pragma once

#include "core/Air.h"
#include "garage/Units.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

class GarageSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(UnitSystem units READ Units WRITE SetUnits NOTIFY unitsChanged)

public:
    static constexpr int MaxRecentFiles = 8;

    // The user's settings (organisation "Torvane", application
    // "torvane-garage").
    explicit GarageSettings(QObject* parent = nullptr);
    // Settings kept in an INI file of the caller's choice (tests).
    explicit GarageSettings(const QString& iniPath, QObject* parent = nullptr);
    ~GarageSettings() override;

    // Why the settings file could not be used; empty when it could.
    QString Problem() const { return problem; }
    // Why the day's air the file held was set aside for the standard day (a
    // value out of range: an edited file); empty when it was used.
    QString AirProblem() const { return airProblem; }

    UnitSystem Units() const { return units; }
    void SetUnits(UnitSystem units);

    // The day's air every car runs in (the standard day until set), and how
    // the pressure was given: the station's own, or an altimeter setting
    // and the track's elevation. The two always agree: remembered air with
    // an altimeter setting has the station pressure that setting and the
    // elevation give, and remembered air out of range, with the pressure so
    // given or not, is the standard day given as a station pressure.
    AirConditions Conditions() const { return conditions; }
    void SetConditions(const AirConditions& conditions);
    struct PressureEntry {
        bool altimeter = false;
        double altimeterSetting = 29.92; // inHg
        double elevation = 0;            // ft
    };
    PressureEntry PressureGiven() const;
    void SetPressureGiven(const PressureEntry& entry);

    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);
    QByteArray WindowState() const;
    void SetWindowState(const QByteArray& state);
    // A splitter's sizes, by the splitter's object name.
    QByteArray SplitterState(const QString& name) const;
    void SetSplitterState(const QString& name, const QByteArray& state);

    // The logbook the garage opens: the one last opened, or by default
    // logbook.sqlite in the program's data folder (beside the INI file for
    // settings of the caller's choice).
    QString LogbookPath() const;
    void SetLogbookPath(const QString& path);

    // The runs a logged car's fit takes (logbook/Calibration.h's FitChoiceKey),
    // kept by the logbook's file and the car's id in it; empty when never
    // chosen.
    QString FitChoiceKeyOf(const QString& logbookPath, qint64 loggedCarId) const;
    void SetFitChoiceKey(const QString& logbookPath, qint64 loggedCarId, const QString& key);

    QString LastFolder() const;
    void SetLastFolder(const QString& folder);

    // What the user said the unknown columns of an imported sheet hold, by
    // the sheet's whole header line (the same headers in the same order):
    // the header's text to a column key (SlipColumnKey; "" to ignore it).
    // Empty when nothing is remembered for that header line.
    QHash<QString, QString> ImportColumns(const QStringList& headers) const;
    void SetImportColumns(const QStringList& headers, const QHash<QString, QString>& columns);

    QStringList RecentFiles() const;
    // Puts the file first, once, and keeps at most MaxRecentFiles.
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);

    void Sync();

signals:
    void unitsChanged(UnitSystem units);
    void conditionsChanged(const AirConditions& conditions);

private:
    void open(const QString& path);
    void readAir();

    std::unique_ptr<QTemporaryDir> scratch;
    std::unique_ptr<QSettings> settings;
    QString problem;
    QString airProblem;
    QString defaultLogbook;
    UnitSystem units = UnitSystem::Imperial;
    AirConditions conditions;
};

// The recent-files list after opening or saving `path`.
QStringList WithRecentFile(QStringList files, const QString& path, int maxFiles);
// Where the user's settings file lies.
QString UserSettingsPath();
