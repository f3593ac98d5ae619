// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the window tests: finding a window's controls by their
// object names, answering modal windows without ever blocking, and checking
// that a test left no window open.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>

// The child of `parent` with this object name; a missing one ends the test
// program with its name, since every test that asks for it would fail.
template <typename T = QWidget>
T* Child(const QObject* parent, const char* name)
{
    T* child = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!child) {
        std::fprintf(stderr, "no child named %s\n", name);
        std::abort();
    }
    return child;
}

// What a test saw of one modal window.
struct TModalSeen
{
    QString objectName;
    QString title;
    QString text;   // a message box's text, or the text of a label named Label1
    bool centredOnMain = false;
};

// While it exists, answers every modal window that comes up: records it,
// runs the optional examination (which may act on the window, for example
// move the pointer over it), then closes it by clicking its default button,
// or with reject() when it has none. A window the examination already closed
// is left alone; one the examination opens on top is answered in turn.
class TModalAnswerer : public QObject
{
public:
    using Examine = std::function<void(QWidget* modal)>;

    explicit TModalAnswerer(Examine examine = {}, QWidget* mainWindow = nullptr)
        : examine(std::move(examine)), mainWindow(mainWindow)
    {
        poll.setInterval(1);
        connect(&poll, &QTimer::timeout, this, &TModalAnswerer::Answer);
        poll.start();
    }

    QList<TModalSeen> seen;

    QStringList SeenNames() const
    {
        QStringList names;
        for (const TModalSeen& entry : seen)
            names << entry.objectName;
        return names;
    }

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || handling.contains(modal))
            return;
        handling.append(modal);
        TModalSeen entry;
        entry.objectName = modal->objectName();
        entry.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            entry.text = box->text();
        else if (auto* label = modal->findChild<QLabel*>(QStringLiteral("Label1")))
            entry.text = label->text();
        if (mainWindow) {
            const QPoint offset = modal->frameGeometry().center() - mainWindow->frameGeometry().center();
            entry.centredOnMain = offset.manhattanLength() <= 2;
        }
        seen.append(entry);
        QPointer<QWidget> guard(modal);
        if (examine)
            examine(modal);
        if (guard && guard->isVisible() && QApplication::activeModalWidget() == guard)
            Close(guard);
        handling.removeAll(guard);
        handling.removeAll(nullptr);
    }

    // Presses the window's OK: a message box's default button, or a dialog's
    // OK button BitBtn1. A window without one, or one that is still open
    // after it, is rejected.
    static void Close(QWidget* modal)
    {
        QPointer<QWidget> guard(modal);
        QPushButton* ok = nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            ok = box->defaultButton();
        else
            ok = modal->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        if (ok && ok->isEnabled())
            ok->click();
        if (!guard || !guard->isVisible())
            return;
        if (auto* dialog = qobject_cast<QDialog*>(guard.data()))
            dialog->reject();
        else
            guard->close();
    }

    Examine examine;
    QPointer<QWidget> mainWindow;
    QTimer poll;
    // The windows being answered; an examination may open another on top.
    QList<QPointer<QWidget>> handling;
};

// The visible top-level windows, by object name (class name when unnamed);
// tooltips do not count.
inline QStringList OpenWindows()
{
    QStringList open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::ToolTip)
            open << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                               : w->objectName());
    return open;
}
