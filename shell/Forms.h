#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStyle>

#include <stdexcept>

class QDialog;
class QPushButton;
class QWidget;
class TCGauge;

// The colours the windows are drawn in.
inline const QColor clBlue(0, 0, 255);
inline const QColor clPurple(128, 0, 128);
inline const QColor clRed(255, 0, 0);
inline const QColor clCream(255, 251, 240);
// The gauges' bar: red 192, green 255, blue 192.
inline const QColor clLightGreen(192, 255, 192);

// Raised when a window is asked for something it cannot do in its present
// state, such as a modal showing while it is already visible.
class EInvalidOperation : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Shows a hidden dialog modally and returns its result. A dialog that is
// already visible (the control dialog opened modeless) cannot become modal:
// EInvalidOperation "Cannot make a visible window modal", and the dialog
// stays as it was.
int ShowModal(QDialog* dialog);

// The window a modal dialog belongs to: the modal window on top, else the
// active window, else the main window.
QWidget* ModalOwner(const QWidget* dialog);

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

// The progress gauge of a dialog that runs a car: steps 0 to 6 as a light
// green bar on the button face, framed, with its percentage.
TCGauge* MakeRunGauge(QWidget* parent, const QRect& geometry);
