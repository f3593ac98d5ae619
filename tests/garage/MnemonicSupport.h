// SPDX-License-Identifier: GPL-3.0-or-later
// The garage's mnemonics as the keyboard tests read them: the letter of a
// text, the places of the window that hold a letter where the user is, and
// the letters held twice, in the window or in one menu.
#pragma once

#include "garage/GarageWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMultiHash>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

// The letter after a single "&" in a text; none when there is no mnemonic.
inline QChar MnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return QChar();
}

// Every text of the window that Alt+letter reaches now, by its letter: the
// menus, the tabs, and the visible labels with a buddy and buttons.
inline QMultiHash<QChar, QString> VisibleMnemonics(GarageWindow* window)
{
    QMultiHash<QChar, QString> places;
    auto add = [&](const QString& text) {
        const QChar letter = MnemonicOf(text);
        if (!letter.isNull())
            places.insert(letter, text);
    };
    for (QAction* menu : window->menuBar()->actions())
        add(menu->text());
    QTabBar* tabs = window->Tabs()->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        add(tabs->tabText(i));
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() && label->isVisible())
            add(label->text());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() && !qobject_cast<QToolButton*>(button))
            add(button->text());
    return places;
}

// "Alt+X: first, second" for each letter held by more than one place.
inline QStringList MnemonicClashes(const QMultiHash<QChar, QString>& places)
{
    QStringList clashes;
    for (const QChar letter : places.uniqueKeys())
        if (places.count(letter) > 1)
            clashes << QStringLiteral("Alt+%1: %2").arg(letter, QStringList(places.values(letter)).join(u", "));
    return clashes;
}

// The same within each menu of the window.
inline QStringList MenuMnemonicClashes(GarageWindow* window)
{
    QStringList clashes;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        QMultiHash<QChar, QString> items;
        for (QAction* action : menu->actions())
            if (!MnemonicOf(action->text()).isNull())
                items.insert(MnemonicOf(action->text()), action->text());
        clashes << MnemonicClashes(items);
    }
    return clashes;
}
