// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/StartGuard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace {

// The guard lives only while the application object is made, on the one
// thread there is then; a message handler has no other place to keep this.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
const char* guardedProgram = "";
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;

QString firstLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void guardHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages.append({ type, message });
        return;
    }
    // The most telling line: Qt says first that it found no display, then
    // that no platform could start.
    QString reason = firstLine(message);
    for (const HeldMessage& held : heldMessages)
        if (held.text.contains(QLatin1String("display"), Qt::CaseInsensitive)) {
            reason = firstLine(held.text);
            break;
        }
    (void)context;
    std::fprintf(stderr, "%s: cannot start: %s\n", guardedProgram, reason.toLocal8Bit().constData());
    std::fflush(stderr);
    _exit(1);
}

} // namespace

void GuardStart(const char* programName)
{
    guardedProgram = programName;
    previousHandler = qInstallMessageHandler(guardHandler);
}

void EndStartGuard()
{
    qInstallMessageHandler(previousHandler);
    const QList<HeldMessage> held = std::move(heldMessages);
    heldMessages.clear();
    const QMessageLogContext context;
    for (const HeldMessage& message : held)
        qt_message_output(message.type, context, message.text);
}
