// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ErrorBox.h"

#include "widgets/WindowOwner.h"
#include "widgets/WrappedLabel.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
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
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ErrorBoxText(message), QMessageBox::Ok,
                    ModalOwner(nullptr));
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText);
    // The message box's own label cuts a word longer than the box (a long
    // path); a label that breaks such a word takes its place, and the box
    // sizes itself to the lines it needs.
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    auto* ownLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (layout && ownLabel) {
        int row, column, rowSpan, columnSpan;
        layout->getItemPosition(layout->indexOf(ownLabel), &row, &column, &rowSpan, &columnSpan);
        auto* text = new TWrappedLabel(&box);
        text->setObjectName(QStringLiteral("ErrorText"));
        text->setText(box.text());
        text->setFont(ownLabel->font());
        ownLabel->hide();
        layout->addWidget(text, row, column, rowSpan, columnSpan);
    }
    box.exec();
}
