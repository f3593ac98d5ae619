// SPDX-License-Identifier: GPL-3.0-or-later
// A header view that measures its sections' titles once for what they say:
// Qt measures every title again whenever its view's geometry is worked out
// anew (the model set, a column added, the window polished and shown), and
// a title's measure is a text layout. The comparison table's row titles
// change only with the units or the language, so the size is kept until
// the titles, the font or the style differ.
#pragma once

#include <QAbstractItemModel>
#include <QFont>
#include <QHeaderView>
#include <QSize>
#include <QStringList>
#include <QStyle>

#include <optional>

class MeasuredHeader : public QHeaderView
{
public:
    explicit MeasuredHeader(Qt::Orientation orientation, QWidget* parent = nullptr)
        : QHeaderView(orientation, parent)
    {
    }

    QSize sizeHint() const override
    {
        Titles now = titles();
        if (!measured || now != measuredFor) {
            measuredFor = std::move(now);
            measured = QHeaderView::sizeHint();
        }
        return *measured;
    }

private:
    struct Titles {
        QStringList texts;
        QFont font;
        const QStyle* style = nullptr;
        bool operator==(const Titles&) const = default;
    };

    Titles titles() const
    {
        Titles now{ {}, font(), style() };
        if (const QAbstractItemModel* titled = model()) {
            const int sections = count();
            now.texts.reserve(sections);
            for (int section = 0; section < sections; ++section)
                now.texts << (isSectionHidden(section) ? QString()
                                                      : titled->headerData(section, orientation()).toString());
        }
        return now;
    }

    mutable std::optional<QSize> measured;
    mutable Titles measuredFor;
};
