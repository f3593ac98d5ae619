// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DialogParts.h"

#include "startup/LazyIcon.h"
#include "widgets/Fonts.h"
#include "widgets/Hints.h"
#include "widgets/ProgressGauge.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

QPalette ClassicPalette()
{
    return QApplication::style()->standardPalette();
}

void UseClassicPalette(QWidget* window)
{
    const QPalette classic = ClassicPalette();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets)
        if (!widget->testAttribute(Qt::WA_SetPalette) && !widget->isWindow())
            widget->setPalette(classic);
    window->setPalette(classic);
}

void SetUpDialog(QDialog* dialog, const char* name, const QString& caption, QSize clientSize,
                 Qt::WindowFlags extraFlags)
{
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | extraFlags);
    dialog->setFont(WindowFont());
    dialog->setFixedSize(clientSize);
}

namespace {

// The style's glyph, read when a button first draws it: only the main
// window is shown at start, and the dialogs' buttons ask for the same few
// glyphs again and again. Each is read once for all of them, a cache of
// what the style draws, not state of the program.
QIcon glyphIcon(QStyle::StandardPixmap glyph)
{
    return LazyIcon([glyph] {
        static QHash<int, QIcon> read;
        auto found = read.constFind(glyph);
        if (found == read.constEnd())
            found = read.insert(glyph, QApplication::style()->standardIcon(glyph));
        return *found;
    });
}

} // namespace

QPushButton* MakeBitBtn(QWidget* parent, const char* name, TButtonKind kind, int left, int top)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, 75, 25);
    if (kind == TButtonKind::Ok) {
        button->setText(QCoreApplication::translate("DialogParts", "OK"));
        button->setIcon(glyphIcon(QStyle::SP_DialogOkButton));
        button->setDefault(true);
        if (auto* dialog = qobject_cast<QDialog*>(parent->window()))
            QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    } else {
        button->setText(QCoreApplication::translate("DialogParts", "&Close"));
        button->setIcon(glyphIcon(QStyle::SP_DialogCloseButton));
        QWidget* window = parent->window();
        QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    }
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QString& hint, bool showTooltip,
                        QStyle::StandardPixmap glyph)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    if (glyph != QStyle::SP_CustomBase)
        button->setIcon(glyphIcon(glyph));
    SetHint(button, hint, showTooltip);
    return button;
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, int captionPoints)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    // The caption alone is bold and blue; the controls inside keep their own
    // font and colour. Points as the forms give them, turned into pixels at
    // 96 dots per inch like every other size in the windows. The frame runs
    // through the middle of the caption, leaving the inside free from the
    // box's top edge for the controls placed there.
    const int pixels = qRound(captionPoints * 96.0 / 72.0);
    box->setStyleSheet(QStringLiteral("QGroupBox#%1 { color: #0000ff; font-weight: bold; "
                                      "font-size: %2px; border: 1px solid palette(mid); "
                                      "border-radius: 3px; margin-top: %3px; }"
                                      "QGroupBox#%1::title { subcontrol-origin: margin; "
                                      "subcontrol-position: top left; left: 8px; padding: 0 2px; }")
                           .arg(box->objectName())
                           .arg(pixels)
                           .arg(pixels / 2 + 1));
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QFont* font)
{
    auto* label = new QLabel(parent);
    if (font)
        label->setFont(*font);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void NameAfterCaption(QWidget* input, const QLabel* caption)
{
    QString name = caption->text();
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    input->setAccessibleName(name.trimmed());
}

void SetBoxColours(QWidget* box, const QColor& background, const QColor& text)
{
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, background);
    palette.setColor(QPalette::Disabled, QPalette::Window, background);
    box->setPalette(palette);
}

TCGauge* MakeRunGauge(QWidget* parent, const QRect& geometry)
{
    auto* gauge = new TCGauge(parent);
    gauge->setObjectName(QStringLiteral("CGauge1"));
    gauge->setGeometry(geometry);
    gauge->SetMaxValue(6);
    gauge->SetForeColor(clLightGreen);
    gauge->SetBackColor(ClassicPalette().color(QPalette::Button));
    return gauge;
}
