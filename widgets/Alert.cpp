#include "widgets/Alert.h"

#include "widgets/DialogParts.h"
#include "widgets/Fonts.h"
#include "widgets/Hints.h"
#include "widgets/ModalShowing.h"
#include "widgets/Shape.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TAlertDlg::TAlertDlg(QWidget* mainWindow) : mainWindow(mainWindow)
{
    // The one dialog with a sizeable border: the user may resize it, the
    // message never does.
    setObjectName(QStringLiteral("AlertDlg"));
    setWindowTitle(QStringLiteral("Alert..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(WindowFont());
    resize(546, 127);

    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(8, 8, 529, 105);
    frame->SetPen(clBlue, 5);

    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("Label1"));
    messageLabel->setTextFormat(Qt::PlainText);
    messageLabel->setText(QStringLiteral("Label1"));
    messageLabel->setGeometry(24, 32, 497, 17);
    messageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    messageLabel->setWordWrap(false);
    messageLabel->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));

    okButton = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 232, 72);
    SetHint(okButton, QStringLiteral("Close this dialog box..."), false);

    // Its own place is the centre of the screen; every message moves it.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAlertDlg::ShowMessage(const QString& message)
{
    messageLabel->setText(message);
    ShowCentredModal(this, mainWindow);
}

QString TAlertDlg::Message() const
{
    return messageLabel->text();
}
