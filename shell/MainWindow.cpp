// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindow.h"

#include "inputs/InputDialog.h"
#include "results/PrintDialog.h"
#include "shell/AboutDialog.h"
#include "shell/ControlDialog.h"
#include "shell/DataFile.h"
#include "shell/Program.h"
#include "shell/StaticText.h"
#include "widgets/DialogParts.h"
#include "widgets/Fonts.h"
#include "widgets/Hints.h"
#include "widgets/ModalShowing.h"
#include "widgets/Shape.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

namespace {

// The client area below the menu, and the border of 5 pixels around it.
constexpr int clientWidth = 506;
constexpr int clientHeight = 373;
constexpr int borderWidth = 5;
constexpr int statusBarHeight = 19;

QString frameHint()
{
    return TMainForm::tr("Click to open control dialog...");
}

TStaticText* MakeCaption(QWidget* parent, const char* name, const QString& text, const QRect& bounds,
                         const QFont& font)
{
    auto* caption = new TStaticText(text, parent);
    caption->setObjectName(QLatin1String(name));
    caption->setGeometry(bounds);
    caption->setFont(font);
    caption->setAlignment(Qt::AlignCenter);
    SetHint(caption, frameHint(), false);
    return caption;
}

} // namespace

TMainForm::TMainForm(TorvaneProgram& program) : program(program)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Torvane Performance Analysis Program..."));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());

    QMenuBar* mainMenu = menuBar();
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* fileMenu = mainMenu->addMenu(tr("File..."));
    fileMenu->setObjectName(QStringLiteral("Program1"));
    QAction* exitAction = fileMenu->addAction(tr("E&xit"));
    exitAction->setObjectName(QStringLiteral("MExit"));
    QMenu* viewMenu = mainMenu->addMenu(tr("&View..."));
    viewMenu->setObjectName(QStringLiteral("View1"));
    QAction* viewControlAction = viewMenu->addAction(tr("View &control dialog"));
    viewControlAction->setObjectName(QStringLiteral("Viewcontrol1"));
    QMenu* aboutMenu = mainMenu->addMenu(tr("&About..."));
    aboutMenu->setObjectName(QStringLiteral("About1"));
    QAction* aboutAction = aboutMenu->addAction(tr("&About Torvane"));
    aboutAction->setObjectName(QStringLiteral("MAbout"));

    // The border around the client area belongs to the window, as the menu
    // does; positions below are relative to the client area.
    auto* border = new QWidget(this);
    border->setObjectName(QStringLiteral("Border"));
    auto* client = new QWidget(border);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setGeometry(borderWidth, borderWidth, clientWidth, clientHeight);
    setCentralWidget(border);

    auto* frame = new TShape(client);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(16, 16, 473, 321);
    frame->SetPen(clBlue, 10);
    SetHint(frame, frameHint(), false);

    // The texts lie above the frame, so that a click anywhere inside it
    // reaches the frame or one of them.
    const QString decorative = QStringLiteral("Martina");
    TStaticText* programCaption = MakeCaption(client, "StaticText2", tr("Program"),
                                              QRect(132, 66, 225, 65), PixelFont(decorative, 48, true));
    TStaticText* nameCaption = MakeCaption(client, "StaticText1", QStringLiteral("Torvane"),
                                           QRect(61, 130, 385, 65),
                                           PixelFont(QStringLiteral("Notram"), 64));
    QPalette purple = nameCaption->palette();
    purple.setColor(QPalette::WindowText, clPurple);
    nameCaption->setPalette(purple);
    TStaticText* versionCaption = MakeCaption(client, "StaticText3",
                                              tr("Version 4.0 - June 22, 2003"),
                                              QRect(81, 216, 344, 25),
                                              PixelFont(QStringLiteral("Arial Black"), 19));
    TStaticText* creditCaption = MakeCaption(client, "StaticText4", tr("For car enthusiasts"),
                                             QRect(141, 256, 225, 25),
                                             PixelFont(QStringLiteral("Arial Black"), 19));

    hintBar = new QStatusBar(client);
    hintBar->setObjectName(QStringLiteral("StatusBar"));
    hintBar->setSizeGripEnabled(false);
    hintBar->setGeometry(0, clientHeight - statusBarHeight, clientWidth, statusBarHeight);


    connect(exitAction, &QAction::triggered, this, &TMainForm::MExitClick);
    connect(viewControlAction, &QAction::triggered, this, &TMainForm::Viewcontrol1Click);
    connect(aboutAction, &QAction::triggered, this, &TMainForm::MAboutClick);
    connect(frame, &TShape::MouseUp, this, &TMainForm::Shape1MouseUp);
    connect(nameCaption, &TStaticText::MouseUp, this, &TMainForm::StaticText1MouseUp);
    connect(creditCaption, &TStaticText::MouseUp, this, &TMainForm::StaticText4MouseUp);
    connect(programCaption, &TStaticText::Click, this, &TMainForm::StaticText2Click);
    connect(versionCaption, &TStaticText::Click, this, &TMainForm::StaticText3Click);

    const QSize outer(clientWidth + 2 * borderWidth,
                      mainMenu->sizeHint().height() + clientHeight + 2 * borderWidth);
    setFixedSize(outer);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));

    FormCreate();
}

QFileDialog* TMainForm::OpenDialog()
{
    return fileDialog(openDialog, "OpenDialog1");
}

QFileDialog* TMainForm::SaveDialog()
{
    return fileDialog(saveDialog, "SaveDialog1");
}

QFileDialog* TMainForm::fileDialog(QFileDialog*& dialog, const char* name)
{
    if (!dialog) {
        dialog = new QFileDialog(this);
        dialog->setObjectName(QLatin1String(name));
        // It starts in the Documents folder, not wherever Qt's own dialog
        // was last used (which may be the installed sample cars).
        dialog->setDirectory(DocumentsFolder());
    }
    return dialog;
}

void TMainForm::FormCreate()
{
    connect(program.Hints(), &THintWatcher::HintChanged, this, &TMainForm::ShowHintInStatusBar);
}

void TMainForm::ShowHintInStatusBar()
{
    hintBar->showMessage(program.Hints()->CurrentHint());
}

QString TMainForm::StatusText() const
{
    return hintBar->currentMessage();
}

void TMainForm::MExitClick()
{
    close();
}

void TMainForm::MAboutClick()
{
    ShowCentredModal(program.AboutDlg(), this);
}

void TMainForm::Viewcontrol1Click()
{
    program.InputDlg()->SavePreviousInputs();
    program.PrintTitleDlg()->SavePrintTitle();
    QDialog* control = program.ControlDlg();
    // A control dialog that is already open stays where the user put it.
    if (!control->isVisible())
        CentreOn(control, this);
    control->show();
    control->raise();
    control->activateWindow();
}

// A click in the frame: the control dialog, centred on the main window, shown
// modally. An open control dialog is refused by ShowModal and stays as it is.
void TMainForm::ShowControlDialogModally()
{
    QDialog* control = program.ControlDlg();
    if (!control->isVisible())
        CentreOn(control, this);
    ShowModal(control, this);
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
