// SPDX-License-Identifier: GPL-3.0-or-later
// The parts the classic windows are built from: their colours, the common
// dialog frame, buttons with their hints and glyphs, captioned group boxes,
// labels and the run gauge. Every window builds with these, so they all
// look alike.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStyle>

class QDialog;
class QFont;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class TCGauge;

// The colours the windows are drawn in.
inline const QColor clBlue(0, 0, 255);
inline const QColor clPurple(128, 0, 128);
inline const QColor clRed(255, 0, 0);
inline const QColor clBlack(0, 0, 0);
inline const QColor clCream(255, 251, 240);
inline const QColor clYellow(255, 255, 0);
// The gauges' bar: red 192, green 255, blue 192.
inline const QColor clLightGreen(192, 255, 192);

// The palette the classic windows are drawn in whatever the desktop theme:
// the style's own light palette. Their blue, purple and red texts and their
// cream and yellow boxes are fixed colours, readable only on the light
// surfaces they were designed on.
QPalette ClassicPalette();
// Gives a classic window and everything in it that has no colours of its
// own the classic palette. A group box's style sheet keeps the window's
// palette from reaching the controls inside it, so each gets it directly.
void UseClassicPalette(QWidget* window);

// The common frame of the program's dialogs: object name, caption, the
// window font, a fixed client size and a title bar without buttons (no
// system menu, no close box). extraFlags adds e.g. Qt::WindowStaysOnTopHint.
void SetUpDialog(QDialog* dialog, const char* name, const QString& caption, QSize clientSize,
                 Qt::WindowFlags extraFlags = {});

// A 75 x 25 button with the standard glyph of its kind. The OK kind is the
// dialog's default button and accepts the dialog; the close kind closes it.
enum class TButtonKind { Ok, Close };
QPushButton* MakeBitBtn(QWidget* parent, const char* name, TButtonKind kind, int left, int top);

// A push button at its place with its hint (the tooltip shown or not), and
// the standard glyph `glyph` when one is given.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QString& hint, bool showTooltip = false,
                        QStyle::StandardPixmap glyph = QStyle::SP_CustomBase);

// A captioned group box: the caption in bold blue at `captionPoints`, the
// controls inside placed relative to the box.
QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, int captionPoints = 8);

// A plain-text label at a given place, as wide as its text: in its parent's
// font, or in the font given (measured once, in the font it is shown in).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QFont* font = nullptr);
// Names an input box after the caption beside it, for screen readers: the
// caption without its mnemonic and closing colon ("Engine horspower").
void NameAfterCaption(QWidget* input, const QLabel* caption);

// Gives a box a fixed background and, with it, a fixed text colour, so that
// a dark desktop theme cannot put light text on the light background.
void SetBoxColours(QWidget* box, const QColor& background, const QColor& text = clBlack);

// The progress gauge of a dialog that runs a car: steps 0 to 6 as a light
// green bar on the button face, framed, with its percentage.
TCGauge* MakeRunGauge(QWidget* parent, const QRect& geometry);
