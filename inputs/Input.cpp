#include "inputs/Input.h"

#include <QLineEdit>

TInputDlg* InputDlg = nullptr;

namespace {

QLineEdit* MakeMemo(QWidget* parent, const char* name, const char* text)
{
    auto* memo = new QLineEdit(QLatin1String(text), parent);
    memo->setObjectName(QLatin1String(name));
    return memo;
}

} // namespace

TInputDlg::TInputDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InputDlg"));
    setWindowTitle(QStringLiteral(" Torvane Data Input,,,"));
    setFixedSize(578, 338);
    THp = MakeMemo(this, "THp", "345.00");
    TGrillArea = MakeMemo(this, "TGrillArea", "5.20");
    TWindshieldArea = MakeMemo(this, "TWindshieldArea", "13.61");
    TWeight = MakeMemo(this, "TWeight", "3400.00");
    TCoeff = MakeMemo(this, "TCoeff", "0.29");
    TWindshieldAngle = MakeMemo(this, "TWindshieldAngle", "22.00");
    TAvailableShifts = MakeMemo(this, "TAvailableShifts", "5");
    TNumberOfShifts = MakeMemo(this, "TNumberOfShifts", "2");
    TSpinTime = MakeMemo(this, "TSpinTime", "0.75");
}
