// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ProgressGauge.h"

#include <QPolygon>
#include <QtTest>

#include <algorithm>
#include <initializer_list>

namespace {

const QColor kFore(192, 255, 192);
const QColor kBack(160, 160, 160);
const QColor kWindow(20, 40, 200);
const QRgb kBlack = qRgb(0, 0, 0);

QRgb inverse(const QColor &c)
{
    return qRgb(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

// Counts the paint events, so a test can tell a synchronous repaint from
// none at all.
class CountingGauge : public TCGauge
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TCGauge::paintEvent(event);
    }
};

// Offscreen, a hidden widget's repaint() draws nothing: show the gauge and
// let its first paints pass before counting.
bool showAndSettle(CountingGauge &gauge)
{
    gauge.show();
    const bool exposed = QTest::qWaitForWindowExposed(&gauge);
    QCoreApplication::processEvents();
    gauge.paints = 0;
    return exposed;
}

// The print dialog's gauge: 197 x 21, single border, range 0..6.
void setUpPrintGauge(TCGauge &gauge)
{
    gauge.resize(197, 21);
    gauge.SetForeColor(kFore);
    gauge.SetBackColor(kBack);
    gauge.SetMaxValue(6);
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    gauge.setFont(font);
}

void setUpRoundGauge(TCGauge &gauge, TCGauge::TCGaugeKind kind, int width, int height)
{
    gauge.resize(width, height);
    gauge.SetKind(kind);
    gauge.SetShowText(false);
    gauge.SetForeColor(kFore);
    gauge.SetBackColor(kBack);
    QPalette palette = gauge.palette();
    palette.setColor(QPalette::Window, kWindow);
    gauge.setPalette(palette);
}

bool anyPixel(const QImage &image, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

int pixelsOutside(const QImage &image, std::initializer_list<QRgb> allowed)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::find(allowed.begin(), allowed.end(), image.pixel(x, y)) == allowed.end())
                ++count;
    return count;
}

} // namespace

class TestProgressGauge : public QObject
{
    Q_OBJECT

private slots:
    void percentOfRange_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("expected");
        QTest::newRow("3 of 6") << 3 << 6 << 50;
        QTest::newRow("4 of 6 floors to 66") << 4 << 6 << 66;
        QTest::newRow("5 of 6") << 5 << 6 << 83;
        QTest::newRow("6 of 6") << 6 << 6 << 100;
        QTest::newRow("whole 0") << 5 << 0 << 0;
        QTest::newRow("negative part floors down") << -1 << 6 << -17;
        QTest::newRow("negative whole floors down") << 1 << -3 << -34;
    }
    void percentOfRange()
    {
        QFETCH(int, part);
        QFETCH(int, whole);
        QFETCH(int, expected);
        QCOMPARE(PercentOfRange(part, whole), expected);
    }

    void shareOfLength_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("expected");
        QTest::newRow("50% of 196") << 50 << 196 << 98;
        QTest::newRow("66% of 196") << 66 << 196 << 129;
        QTest::newRow("100% of 196") << 100 << 196 << 196;
        QTest::newRow("33% of 3 floors to 0") << 33 << 3 << 0;
        QTest::newRow("negative floors down") << -1 << 50 << -1;
    }
    void shareOfLength()
    {
        QFETCH(int, percent);
        QFETCH(int, length);
        QFETCH(int, expected);
        QCOMPARE(ShareOfLength(percent, length), expected);
    }

    void defaults()
    {
        TCGauge gauge;
        QCOMPARE(gauge.Kind(), TCGauge::gkHorizontalBar);
        QCOMPARE(int(gauge.Kind()), 1);
        QVERIFY(gauge.ShowText());
        QCOMPARE(gauge.BorderStyle(), TCGauge::bsSingle);
        QCOMPARE(gauge.ForeColor(), QColor(Qt::black));
        QCOMPARE(gauge.BackColor(), QColor(Qt::white));
        QCOMPARE(gauge.MinValue(), 0);
        QCOMPARE(gauge.MaxValue(), 100);
        QCOMPARE(gauge.Progress(), 0);
        QCOMPARE(gauge.size(), QSize(100, 100));
    }

    void propertiesGoThroughTheSetters()
    {
        TCGauge gauge;
        QVERIFY(gauge.setProperty("MaxValue", 6));
        QVERIFY(gauge.setProperty("Progress", 9));
        QCOMPARE(gauge.property("Progress").toInt(), 6);
        gauge.SetProgress(4);
        QCOMPARE(gauge.property("PercentDone").toInt(), 66);
        QVERIFY(!gauge.setProperty("PercentDone", 10));
        QVERIFY(gauge.setProperty("Kind", QVariant::fromValue(TCGauge::gkNeedle)));
        QCOMPARE(gauge.Kind(), TCGauge::gkNeedle);
    }

    void setProgressClamps_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("above the maximum") << 7 << 6;
        QTest::newRow("below the minimum") << -1 << 0;
        QTest::newRow("inside the range") << 4 << 4;
    }
    void setProgressClamps()
    {
        QFETCH(int, value);
        QFETCH(int, stored);
        TCGauge gauge;
        gauge.SetMaxValue(6);
        gauge.SetProgress(3);
        gauge.SetProgress(value);
        QCOMPARE(gauge.Progress(), stored);
    }

    void repaintsAtOnceOnlyWhenThePercentageChanges()
    {
        CountingGauge gauge;
        gauge.SetMaxValue(1000);
        QVERIFY(showAndSettle(gauge));

        gauge.SetProgress(0);
        QCOMPARE(gauge.paints, 0);
        gauge.SetProgress(1);
        gauge.SetProgress(2);
        QCOMPARE(gauge.Progress(), 2);
        QCOMPARE(gauge.PercentDone(), 0);
        QCOMPARE(gauge.paints, 0);
        // Counted without running the event loop: the repaint is synchronous.
        gauge.SetProgress(10);
        QCOMPARE(gauge.paints, 1);
    }

    void refreshRules()
    {
        CountingGauge gauge;
        QVERIFY(showAndSettle(gauge));

        gauge.SetKind(TCGauge::gkHorizontalBar);
        gauge.SetShowText(true);
        gauge.SetMinValue(0);
        QCOMPARE(gauge.paints, 0);
        gauge.SetMaxValue(100); // an equal maximum is stored and drawn again
        QCOMPARE(gauge.paints, 1);
        gauge.AddProgress(0); // refreshes even though nothing moved
        QCOMPARE(gauge.paints, 2);
        gauge.SetKind(TCGauge::gkPie);
        QCOMPARE(gauge.paints, 3);
        gauge.AddProgress(5);
        QCOMPARE(gauge.Progress(), 5);
    }

    void setMaxValueZeroIsIgnored()
    {
        TCGauge gauge;
        gauge.SetProgress(40);
        gauge.SetMaxValue(0);
        QCOMPARE(gauge.MaxValue(), 100);
        QCOMPARE(gauge.Progress(), 40);
    }

    void minimumAboveMaximumIsRefused()
    {
        TCGauge gauge;
        gauge.SetProgress(10);
        QCOMPARE(gauge.TrySetMinValue(200),
                 QStringLiteral("Value must be between -2147483647 and 99"));
        QCOMPARE(gauge.MinValue(), 0);
        QCOMPARE(gauge.MaxValue(), 100);
        QCOMPARE(gauge.Progress(), 10);
    }

    void maximumBelowMinimumIsRefused()
    {
        TCGauge gauge;
        gauge.SetMinValue(10);
        QCOMPARE(gauge.TrySetMaxValue(5),
                 QStringLiteral("Value must be between 11 and 2147483647"));
        QCOMPARE(gauge.MinValue(), 10);
        QCOMPARE(gauge.MaxValue(), 100);
    }

    void narrowingTheRangeMovesProgress()
    {
        TCGauge gauge;
        gauge.SetProgress(80);
        gauge.SetMaxValue(50);
        QCOMPARE(gauge.Progress(), 50);
        gauge.SetProgress(10);
        gauge.SetMinValue(30);
        QCOMPARE(gauge.Progress(), 30);
    }

    void zeroWidthRangeIsZeroPercent()
    {
        TCGauge gauge;
        gauge.SetMinValue(100);
        QCOMPARE(gauge.Progress(), 100);
        QCOMPARE(gauge.PercentDone(), 0);
    }

    void singleBorderIsBlackFrame()
    {
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetProgress(3);
        const QImage image = gauge.renderToImage();
        for (int x = 0; x < 197; ++x) {
            QCOMPARE(image.pixel(x, 0), kBlack);
            QCOMPARE(image.pixel(x, 20), kBlack);
        }
        for (int y = 0; y < 21; ++y) {
            QCOMPARE(image.pixel(0, y), kBlack);
            QCOMPARE(image.pixel(196, y), kBlack);
        }
    }

    void noBorderHasNoFrame()
    {
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetShowText(false);
        gauge.SetBorderStyle(TCGauge::bsNone);
        const QImage image = gauge.renderToImage();
        QCOMPARE(pixelsOutside(image, {kBack.rgb()}), 0);
    }

    void horizontalBar_data()
    {
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("lastBarColumn"); // 0: no bar
        QTest::newRow("0 percent") << 0 << 0;
        QTest::newRow("50 percent") << 3 << 97;
        QTest::newRow("66 percent") << 4 << 128;
        QTest::newRow("100 percent") << 6 << 195;
    }
    void horizontalBar()
    {
        QFETCH(int, progress);
        QFETCH(int, lastBarColumn);
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetShowText(false);
        gauge.SetProgress(progress);
        const QImage image = gauge.renderToImage();
        for (int y = 1; y <= 19; ++y) {
            for (int x = 1; x <= 195; ++x)
                QCOMPARE(image.pixel(x, y), x <= lastBarColumn ? kFore.rgb() : kBack.rgb());
        }
    }

    void verticalBarFull_data()
    {
        QTest::addColumn<TCGauge::TBorderStyle>("border");
        QTest::addColumn<QRect>("barArea");
        QTest::addColumn<QRect>("backArea");
        QTest::newRow("single border") << TCGauge::bsSingle << QRect(1, 1, 195, 19) << QRect();
        QTest::newRow("no border") << TCGauge::bsNone << QRect(0, 1, 197, 20) << QRect(0, 0, 197, 1);
    }
    void verticalBarFull()
    {
        QFETCH(TCGauge::TBorderStyle, border);
        QFETCH(QRect, barArea);
        QFETCH(QRect, backArea);
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetShowText(false);
        gauge.SetKind(TCGauge::gkVerticalBar);
        gauge.SetBorderStyle(border);
        gauge.SetProgress(6);
        const QImage image = gauge.renderToImage();
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 197; ++x) {
                if (barArea.contains(x, y))
                    QCOMPARE(image.pixel(x, y), kFore.rgb());
                else if (backArea.contains(x, y))
                    QCOMPARE(image.pixel(x, y), kBack.rgb());
                else
                    QCOMPARE(image.pixel(x, y), kBlack);
            }
        }
    }

    void textKindFillsWithBackColour()
    {
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetKind(TCGauge::gkText);
        gauge.SetShowText(false);
        gauge.SetProgress(6);
        const QImage image = gauge.renderToImage();
        QCOMPARE(image.pixel(1, 1), kBack.rgb());
        QCOMPARE(pixelsOutside(image, {kBack.rgb(), kBlack}), 0);
    }

    void textOnlyWhenShown()
    {
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetProgress(3);
        QVERIFY(pixelsOutside(gauge.renderToImage(), {kFore.rgb(), kBack.rgb(), kBlack}) > 0);
        gauge.SetShowText(false);
        QCOMPARE(pixelsOutside(gauge.renderToImage(), {kFore.rgb(), kBack.rgb(), kBlack}), 0);
    }

    void textIsTheInverseOfWhatLiesBeneath()
    {
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetProgress(3); // "50%" straddles the bar's end at x = 97
        const QImage image = gauge.renderToImage();
        const QRgb overBar = qRgb(63, 0, 63);
        QCOMPARE(inverse(kFore), overBar);
        const QRect barSide(1, 1, 97, 19);
        const QRect backSide(98, 1, 98, 19);
        QVERIFY(anyPixel(image, barSide, overBar));
        QVERIFY(anyPixel(image, backSide, inverse(kBack)));
        QVERIFY(!anyPixel(image, backSide, overBar));
        QVERIFY(!anyPixel(image, barSide, inverse(kBack)));
        QCOMPARE(pixelsOutside(image, {kFore.rgb(), kBack.rgb(), kBlack, overBar, inverse(kBack)}), 0);
    }

    void pie_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QPolygon>("forePoints");
        QTest::addColumn<QPolygon>("backPoints");
        const QPoint upperRight(75, 25), lowerRight(75, 75), lowerLeft(25, 75), upperLeft(25, 25);
        QTest::newRow("0 percent") << 0 << QPolygon()
                                   << QPolygon({upperRight, lowerRight, lowerLeft, upperLeft});
        QTest::newRow("25 percent") << 25 << QPolygon({upperRight})
                                    << QPolygon({lowerRight, lowerLeft, upperLeft});
        QTest::newRow("50 percent") << 50 << QPolygon({upperRight, lowerRight})
                                    << QPolygon({lowerLeft, upperLeft});
        QTest::newRow("75 percent") << 75 << QPolygon({upperRight, lowerRight, lowerLeft})
                                    << QPolygon({upperLeft});
        QTest::newRow("100 percent")
            << 100 << QPolygon({upperRight, lowerRight, lowerLeft, upperLeft}) << QPolygon();
    }
    void pie()
    {
        QFETCH(int, percent);
        QFETCH(QPolygon, forePoints);
        QFETCH(QPolygon, backPoints);
        TCGauge gauge;
        setUpRoundGauge(gauge, TCGauge::gkPie, 101, 101);
        gauge.SetProgress(percent);
        const QImage image = gauge.renderToImage();
        for (const QPoint &p : forePoints)
            QCOMPARE(image.pixel(p), kFore.rgb());
        for (const QPoint &p : backPoints)
            QCOMPARE(image.pixel(p), kBack.rgb());
        // The corners of the paint area lie outside the disc.
        QCOMPARE(image.pixel(2, 2), kWindow.rgb());
        QCOMPARE(image.pixel(98, 98), kWindow.rgb());
    }

    void needle_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QRect>("needleArea");
        QTest::addColumn<QRect>("clearArea");
        QTest::newRow("0 percent: none") << 0 << QRect() << QRect(30, 20, 41, 25);
        QTest::newRow("50 percent: straight up") << 50 << QRect(48, 15, 4, 20) << QRect(55, 20, 25, 25);
        QTest::newRow("100 percent: right") << 100 << QRect(70, 46, 10, 4) << QRect(40, 20, 21, 25);
    }
    void needle()
    {
        QFETCH(int, percent);
        QFETCH(QRect, needleArea);
        QFETCH(QRect, clearArea);
        TCGauge gauge;
        setUpRoundGauge(gauge, TCGauge::gkNeedle, 101, 51);
        gauge.SetProgress(percent);
        const QImage image = gauge.renderToImage();
        if (!needleArea.isNull())
            QVERIFY(anyPixel(image, needleArea, kFore.rgb()));
        QVERIFY(!anyPixel(image, clearArea, kFore.rgb()));
        QVERIFY(anyPixel(image, clearArea, kBack.rgb()));
        // Above the dial's shoulders lies the control's own colour.
        QCOMPARE(image.pixel(2, 2), kWindow.rgb());
        QCOMPARE(image.pixel(98, 2), kWindow.rgb());
    }

    void widgetShowsTheRenderedPicture()
    {
        TCGauge gauge;
        setUpPrintGauge(gauge);
        gauge.SetProgress(4);
        const QImage shown = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, gauge.renderToImage());
    }
};

QTEST_MAIN(TestProgressGauge)
#include "tst_progressgauge.moc"
