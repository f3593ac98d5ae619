// SPDX-License-Identifier: GPL-3.0-or-later
// A label that shows its whole text however long it is: lines break between
// words, and a word too long for a line (a path, say) breaks where it
// must. Its height follows from its width, so a dialog can grow to fit a
// message instead of cutting it off.
#pragma once

#include <QLabel>

class TWrappedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TWrappedLabel(QWidget* parent = nullptr);

    // The width the label asks for when its text is long; a shorter text
    // asks for its own width.
    void SetPreferredWidth(int width);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where the text's lines lie when drawn at the label's present size.
    QRect TextBounds() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The lines of the text laid out `width` pixels wide, and their bounds.
    QRectF Layout(int width, class QTextLayout& layout) const;

    int preferredWidth = 420;
};
