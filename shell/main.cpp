#include "shell/Main.h"
#include "shell/Startup.h"

#include <exception>

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    try {
        CreateWindows();
        MainForm->show();
        application.exec();
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorBox(QString());
    }
    DestroyWindows();
    return 0;
}
