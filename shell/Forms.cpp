#include "shell/Forms.h"

#include "shell/Fonts.h"
#include "shell/Hints.h"
#include "shell/Main.h"
#include "widgets/Cgauges.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

QWidget* ModalOwner(const QWidget* dialog)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == dialog)
        owner = QApplication::activeWindow();
    if (!owner || owner == dialog)
        owner = MainForm;
    return owner == dialog ? nullptr : owner;
}

int ShowModal(QDialog* dialog)
{
    if (dialog->isVisible())
        throw EInvalidOperation("Cannot make a visible window modal");
    // The program's dialogs have no parent window, so the window system is
    // told which window each belongs to: it then keeps the dialog above it,
    // also above the control dialog, which stays on top.
    if (QWidget* owner = ModalOwner(dialog)) {
        dialog->winId();
        owner->winId();
        dialog->windowHandle()->setTransientParent(owner->windowHandle());
    }
    return dialog->exec();
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

QPushButton* MakeBitBtn(QWidget* parent, const char* name, TButtonKind kind, int left, int top)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, 75, 25);
    QStyle* style = button->style();
    if (kind == TButtonKind::Ok) {
        button->setText(QStringLiteral("OK"));
        button->setIcon(style->standardIcon(QStyle::SP_DialogOkButton, nullptr, button));
        button->setDefault(true);
        if (auto* dialog = qobject_cast<QDialog*>(parent->window()))
            QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    } else {
        button->setText(QStringLiteral("&Close"));
        button->setIcon(style->standardIcon(QStyle::SP_DialogCloseButton, nullptr, button));
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
        button->setIcon(button->style()->standardIcon(glyph, nullptr, button));
    SetHint(button, hint, showTooltip);
    return button;
}

TCGauge* MakeRunGauge(QWidget* parent, const QRect& geometry)
{
    auto* gauge = new TCGauge(parent);
    gauge->setObjectName(QStringLiteral("CGauge1"));
    gauge->setGeometry(geometry);
    gauge->SetMaxValue(6);
    gauge->SetForeColor(clLightGreen);
    gauge->SetBackColor(parent->palette().color(QPalette::Button));
    return gauge;
}
