// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A one-pixel bevelled box: lowered (shadow above and left, highlight below
// and right) or raised. It only draws; the mouse passes through to what
// lies beneath.
class TBevel : public QWidget
{
    Q_OBJECT

public:
    enum TBevelStyle { bsLowered, bsRaised };

    explicit TBevel(QWidget* parent = nullptr, TBevelStyle style = bsLowered);

    TBevelStyle Style() const { return style; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelStyle style;
};
