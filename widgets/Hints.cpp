// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Hints.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

// The dynamic property that holds a control's whole hint text.
const char* const hintProperty = "hint";

// The deepest widget under a global position inside the window of the
// widget that received the event. The position decides, not the receiver,
// because an ignored mouse event travels on to the parents of its target.
QWidget* WidgetAt(QWidget* receiver, const QPointF& globalPos)
{
    QWidget* window = receiver->window();
    const QPoint local = window->mapFromGlobal(globalPos.toPoint());
    if (!window->rect().contains(local))
        return receiver;
    QWidget* child = window->childAt(local);
    return child ? child : window;
}

} // namespace

QString ShortHintPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHintPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* control, const QString& hint, bool showTooltip)
{
    control->setProperty(hintProperty, hint);
    control->setToolTip(showTooltip ? ShortHintPart(hint) : QString());
}

QString HintOf(const QWidget* control)
{
    return control ? control->property(hintProperty).toString() : QString();
}

QString LongHintFor(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        const QString hint = HintOf(w);
        if (!hint.isEmpty())
            return LongHintPart(hint);
        if (w->isWindow())
            break;
    }
    return QString();
}

THintWatcher::THintWatcher(QObject* parent) : QObject(parent)
{
    // Qt takes the filter out again when the watcher is destroyed.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

void THintWatcher::Reset()
{
    control = nullptr;
    currentHint.clear();
}

bool THintWatcher::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::Enter && type != QEvent::Leave)
        return false;
    if (!watched->isWidgetType())
        return false;
    QWidget* receiver = static_cast<QWidget*>(watched);
    if (receiver->window()->windowType() == Qt::ToolTip)
        return false;

    switch (type) {
    case QEvent::MouseMove:
        PointerOver(WidgetAt(receiver, static_cast<QMouseEvent*>(event)->globalPosition()));
        break;
    case QEvent::Enter:
        // Qt's own enter events carry the position; a bare one means the
        // receiver itself.
        if (auto* enter = dynamic_cast<QEnterEvent*>(event))
            PointerOver(WidgetAt(receiver, enter->globalPosition()));
        else
            PointerOver(receiver);
        break;
    default:
        // Leaving a whole window: the pointer is over none of ours until
        // the next window it enters says otherwise.
        if (receiver->isWindow())
            PointerOver(nullptr);
        break;
    }
    return false;
}

void THintWatcher::PointerOver(QWidget* newControl)
{
    control = newControl;
    const QString hint = LongHintFor(newControl);
    if (hint == currentHint)
        return;
    currentHint = hint;
    emit HintChanged();
}
