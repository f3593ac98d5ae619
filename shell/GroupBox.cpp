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
    box->setStyleSheet(QStringLiteral("QGroupBox#%1 { color: #0000ff; font-weight: bold; "
                                      "font-size: %2px; }")
                           .arg(box->objectName())
                           .arg(qRound(captionPoints * 96.0 / 72.0)));
    return box;
}
