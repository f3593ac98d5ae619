// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/ImportColumnsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

ImportColumnsDialog::ImportColumnsDialog(const QStringList& headers, const QHash<QString, SlipColumn>& chosen,
                                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Columns of the Sheet"));
    setObjectName(QStringLiteral("importColumnsDialog"));
    auto* form = new QFormLayout;
    const QList<SlipColumn> columns = ChoosableSlipColumns();
    for (const QString& header : headers) {
        auto* box = new QComboBox(this);
        box->setAccessibleName(tr("What the column “%1” holds").arg(header));
        for (const SlipColumn& column : columns)
            box->addItem(SlipColumnName(column), SlipColumnKey(column));
        box->setCurrentIndex(static_cast<int>(columns.indexOf(chosen.value(header, SlipColumn{}))));
        form->addRow(tr("“%1”:").arg(header), box);
        boxes.insert(header, box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportColumnsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportColumnsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("The import does not know these columns by their headers. Choose what each holds, "
                                "or ignore it; the choice is kept for the next sheet with the same columns."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QHash<QString, SlipColumn> ImportColumnsDialog::Columns() const
{
    QHash<QString, SlipColumn> columns;
    for (auto it = boxes.cbegin(); it != boxes.cend(); ++it)
        columns.insert(it.key(), SlipColumnFromKey(it.value()->currentData().toString()).value_or(SlipColumn{}));
    return columns;
}
