// SPDX-License-Identifier: GPL-3.0-or-later
// The progress gauge that the input and print dialogs show while a run or
// a print job is working.
//
// In: MinValue, MaxValue and Progress (the dialogs only ever set Progress),
// plus the look (Kind, ShowText, BorderStyle, ForeColor, BackColor, font and
// the palette's Window colour). Out: pixels. A change of the shown percentage
// repaints the gauge at once, inside the call that made it, because the
// callers move the gauge from long computations on the user-interface thread
// where a deferred update would only show at the end.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// Floor of part * 100 / whole, computed in floating point; 0 when whole is 0.
int PercentOfRange(int part, int whole);
// Floor of percent * 0.01 * length, computed in floating point.
int ShareOfLength(int percent, int length);

// The refusal of a minimum or maximum that would leave an empty range:
// "Value must be between <low> and <high>".
QString GaugeRangeError(long long low, long long high);

class TCGauge : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TCGaugeKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(bool ShowText READ ShowText WRITE SetShowText)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Progress READ Progress WRITE SetProgress)
    Q_PROPERTY(int PercentDone READ PercentDone)

public:
    enum TCGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
    Q_ENUM(TCGaugeKind)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    explicit TCGauge(QWidget *parent = nullptr);

    TCGaugeKind Kind() const { return kind; }
    bool ShowText() const { return showText; }
    TBorderStyle BorderStyle() const { return borderStyle; }
    QColor ForeColor() const { return foreColor; }
    QColor BackColor() const { return backColor; }
    int MinValue() const { return minimum; }
    int MaxValue() const { return maximum; }
    int Progress() const { return currentValue; }
    int PercentDone() const;

    void SetKind(TCGaugeKind value);
    void SetShowText(bool value);
    void SetBorderStyle(TBorderStyle value);
    void SetForeColor(const QColor &value);
    void SetBackColor(const QColor &value);
    // A value that would leave an empty range is refused: the gauge keeps
    // its values and the refusal's text is returned (empty when the value
    // was taken). The property setters ignore a refused value.
    QString TrySetMinValue(int value);
    QString TrySetMaxValue(int value);
    void SetMinValue(int value) { TrySetMinValue(value); }
    void SetMaxValue(int value) { TrySetMaxValue(value); }
    void SetProgress(int value);
    void AddProgress(int delta);

    // The gauge's whole picture, exactly as paintEvent puts it on screen.
    QImage renderToImage() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Refresh();

    int minimum = 0;
    int maximum = 100;
    int currentValue = 0;
    TCGaugeKind kind = gkHorizontalBar;
    bool showText = true;
    TBorderStyle borderStyle = bsSingle;
    QColor foreColor = Qt::black;
    QColor backColor = Qt::white;
};
