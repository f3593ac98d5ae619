// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Alert.h"

#include "widgets/DialogParts.h"
#include "widgets/Fonts.h"
#include "widgets/Hints.h"
#include "widgets/ModalShowing.h"
#include "widgets/Shape.h"
#include "widgets/WrappedLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

// The alert as designed: its client area and its one-line message label.
constexpr QSize clientSize(546, 127);
constexpr int labelWidth = 497;
constexpr int lineHeight = 17;

} // namespace

TAlertDlg::TAlertDlg(QWidget* mainWindow) : mainWindow(mainWindow)
{
    // The one dialog with a sizeable border: the user may resize it, the
    // message never does.
    setObjectName(QStringLiteral("AlertDlg"));
    setWindowTitle(tr("Alert..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(WindowFont());
    resize(clientSize);

    frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(8, 8, 529, 105);
    frame->SetPen(clBlue, 5);

    messageLabel = new TWrappedLabel(this);
    messageLabel->setObjectName(QStringLiteral("Label1"));
    // A design-time caption, replaced by every message before it shows.
    messageLabel->setText(QStringLiteral("Label1"));
    messageLabel->setGeometry(24, 32, labelWidth, lineHeight);
    messageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    messageLabel->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));

    okButton = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 232, 72);
    SetHint(okButton, tr("Close this dialog box..."), false);

    // Its own place is the centre of the screen; every message moves it.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAlertDlg::ShowMessage(const QString& message)
{
    messageLabel->setText(message);
    // One line fits the alert as designed; each further line makes it that
    // much taller, and the frame and the OK button move down with it.
    const int textHeight = qMax(lineHeight, messageLabel->heightForWidth(labelWidth));
    const int extra = textHeight - lineHeight;
    messageLabel->resize(labelWidth, textHeight);
    frame->resize(529, 105 + extra);
    okButton->move(232, 72 + extra);
    resize(clientSize.width(), clientSize.height() + extra);
    ShowCentredModal(this, mainWindow);
}

QString TAlertDlg::Message() const
{
    return messageLabel->text();
}
