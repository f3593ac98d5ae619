// SPDX-License-Identifier: GPL-3.0-or-later
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
class QStatusBar;
class TorvaneProgram;

class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(TorvaneProgram& program);

    // The two file dialogs of the main window, made the first time they are
    // needed (each is a second's worth of icons and folders to set up, and
    // most runs of the program open no file); they keep what they hold from
    // one use to the next.
    QFileDialog* OpenDialog();
    QFileDialog* SaveDialog();
    QString StatusText() const;

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

    TorvaneProgram& program;
    // The status bar with its one simple panel (showMessage). It is not
    // QMainWindow::statusBar(), which would make a second one.
    QStatusBar* hintBar;
    QFileDialog* fileDialog(QFileDialog*& dialog, const char* name);
    QFileDialog* openDialog = nullptr;
    QFileDialog* saveDialog = nullptr;
};
