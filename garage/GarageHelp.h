// SPDX-License-Identifier: GPL-3.0-or-later
// GarageHelp: the garage's help, in a window of its own that stays open
// beside the main window (never modal).
#pragma once

#include <QDialog>

class GarageHelp : public QDialog
{
    Q_OBJECT

public:
    explicit GarageHelp(QWidget* parent = nullptr);
    static QString HelpText();
};
