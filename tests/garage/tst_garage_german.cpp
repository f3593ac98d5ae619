// SPDX-License-Identifier: GPL-3.0-or-later
// The garage in German: with the German catalogue the build makes, the
// window starts, its tabs, menus and buttons read German, no text it shows
// is left in English, and on each tab every mnemonic still leads to one
// place.
#include "GarageFixture.h"
#include "MnemonicSupport.h"


#include "core/Translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

namespace {

// The build tree's catalogues: this test runs in tests/garage below the
// build tree's top, beside which the translations folder is made.
QString buildTranslations()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../../translations"));
}

// Every text the window shows, under a key that names where it is: titles,
// labels, buttons, tooltips, accessible names, the tabs, menus, boxes' items
// and placeholders, the tables' headings and the charts' titles. Each tab
// is opened first, since a page is made when it is first shown.
using Texts = QMap<QString, QStringList>;

Texts windowTexts(GarageWindow* window)
{
    for (int tab = window->Tabs()->count() - 1; tab >= 0; --tab)
        window->Tabs()->setCurrentIndex(tab);
    Texts texts;
    QList<QWidget*> widgets{ window };
    widgets << window->findChildren<QWidget*>();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget* widget = widgets[i];
        const QString where = (widget->objectName().isEmpty() ? QString::number(i) : widget->objectName())
                              + QLatin1Char(' ') + QLatin1String(widget->metaObject()->className());
        auto add = [&](const QString& what, const QString& text) {
            if (!text.isEmpty())
                texts[where + QLatin1Char(' ') + what] << text.split(QLatin1Char('\n'));
        };
        if (widget->isWindow())
            add(QStringLiteral("title"), widget->windowTitle());
        add(QStringLiteral("tooltip"), widget->toolTip());
        add(QStringLiteral("accessible name"), widget->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(QStringLiteral("title"), group->title());
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            add(QStringLiteral("placeholder"), box->placeholderText());
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            add(QStringLiteral("special value"), spin->specialValueText());
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            add(QStringLiteral("placeholder"), box->placeholderText());
            for (int item = 0; item < box->count(); ++item)
                add(QStringLiteral("item"), box->itemText(item));
        }
        if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                add(QStringLiteral("tab"), tabs->tabText(tab));
        if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget))
            for (QAction* action : widget->actions()) {
                add(QStringLiteral("action"), action->text());
                add(QStringLiteral("status tip"), action->statusTip());
            }
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column)
                add(QStringLiteral("heading"), model->headerData(column, Qt::Horizontal).toString());
        }
        if (auto* chartView = qobject_cast<QChartView*>(widget)) {
            add(QStringLiteral("chart"), chartView->chart()->title());
            for (QAbstractAxis* axis : chartView->chart()->axes())
                add(QStringLiteral("axis"), axis->titleText());
        }
    }
    return texts;
}

// Texts that read the same in German: names, units, numbers and signs.
bool sameInBothLanguages(const QString& text)
{
    static const QStringList same = {
        QStringLiteral("Torvane Garage"), QStringLiteral("&Name:"), QStringLiteral("Grill"),
        QStringLiteral("&Imperial (mph, lb, hp, ft²)"), QStringLiteral("0-60 mph in"),
    };
    static const QRegularExpression units(
        QStringLiteral("(?<!\\p{L})(mph|km/h|ft|m|hp|kW|lb|kg|s|N|°F|°C|inHg|hPa|px)(?!\\p{L})"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    const QString trimmed = text.trimmed();
    return same.contains(trimmed) || !QString(trimmed).remove(units).contains(letter);
}

} // namespace

class TestGarageGerman : public QObject, protected GarageFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The English texts first, before any catalogue is loaded.
        StartGarage(Shown::Yes);
        englishTexts = windowTexts(window);
        EndGarage();
        installed = InstallTranslations(QLocale(QLocale::German, QLocale::Germany), { buildTranslations() });
        QVERIFY2(!installed.programFile.isEmpty(),
                 qPrintable(QStringLiteral("no torvane_de.qm in %1 (build the target torvane_translations)")
                                .arg(buildTranslations())));
    }

    void init() { StartGarage(Shown::Yes); }
    void cleanup() { EndGarage(); }

    void textsComeOutGerman_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("german");
        QTest::newRow("Compare tab") << "tab 0" << "&Vergleich";
        QTest::newRow("What if tab") << "tab 1" << "&Was wäre, wenn";
        QTest::newRow("Sensitivity tab") << "tab 2" << "&Empfindlichkeit";
        QTest::newRow("Logbook tab") << "tab 3" << "L&ogbuch";
        QTest::newRow("File menu") << "menu 0" << "&Datei";
        QTest::newRow("Open Logbook") << "openLogbookAction" << "&Logbuch öffnen…";
        QTest::newRow("horsepower label") << "label horsepower" << "&Leistung:";
        QTest::newRow("add a run") << "addRunButton" << "Lauf h&inzufügen";
        QTest::newRow("calibrate") << "calibrateButton" << "Kalib&rieren";
    }
    void textsComeOutGerman()
    {
        QFETCH(QString, where);
        QFETCH(QString, german);
        window->Tabs()->setCurrentIndex(3);
        QString text;
        if (where.startsWith(QLatin1String("tab ")))
            text = window->Tabs()->tabText(where.mid(4).toInt());
        else if (where.startsWith(QLatin1String("menu ")))
            text = window->menuBar()->actions().at(where.mid(5).toInt())->text();
        else if (where.startsWith(QLatin1String("label ")))
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->buddy() && label->buddy()->objectName() == where.mid(6))
                    text = label->text();
        if (auto* action = window->findChild<QAction*>(where))
            text = action->text();
        if (auto* button = window->findChild<QAbstractButton*>(where))
            text = button->text();
        QCOMPARE(text, german);
    }

    // Each text the window shows differs from its English one, but for
    // names, units and numbers.
    void noTextIsLeftInEnglish()
    {
        const Texts german = windowTexts(window);
        QCOMPARE(german.keys(), englishTexts.keys());
        QStringList untranslated;
        for (auto it = german.cbegin(); it != german.cend(); ++it)
            for (const QString& line : it.value())
                if (englishTexts.value(it.key()).contains(line) && !sameInBothLanguages(line))
                    untranslated << it.key() + QStringLiteral(": ") + line;
        for (const QString& text : untranslated)
            qWarning("in English: %s", qPrintable(text));
        QCOMPARE(untranslated.size(), 0);
    }

    void everyMnemonicLeadsToOnePlace_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("Compare") << 0;
        QTest::newRow("What if") << 1;
        QTest::newRow("Sensitivity") << 2;
        QTest::newRow("Logbook") << 3;
    }
    void everyMnemonicLeadsToOnePlace()
    {
        QFETCH(int, tab);
        window->Tabs()->setCurrentIndex(tab);
        const QMultiHash<QChar, QString> places = VisibleMnemonics(window);
        const QStringList clashes = MnemonicClashes(places);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
        // The menus keep the letters German programs give them.
        for (const char* menu : { "&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe" })
            QVERIFY(places.values(MnemonicOf(QString::fromUtf8(menu))).contains(QString::fromUtf8(menu)));
    }

    void eachMenuHasItsOwnLetters()
    {
        const QStringList clashes = MenuMnemonicClashes(window);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }

private:
    Texts englishTexts;
    InstalledTranslations installed;
};

QTEST_MAIN(TestGarageGerman)
#include "tst_garage_german.moc"
