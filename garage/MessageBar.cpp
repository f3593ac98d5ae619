// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/MessageBar.h"

#include "startup/LazyIcon.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

MessageBar::MessageBar(QWidget* parent)
    : QFrame(parent)
    , icon(new QLabel(this))
    , text(new QLabel(this))
    , closeButton(new QToolButton(this))
{
    setObjectName(QStringLiteral("messageBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    text->setObjectName(QStringLiteral("messageText"));
    text->setWordWrap(true);
    // Messages hold file names and other outside text: never rich text.
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    closeButton->setObjectName(QStringLiteral("messageClose"));
    closeButton->setAutoRaise(true);
    closeButton->setIcon(LazyIcon([] { return QApplication::style()->standardIcon(QStyle::SP_TitleBarCloseButton); }));
    closeButton->setToolTip(tr("Close this message"));
    closeButton->setAccessibleName(tr("Close the message"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(icon);
    layout->addWidget(text, 1);
    layout->addWidget(closeButton);
    connect(closeButton, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void MessageBar::ShowMessage(Kind newKind, const QString& message)
{
    kind = newKind;
    const QStyle::StandardPixmap pixmap = kind == Kind::Error ? QStyle::SP_MessageBoxCritical
                                                              : QStyle::SP_MessageBoxInformation;
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(pixmap).pixmap(size, size));
    text->setText(message);
    setAccessibleDescription(message);
    applyColours();
    show();
}

QString MessageBar::Text() const
{
    return isVisible() || !text->text().isEmpty() ? text->text() : QString();
}

// The bar's background is fixed, so its text colour is fixed with it: the
// pair reads the same in a light and in a dark desktop theme.
void MessageBar::applyColours()
{
    QPalette colours = palette();
    const QColor background = kind == Kind::Error ? QColor(0xf8, 0xd7, 0xda) : QColor(0xd6, 0xe9, 0xf8);
    const QColor foreground = kind == Kind::Error ? QColor(0x58, 0x15, 0x1c) : QColor(0x0b, 0x2e, 0x4f);
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, foreground);
    colours.setColor(QPalette::Text, foreground);
    colours.setColor(QPalette::ButtonText, foreground);
    setPalette(colours);
}
