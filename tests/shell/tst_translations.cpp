// SPDX-License-Identifier: GPL-3.0-or-later
// The classic program in German: run under LANG=de_DE.UTF-8 (set by CTest),
// it loads its German catalogue and Qt's own, and every text its windows
// show differs from the English one, apart from a few that are the same in
// both languages. The numbers keep their fixed formats in the windows; the
// core's messages write their own numbers as the locale does.
#include "ProgramFixture.h"
#include "TestSupport.h"
#include "WindowWalk.h"
#include "core/InputChecks.h"
#include "core/Translations.h"
#include "core/VehicleFile.h"
#include "widgets/Hints.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {

const QString buildTranslations = QStringLiteral(TORVANE_TRANSLATIONS_DIR);

// Every text a window shows the user, under a key that names where it is:
// the window's title, the texts, tooltips and hints of its controls, the
// menus, the boxes' contents and accessible names. A text is kept as its
// lines, since a translation may break them elsewhere.
using Texts = QMap<QString, QStringList>;

Texts VisibleTexts(QWidget* window)
{
    Texts texts;
    const QList<QWidget*> widgets = WidgetsOf(window);
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget* widget = widgets[i];
        const QString where = window->objectName() + QLatin1Char('/')
                              + (widget->objectName().isEmpty() ? QString::number(i) : widget->objectName());
        auto add = [&](const QString& what, const QString& text) {
            texts.insert(where + QLatin1Char(' ') + what, text.split(QLatin1Char('\n')));
        };
        if (widget->isWindow())
            add(QStringLiteral("title"), widget->windowTitle());
        add(QStringLiteral("tooltip"), widget->toolTip());
        add(QStringLiteral("hint"), HintOf(widget));
        add(QStringLiteral("accessible name"), widget->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(QStringLiteral("title"), group->title());
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            add(QStringLiteral("text"), box->text());
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
            add(QStringLiteral("text"), memo->toPlainText());
        // The menus of the menu bar; the menu bar's own overflow menu (which
        // has no name) repeats their titles.
        if (qobject_cast<QMenuBar*>(widget)
            || (qobject_cast<QMenu*>(widget) && !widget->objectName().isEmpty())) {
            const QList<QAction*> actions = widget->actions();
            for (qsizetype a = 0; a < actions.size(); ++a)
                add(QStringLiteral("action %1").arg(a), actions[a]->text());
        }
    }
    return texts;
}

Texts ProgramTexts()
{
    Texts texts;
    StartProgram();
    for (QWidget* window : TheProgram()->Windows())
        texts.insert(VisibleTexts(window));
    EndProgram();
    return texts;
}

// Texts that read the same in German: names, numbers, rules, paths and the
// alert's design-time caption, which every message replaces.
bool SameInBothLanguages(const QString& text)
{
    static const QStringList names = { QStringLiteral("OK"), QStringLiteral("Torvane"),
                                       QStringLiteral("Route 66"), QStringLiteral("Label1") };
    static const QRegularExpression numbersAndRules(QStringLiteral("^[-=0-9.,:%\\s]*$"));
    const QString trimmed = text.trimmed();
    return names.contains(trimmed) || numbersAndRules.match(trimmed).hasMatch()
           || trimmed.startsWith(QLatin1Char('/'));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void loadsTheGermanCatalogueAndQtsOwn();
    void everyVisibleTextIsTranslated();
    void numbersInMessages();
    void translationFile_data();
    void translationFile();
    void foldersInstalledAndInTheBuildTree();

private:
    Texts english;
    InstalledTranslations installed;
};

void TestTranslations::initTestCase()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    // The English texts first, with no catalogue loaded.
    english = ProgramTexts();
    installed = InstallTranslations(QLocale::system(), { buildTranslations });
}

void TestTranslations::cleanup()
{
    EndProgram();
    QCOMPARE(OpenWindows(), QStringList());
}

void TestTranslations::loadsTheGermanCatalogueAndQtsOwn()
{
    QCOMPARE(installed.programFile, buildTranslations + QStringLiteral("/torvane_de.qm"));
    QVERIFY2(installed.qtFile.endsWith(QStringLiteral("/qtbase_de.qm")), qPrintable(installed.qtFile));
    // Qt's own texts are German too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestTranslations::everyVisibleTextIsTranslated()
{
    const Texts german = ProgramTexts();
    QStringList onlyOne;
    for (const QString& key : german.keys())
        if (!english.contains(key))
            onlyOne << QStringLiteral("only in German: ") + key;
    for (const QString& key : english.keys())
        if (!german.contains(key))
            onlyOne << QStringLiteral("only in English: ") + key;
    QVERIFY2(onlyOne.isEmpty(), qPrintable(onlyOne.join(QLatin1Char('\n'))));
    QStringList untranslated;
    for (auto it = german.cbegin(); it != german.cend(); ++it)
        for (const QString& line : it.value())
            if (english.value(it.key()).contains(line) && !SameInBothLanguages(line))
                untranslated << it.key() + QStringLiteral(": ") + line;
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

// The range messages keep their fixed "%6.2f" bounds, as the windows show
// them; a number whose format is ours follows the locale.
void TestTranslations::numbersInMessages()
{
    CarInputs car = CarInputs::DefaultCar();
    car.horsepower = 50;
    QCOMPARE(RangeMessage(car), QStringLiteral("Die Leistung muss zwischen 100.00 und 1500.00 liegen"));
    const QByteArray tooFar = QByteArray(VehicleFile::MaxScannedBytes - 2, ' ') + "2.75 0.29";
    QVERIFY2(VehicleFile::Decode(tooFar, QStringLiteral("far.trv")).error.contains(QStringLiteral("1.048.576")),
             qPrintable(VehicleFile::Decode(tooFar, QStringLiteral("far.trv")).error));
}

// English, the language the texts are written in, ends the search: a user
// who prefers English to German sees English.
void TestTranslations::translationFile_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("file");
    const QString german = buildTranslations + QStringLiteral("/torvane_de.qm");
    QTest::newRow("German") << QStringList{ "de-DE", "de" } << german;
    QTest::newRow("Austrian German") << QStringList{ "de-AT" } << german;
    QTest::newRow("French, then German") << QStringList{ "fr-FR", "fr", "de" } << german;
    QTest::newRow("English, then German") << QStringList{ "en-GB", "de-DE" } << QString();
    QTest::newRow("C") << QStringList{ "C" } << QString();
    QTest::newRow("none") << QStringList{ "fr-FR" } << QString();
}

void TestTranslations::translationFile()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, file);
    QCOMPARE(TranslationFile(QStringLiteral("torvane"), languages, buildTranslations), file);
}

void TestTranslations::foldersInstalledAndInTheBuildTree()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    QCOMPARE(TranslationFolders(),
             (QStringList{ QDir::cleanPath(programDir.filePath(QStringLiteral("../share/torvane/translations"))),
                           programDir.filePath(QStringLiteral("translations")),
                           QDir::cleanPath(programDir.filePath(QStringLiteral("../translations"))) }));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
