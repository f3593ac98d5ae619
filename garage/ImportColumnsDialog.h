// SPDX-License-Identifier: GPL-3.0-or-later
// ImportColumnsDialog: what the columns of a sheet hold that the import does
// not know by their headers. One choice a column: a field of the run, the
// altimeter setting, or to ignore it. The page remembers the answer for the
// next sheet with the same header line (GarageSettings::ImportColumns).
#pragma once

#include "logbook/SlipsCsv.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

class QComboBox;

class ImportColumnsDialog : public QDialog
{
    Q_OBJECT

public:
    // The unknown headers, each with its choice so far (to ignore it when
    // none is given).
    ImportColumnsDialog(const QStringList& headers, const QHash<QString, SlipColumn>& chosen,
                        QWidget* parent = nullptr);

    QHash<QString, SlipColumn> Columns() const;
    QComboBox* BoxOf(const QString& header) const { return boxes.value(header); }

private:
    QHash<QString, QComboBox*> boxes;
};
