// Torvane: starts the classic program and runs it until its main window closes.
#include "core/StartGuard.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "widgets/ErrorBox.h"

#include <QApplication>

#include <exception>

int main(int argc, char** argv)
{
    GuardStart("torvane");
    QApplication application(argc, argv);
    EndStartGuard();
    // An error that escapes creating the windows ends the program after the
    // standard error box has shown it; nothing is thrown while events are
    // handled.
    try {
        TorvaneProgram program;
        program.MainForm()->show();
        application.exec();
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorBox(QString());
    }
    return 0;
}
