#pragma once

#include <QString>

class QLabel;
class QWidget;

// A plain-text label at a given place, as wide as its text.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top);
