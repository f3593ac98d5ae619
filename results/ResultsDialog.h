// SPDX-License-Identifier: GPL-3.0-or-later
// The results dialog: the twelve results of the last successful run in
// twelve small boxes, grouped as quarter mile, top speed and other. It keeps
// the texts FillResultsDialog wrote until the next successful run; the print
// job computes results of its own and never reads it.
#pragma once

#include "core/ResultTexts.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

class TOutputDlg : public QDialog
{
    Q_OBJECT

public:
    TOutputDlg();

    // Writes the results into the boxes: "%6.2f" or the picture format, and
    // "Forget it! " on yellow for a speed never reached, cream otherwise.
    void FillResultsDialog(const SimulationResults& results);

private:
    QLineEdit* Box(ResultField field) const { return boxes[static_cast<int>(field)]; }

    std::array<QLineEdit*, ResultFieldCount> boxes{};
    QPushButton* okButton;
};

// The background a result box shows.
QColor BoxColour(const QLineEdit* box);
