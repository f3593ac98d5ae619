// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "widgets/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void standIns_data();
    void standIns();
    void pointSizes();
    void unknownFaceIsKept();
};

void TestFonts::standIns_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("fixedPitch");
    QTest::addColumn<bool>("heavy");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans" << false << false;
    QTest::newRow("Arial") << "Arial" << "Liberation Sans" << false << false;
    QTest::newRow("Arial Black") << "Arial Black" << "DejaVu Sans" << false << true;
    QTest::newRow("Courier") << "Courier" << "Nimbus Mono PS" << true << false;
    QTest::newRow("Martina") << "Martina" << "Z003" << false << false;
    QTest::newRow("Notram") << "Notram" << "URW Bookman" << false << false;
    QTest::newRow("Book Antiqua") << "Book Antiqua" << "P052" << false << false;
}

void TestFonts::standIns()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    QFETCH(bool, fixedPitch);
    QFETCH(bool, heavy);
    if (!QFontDatabase::hasFamily(family))
        QSKIP(qPrintable(family + QStringLiteral(" is not installed (scripts/install-deps.sh installs it)")));
    QCOMPARE(FamilyFor(face), family);
    // The font really drawn is the stand-in, not a fontconfig substitute.
    const QFontInfo info(PixelFont(face, 19));
    QVERIFY2(info.family().startsWith(family), qPrintable(info.family()));
    QCOMPARE(info.pixelSize(), 19);
    QCOMPARE(info.fixedPitch(), fixedPitch);
    QCOMPARE(info.weight() >= QFont::Bold, heavy);
    QVERIFY(QFontInfo(PixelFont(face, 19, true)).weight() >= QFont::Bold);
}

void TestFonts::pointSizes()
{
    const QFont report = PointFont(QStringLiteral("Courier"), 12, true);
    QCOMPARE(report.pointSizeF(), 12.0);
    QCOMPARE(report.pixelSize(), -1);
    QVERIFY(report.bold());
    const QFont window = WindowFont();
    QCOMPARE(window.pixelSize(), 11);
    QCOMPARE(window.family(), FamilyFor(QStringLiteral("MS Sans Serif")));
}

void TestFonts::unknownFaceIsKept()
{
    QCOMPARE(FamilyFor(QStringLiteral("Some Face")), QStringLiteral("Some Face"));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
