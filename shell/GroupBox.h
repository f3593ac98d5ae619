// A captioned group box as the dialogs use it: caption in bold blue, the
// controls inside placed relative to the box.
#pragma once

class QGroupBox;
class QRect;
class QString;
class QWidget;

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, int captionPoints = 8);
