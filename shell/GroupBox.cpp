#include "shell/GroupBox.h"

#include <QGroupBox>
#include <QRect>

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, int captionPoints)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    // The caption alone is bold and blue; the controls inside keep their own
    // font and colour.
    // Points as the forms give them, turned into pixels at 96 dots per inch
    // like every other size in the windows.
    // The frame runs through the middle of the caption, leaving the inside
    // free from the box's top edge for the controls placed there.
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
