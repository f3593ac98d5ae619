#include "widgets/ErrorBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

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
    // It belongs to the window the user is working in, which keeps it above.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ErrorBoxText(message), QMessageBox::Ok,
                    owner);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
