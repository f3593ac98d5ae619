#include "shell/Startup.h"

#include "inputs/Calculator.h"
#include "inputs/Input.h"
#include "results/Output.h"
#include "results/PrintTitle.h"
#include "shell/About.h"
#include "shell/Alert.h"
#include "shell/ConditionsHelp.h"
#include "shell/Control.h"
#include "shell/Forms.h"
#include "shell/Hints.h"
#include "shell/InputHelp.h"
#include "shell/Main.h"

#include <QFileInfo>
#include <QMessageBox>

#include <exception>

namespace {

// The windows in the order of their creation.
QList<QWidget*> windows;

template <typename TWindow>
void Create(TWindow*& instance)
{
    instance = new TWindow();
    windows.append(instance);
}

template <typename TWindow>
void Destroy(TWindow*& instance)
{
    delete instance;
    instance = nullptr;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorBox(QString());
    }
    return true;
}

void CreateWindows()
{
    windows.clear();
    Create(MainForm);
    Create(AboutDlg);
    Create(CondHelpDlg);
    Create(ControlDlg);
    Create(InputDlg);
    Create(InputHelpDlg);
    Create(OutputDlg);
    Create(PrintTitleDlg);
    Create(CalculatorDlg);
    Create(AlertDlg);
}

void DestroyWindows()
{
    Destroy(AlertDlg);
    Destroy(CalculatorDlg);
    Destroy(PrintTitleDlg);
    Destroy(OutputDlg);
    Destroy(InputHelpDlg);
    Destroy(InputDlg);
    Destroy(ControlDlg);
    Destroy(CondHelpDlg);
    Destroy(AboutDlg);
    Destroy(MainForm);
    windows.clear();
    if (THintWatcher* hints = ApplicationHints())
        hints->Reset();
}

QList<QWidget*> ProgramWindows()
{
    return windows;
}

QString TitleFromFileName(const QString& fileName)
{
    QString title = QFileInfo(fileName).fileName();
    const qsizetype dot = title.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        title.truncate(dot);
    if (title.isEmpty())
        return title;
    return title.left(1).toUpper() + title.mid(1).toLower();
}

QString ApplicationTitle()
{
    return TitleFromFileName(QCoreApplication::applicationFilePath());
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ErrorBoxText(message), QMessageBox::Ok,
                    ModalOwner(nullptr));
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
