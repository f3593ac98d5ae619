// Application shell: start-up, the main window (Main), the control dialog
// (Control) that reaches every function, the alert dialog (Alert) through
// which every message of the program passes, and the about and help dialogs
// (About, InputHelp, ConditionsHelp).
//
// Start-up creates the application object and the program's ten windows
// once, in a fixed order, as process-wide objects (MainForm ... AlertDlg);
// the units reach each other's windows directly through them. Every window
// lives until the end and keeps its contents while hidden. Errors raised
// while an event is handled end in the standard error box, and the program
// goes on with the next event.
#pragma once

#include <QApplication>
#include <QList>
#include <QString>

class QWidget;

// The application object. It catches an error raised while an event is
// handled, shows it in the standard error box and lets the program go on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Creates the ten windows in their fixed order: MainForm (whose FormCreate
// installs the hint handler), AboutDlg, CondHelpDlg, ControlDlg, InputDlg,
// InputHelpDlg, OutputDlg, PrintTitleDlg, CalculatorDlg, AlertDlg. All start
// hidden.
void CreateWindows();
// Deletes the windows in reverse order, sets every pointer back to null and
// forgets the current hint.
void DestroyWindows();
// The windows CreateWindows made, in the order it made them.
QList<QWidget*> ProgramWindows();

// The application's title: the program file's name up to its first dot,
// with a capital first letter and every later letter in lower case
// ("Torvane" for torvane). It captions the standard error box.
QString TitleFromFileName(const QString& fileName);
QString ApplicationTitle();

// The text of the standard error box: the message with a full stop appended
// when it is not empty and its last character's code is greater than that
// of '.' (a letter, a digit, '?' and the like).
QString ErrorBoxText(const QString& message);
// The standard error box: the application's title as caption, the error
// icon, an OK button and ErrorBoxText(message). Modal; returns on OK.
void ShowErrorBox(const QString& message);
