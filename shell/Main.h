// The main window: a title card of four texts in a blue frame, a menu and a
// status bar. A click in the frame opens the control dialog modally; the
// View menu opens it modeless after recording the previous inputs and the
// print title; the About menu opens the about dialog. The status bar shows
// the application's current hint. The window also holds the two file dialogs
// that the data-file operations use.
#pragma once

#include <QMainWindow>

class QAction;
class QFileDialog;
class QMenu;
class QStatusBar;
class TShape;
class TStaticText;

class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    QMenu* Program1;
    QAction* MExit;
    QMenu* View1;
    QAction* Viewcontrol1;
    QMenu* About1;
    QAction* MAbout;
    TShape* Shape1;
    TStaticText* StaticText2;
    TStaticText* StaticText1;
    TStaticText* StaticText3;
    TStaticText* StaticText4;
    // The status bar with its one simple panel (showMessage). It is not
    // QMainWindow::statusBar(), which would make a second one.
    QStatusBar* StatusBar;
    QFileDialog* OpenDialog1;
    QFileDialog* SaveDialog1;

    void FormCreate();
    void ShowHintInStatusBar();
    void MExitClick();
    void MAboutClick();
    void Viewcontrol1Click();
    void Shape1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& pos);
    void StaticText1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& pos);
    void StaticText4MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& pos);
    void StaticText2Click();
    void StaticText3Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowControlDialogModally();
};

extern TMainForm* MainForm;

// Moves a window so that its centre lies on the main window's centre. Every
// dialog is placed this way just before it is shown.
void CentreOnMainForm(QWidget* window);
