#include "shell/Alert.h"

#include "shell/Fonts.h"
#include "shell/Forms.h"
#include "shell/Hints.h"
#include "shell/Main.h"
#include "shell/Shape.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TAlertDlg* AlertDlg = nullptr;

TAlertDlg::TAlertDlg(QWidget* parent) : QDialog(parent)
{
    // The one dialog with a sizeable border: the user may resize it, the
    // message never does.
    setObjectName(QStringLiteral("AlertDlg"));
    setWindowTitle(QStringLiteral("Alert..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(WindowFont());
    resize(546, 127);

    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(8, 8, 529, 105);
    Shape1->SetPen(clBlue, 5);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(QStringLiteral("Label1"));
    Label1->setGeometry(24, 32, 497, 17);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(false);
    Label1->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11, true));

    BitBtn1 = MakeBitBtn(this, "BitBtn1", TButtonKind::Ok, 232, 72);
    SetHint(BitBtn1, QStringLiteral("Close this dialog box..."), false);

    // Its own place is the centre of the screen; every caller moves it.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ShowAlert(const QString& message)
{
    AlertDlg->Label1->setText(message);
    CentreOnMainForm(AlertDlg);
    ShowModal(AlertDlg);
}
