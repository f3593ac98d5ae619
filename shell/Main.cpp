#include "shell/Main.h"

#include "inputs/Othersubs.h"
#include "shell/About.h"
#include "shell/Control.h"
#include "shell/Fonts.h"
#include "shell/Forms.h"
#include "shell/Hints.h"
#include "shell/Shape.h"
#include "shell/StaticText.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

TMainForm* MainForm = nullptr;

namespace {

// The client area below the menu, and the border of 5 pixels around it.
constexpr int clientWidth = 506;
constexpr int clientHeight = 373;
constexpr int borderWidth = 5;
constexpr int statusBarHeight = 19;

const QString frameHint = QStringLiteral("Click to open control dialog...");

TStaticText* MakeCaption(QWidget* parent, const char* name, const QString& text, const QRect& bounds,
                         const QFont& font)
{
    auto* caption = new TStaticText(text, parent);
    caption->setObjectName(QLatin1String(name));
    caption->setGeometry(bounds);
    caption->setFont(font);
    caption->setAlignment(Qt::AlignCenter);
    SetHint(caption, frameHint, false);
    return caption;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Torvane Performance Analysis Program..."));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());

    QMenuBar* mainMenu = menuBar();
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    Program1 = mainMenu->addMenu(QStringLiteral("File..."));
    Program1->setObjectName(QStringLiteral("Program1"));
    MExit = Program1->addAction(QStringLiteral("E&xit"));
    MExit->setObjectName(QStringLiteral("MExit"));
    View1 = mainMenu->addMenu(QStringLiteral("&View..."));
    View1->setObjectName(QStringLiteral("View1"));
    Viewcontrol1 = View1->addAction(QStringLiteral("View &control dialog"));
    Viewcontrol1->setObjectName(QStringLiteral("Viewcontrol1"));
    About1 = mainMenu->addMenu(QStringLiteral("&About..."));
    About1->setObjectName(QStringLiteral("About1"));
    MAbout = About1->addAction(QStringLiteral("&About Torvane"));
    MAbout->setObjectName(QStringLiteral("MAbout"));

    // The border around the client area belongs to the window, as the menu
    // does; positions below are relative to the client area.
    auto* border = new QWidget(this);
    border->setObjectName(QStringLiteral("Border"));
    auto* client = new QWidget(border);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setGeometry(borderWidth, borderWidth, clientWidth, clientHeight);
    setCentralWidget(border);

    Shape1 = new TShape(client);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(16, 16, 473, 321);
    Shape1->SetPen(clBlue, 10);
    SetHint(Shape1, frameHint, false);

    // The texts lie above the frame, so that a click anywhere inside it
    // reaches the frame or one of them.
    const QString decorative = QStringLiteral("Martina");
    StaticText2 = MakeCaption(client, "StaticText2", QStringLiteral("Program"), QRect(132, 66, 225, 65),
                              PixelFont(decorative, 48, true));
    StaticText1 = MakeCaption(client, "StaticText1", QStringLiteral("Torvane"), QRect(61, 130, 385, 65),
                              PixelFont(QStringLiteral("Notram"), 64));
    QPalette purple = StaticText1->palette();
    purple.setColor(QPalette::WindowText, clPurple);
    StaticText1->setPalette(purple);
    StaticText3 = MakeCaption(client, "StaticText3", QStringLiteral("Version 4.0 - June 22, 2003"),
                              QRect(81, 216, 344, 25), PixelFont(QStringLiteral("Arial Black"), 19));
    StaticText4 = MakeCaption(client, "StaticText4", QStringLiteral("For car enthusiasts"),
                              QRect(141, 256, 225, 25), PixelFont(QStringLiteral("Arial Black"), 19));

    StatusBar = new QStatusBar(client);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setGeometry(0, clientHeight - statusBarHeight, clientWidth, statusBarHeight);

    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));

    connect(MExit, &QAction::triggered, this, &TMainForm::MExitClick);
    connect(Viewcontrol1, &QAction::triggered, this, &TMainForm::Viewcontrol1Click);
    connect(MAbout, &QAction::triggered, this, &TMainForm::MAboutClick);
    connect(Shape1, &TShape::MouseUp, this, &TMainForm::Shape1MouseUp);
    connect(StaticText1, &TStaticText::MouseUp, this, &TMainForm::StaticText1MouseUp);
    connect(StaticText4, &TStaticText::MouseUp, this, &TMainForm::StaticText4MouseUp);
    connect(StaticText2, &TStaticText::Click, this, &TMainForm::StaticText2Click);
    connect(StaticText3, &TStaticText::Click, this, &TMainForm::StaticText3Click);

    const QSize outer(clientWidth + 2 * borderWidth,
                      mainMenu->sizeHint().height() + clientHeight + 2 * borderWidth);
    setFixedSize(outer);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));

    FormCreate();
}

void TMainForm::FormCreate()
{
    connect(ApplicationHints(), &THintWatcher::HintChanged, this, &TMainForm::ShowHintInStatusBar);
}

void TMainForm::ShowHintInStatusBar()
{
    StatusBar->showMessage(ApplicationHints()->CurrentHint());
}

void TMainForm::MExitClick()
{
    close();
}

void TMainForm::MAboutClick()
{
    CentreOnMainForm(AboutDlg);
    ShowModal(AboutDlg);
}

void TMainForm::Viewcontrol1Click()
{
    SavePreviousInputs();
    SavePrintTitle();
    // A control dialog that is already open stays where the user put it.
    if (!ControlDlg->isVisible())
        CentreOnMainForm(ControlDlg);
    ControlDlg->show();
    ControlDlg->raise();
    ControlDlg->activateWindow();
}

// A click in the frame: the control dialog, centred on the main window, shown
// modally. An open control dialog is refused by ShowModal and stays as it is.
void TMainForm::ShowControlDialogModally()
{
    if (!ControlDlg->isVisible())
        CentreOnMainForm(ControlDlg);
    ShowModal(ControlDlg);
}

void TMainForm::Shape1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, const QPoint&)
{
    ShowControlDialogModally();
}

void TMainForm::StaticText1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, const QPoint&)
{
    ShowControlDialogModally();
}

void TMainForm::StaticText4MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, const QPoint&)
{
    ShowControlDialogModally();
}

void TMainForm::StaticText2Click()
{
    ShowControlDialogModally();
}

void TMainForm::StaticText3Click()
{
    ShowControlDialogModally();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever dialogs are open.
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}

void CentreOnMainForm(QWidget* window)
{
    if (!MainForm || !window || window == MainForm)
        return;
    // The size the window will have when shown: Qt fits a window that was
    // never given a size to its contents as it shows it.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QRect main = MainForm->frameGeometry();
    // A window that has not been shown yet has no frame; assume the one the
    // main window has.
    QSize outer = window->frameGeometry().size();
    if (!window->testAttribute(Qt::WA_WState_Created) || !window->isVisible())
        outer = window->size() + (main.size() - MainForm->size());
    window->move(main.left() + (main.width() - outer.width()) / 2,
                 main.top() + (main.height() - outer.height()) / 2);
}
