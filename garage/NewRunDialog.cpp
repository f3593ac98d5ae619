// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/NewRunDialog.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

NewRunDialog::NewRunDialog(const TimeSlip& start, QWidget* parent)
    : QDialog(parent)
    , start(start)
    , dateBox(new QDateTimeEdit(QDateTime(start.date, start.time), this))
    , messageLabel(new QLabel(this))
{
    setWindowTitle(tr("Add a Run"));
    setObjectName(QStringLiteral("newRunDialog"));
    auto* form = new QFormLayout;
    dateBox->setObjectName(QStringLiteral("runDate"));
    dateBox->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    dateBox->setCalendarPopup(true);
    dateBox->setAccessibleName(tr("Date and time of the run"));
    form->addRow(tr("&Date and time:"), dateBox);
    for (const SlipField field : AllSlipFields) {
        if (field == SlipField::Date)
            continue;
        auto* box = new QLineEdit(this);
        box->setObjectName(SlipFieldKey(field));
        box->setAccessibleName(SlipFieldHeader(field));
        if (IsNumberField(field)) {
            box->setAlignment(Qt::AlignRight);
            if (const std::optional<double> value = start.*NumberMember(field))
                box->setText(QLocale().toString(*value, 'f', SlipFieldDecimals(field)));
        } else {
            box->setText(field == SlipField::Track ? start.track : start.note);
        }
        shown.insert(field, box->text());
        form->addRow(SlipFieldHeader(field) + QLatin1Char(':'), box);
        boxes.insert(field, box);
    }
    messageLabel->setObjectName(QStringLiteral("newRunMessage"));
    messageLabel->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewRunDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewRunDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Type the figures of the time slip; a run needs its time and speed at the "
                                "quarter mile or at the eighth mile."),
                             this);
    intro->setWordWrap(true);
    setMinimumWidth(intro->fontMetrics().averageCharWidth() * 64);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(messageLabel);
    layout->addWidget(buttons);
}

QString NewRunDialog::Read(TimeSlip& run) const
{
    run = start;
    const QDateTime when = dateBox->dateTime();
    run.date = when.date();
    run.time = QTime(when.time().hour(), when.time().minute());
    run.track = boxes.value(SlipField::Track)->text().trimmed();
    run.note = boxes.value(SlipField::Note)->text();
    for (const SlipField field : AllSlipFields) {
        if (!IsNumberField(field))
            continue;
        // A value left as shown keeps the very value it was given (the
        // Conditions row's pressure has more decimals than it shows).
        const QString text = boxes.value(field)->text();
        if (text == shown.value(field))
            continue;
        if (const QString problem = SetTypedNumber(run, field, text); !problem.isEmpty())
            return problem;
    }
    return SlipProblem(run);
}

void NewRunDialog::accept()
{
    TimeSlip run;
    const QString problem = Read(run);
    messageLabel->setText(problem.isEmpty() ? QString() : tr("The run was not saved: %1").arg(problem));
    if (problem.isEmpty())
        QDialog::accept();
}
