// SPDX-License-Identifier: GPL-3.0-or-later
// The order Tab takes through a page's controls: the reading order, set
// once the page is built (widgets made in another order would otherwise
// take Tab elsewhere).
#pragma once

#include <QList>
#include <QWidget>

inline void SetTabChain(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}
