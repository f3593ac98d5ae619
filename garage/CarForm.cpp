#include "garage/CarForm.h"

#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "core/AreaSums.h"
#include "garage/CarList.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString fieldLabel(InputField field)
{
    switch (field) {
    case InputField::Horsepower: return CarForm::tr("&Horsepower:");
    case InputField::GrillArea: return CarForm::tr("&Grill area:");
    case InputField::WindshieldArea: return CarForm::tr("&Windshield area:");
    case InputField::CarWeight: return CarForm::tr("Car &weight:");
    case InputField::DragCoefficient: return CarForm::tr("&Drag coefficient:");
    case InputField::WindshieldAngle: return CarForm::tr("Windshield &angle:");
    case InputField::AvailableShifts: return CarForm::tr("A&vailable shifts:");
    case InputField::QuarterMileShifts: return CarForm::tr("&Quarter mile shifts:");
    case InputField::SpinTime: return CarForm::tr("&Spin time:");
    }
    return QString();
}

QString fieldUnit(InputField field, UnitSystem units)
{
    if (field == InputField::WindshieldAngle)
        return CarForm::tr("degrees");
    return UnitSymbol(FieldQuantity(field), units);
}

const RangeTest& rangeOf(InputField field)
{
    for (const RangeTest& test : RangeTests())
        if (test.field == field)
            return test;
    return RangeTests().front();
}

} // namespace

CarForm::CarForm(CarList* cars, QWidget* parent)
    : QWidget(parent)
    , cars(cars)
    , nameBox(new QLineEdit(this))
    , frontalArea(new QLabel(this))
{
    setObjectName(QStringLiteral("carForm"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* inputs = new QGroupBox(tr("Car"), this);
    auto* grid = new QGridLayout(inputs);
    grid->setColumnStretch(3, 1);
    auto* nameLabel = new QLabel(tr("&Name:"), inputs);
    nameLabel->setBuddy(nameBox);
    nameBox->setObjectName(QStringLiteral("carName"));
    nameBox->setAccessibleName(tr("Car name"));
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameBox, 0, 1, 1, 3);
    connect(nameBox, &QLineEdit::textEdited, this, &CarForm::onNameEdited);

    int row = 1;
    for (InputField field : AllInputFields) {
        const int i = static_cast<int>(field);
        labels[i] = new QLabel(fieldLabel(field), inputs);
        boxes[i] = new QLineEdit(inputs);
        boxes[i]->setObjectName(FieldKey(field));
        boxes[i]->setAccessibleName(FieldName(field));
        boxes[i]->setMaximumWidth(boxes[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
        labels[i]->setBuddy(boxes[i]);
        unitLabels[i] = new QLabel(inputs);
        messages[i] = new QLabel(inputs);
        messages[i]->setObjectName(FieldKey(field) + QStringLiteral("Message"));
        messages[i]->setWordWrap(true);
        messages[i]->setTextFormat(Qt::PlainText);
        messages[i]->setMinimumWidth(160);
        grid->addWidget(labels[i], row, 0);
        grid->addWidget(boxes[i], row, 1);
        grid->addWidget(unitLabels[i], row, 2);
        grid->addWidget(messages[i], row, 3);
        connect(boxes[i], &QLineEdit::textEdited, this, [this, field] { onBoxEdited(field); });
        ++row;
    }
    frontalArea->setObjectName(QStringLiteral("frontalArea"));
    grid->addWidget(new QLabel(tr("Frontal area:"), inputs), row, 0);
    grid->addWidget(frontalArea, row, 1, 1, 3);
    layout->addWidget(inputs);

    // The area calculator's sums, in inches as the classic calculator takes them.
    auto* sums = new QGroupBox(tr("Areas from measurements"), this);
    auto* sumsGrid = new QGridLayout(sums);
    const QString parts[2] = { tr("Grill"), tr("Windshield") };
    const InputField targets[2] = { InputField::GrillArea, InputField::WindshieldArea };
    for (int k = 0; k < 2; ++k) {
        auto* width = new QLineEdit(sums);
        auto* height = new QLineEdit(sums);
        width->setObjectName(k == 0 ? QStringLiteral("grillWidthInches") : QStringLiteral("windshieldWidthInches"));
        height->setObjectName(k == 0 ? QStringLiteral("grillHeightInches") : QStringLiteral("windshieldHeightInches"));
        width->setAccessibleName(tr("%1 width in inches").arg(parts[k]));
        height->setAccessibleName(tr("%1 height in inches").arg(parts[k]));
        width->setPlaceholderText(tr("width"));
        height->setPlaceholderText(tr("height"));
        for (QLineEdit* edit : { width, height }) {
            edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
            connect(edit, &QLineEdit::textEdited, this, &CarForm::refreshAreas);
        }
        inches[2 * k] = width;
        inches[2 * k + 1] = height;
        areaResults[k] = new QLabel(sums);
        useButtons[k] = new QPushButton(tr("Use"), sums);
        useButtons[k]->setObjectName(k == 0 ? QStringLiteral("useGrillArea") : QStringLiteral("useWindshieldArea"));
        useButtons[k]->setAccessibleName(tr("Use as the %1 area").arg(parts[k].toLower()));
        useButtons[k]->setToolTip(tr("Put this area into the car's %1 area").arg(parts[k].toLower()));
        const InputField target = targets[k];
        connect(useButtons[k], &QPushButton::clicked, this, [this, target] { useArea(target); });
        sumsGrid->addWidget(new QLabel(parts[k], sums), k, 0);
        sumsGrid->addWidget(width, k, 1);
        sumsGrid->addWidget(new QLabel(tr("×"), sums), k, 2);
        sumsGrid->addWidget(height, k, 3);
        sumsGrid->addWidget(new QLabel(tr("in ="), sums), k, 4);
        sumsGrid->addWidget(areaResults[k], k, 5);
        sumsGrid->addWidget(useButtons[k], k, 6);
    }
    sumsGrid->setColumnStretch(5, 1);
    layout->addWidget(sums);
    layout->addStretch(1);

    connect(cars, &CarList::carChanged, this, &CarForm::onCarChanged);
    connect(cars, &CarList::listChanged, this, [this] {
        if (carIndex >= this->cars->Count())
            SetCarIndex(this->cars->Count() - 1);
        else
            SetCarIndex(carIndex);
    });
    refreshUnits();
    SetCarIndex(-1);
}

void CarForm::SetCarIndex(int index)
{
    carIndex = index;
    const bool any = cars && index >= 0 && index < cars->Count();
    setEnabled(any);
    if (!any) {
        carIndex = -1;
        nameBox->clear();
        for (QLineEdit* box : boxes)
            box->clear();
        for (QLabel* message : messages)
            message->clear();
        frontalArea->clear();
        return;
    }
    nameBox->setText(cars->At(index).name);
    refreshBoxes(true);
    refreshMessages();
    refreshAreas();
}

void CarForm::SetUnitSystem(UnitSystem newUnits)
{
    units = newUnits;
    refreshUnits();
    if (carIndex >= 0) {
        refreshBoxes(true);
        refreshMessages();
    }
    refreshAreas();
}

void CarForm::onBoxEdited(InputField field)
{
    if (carIndex < 0)
        return;
    cars->SetText(carIndex, field, ClassicFieldText(Box(field)->text(), field, units));
}

void CarForm::onNameEdited()
{
    if (carIndex >= 0 && !nameBox->text().trimmed().isEmpty())
        cars->SetName(carIndex, nameBox->text().trimmed());
}

void CarForm::onCarChanged(int index)
{
    if (index != carIndex)
        return;
    // The box being typed in keeps what the user typed.
    refreshBoxes(false);
    refreshMessages();
    if (!nameBox->hasFocus())
        nameBox->setText(cars->At(index).name);
}

void CarForm::refreshBoxes(bool evenFocused)
{
    const CarTexts& texts = cars->At(carIndex).texts;
    for (InputField field : AllInputFields) {
        QLineEdit* box = Box(field);
        if (!evenFocused && box->hasFocus())
            continue;
        if (evenFocused || ClassicFieldText(box->text(), field, units) != texts[field])
            box->setText(ShownFieldText(texts[field], field, units));
    }
}

void CarForm::refreshMessages()
{
    const CarInputs car = ConvertTexts(cars->At(carIndex).texts);
    for (InputField field : AllInputFields) {
        QString message = FieldRangeMessage(car, field);
        const Quantity quantity = FieldQuantity(field);
        if (!message.isEmpty() && units == UnitSystem::Metric && ToShown(1, quantity, units) != 1) {
            const RangeTest& range = rangeOf(field);
            const int decimals = ShownDecimals(quantity, units);
            message += QLatin1Char(' ')
                       + tr("(%1 to %2 %3)")
                             .arg(locale().toString(ToShown(range.low, quantity, units), 'f', decimals),
                                  locale().toString(ToShown(range.high, quantity, units), 'f', decimals),
                                  UnitSymbol(quantity, units));
        }
        QLabel* label = Message(field);
        label->setText(message);
        Box(field)->setAccessibleDescription(message);
        label->setToolTip(message);
    }
    const double area = car.FrontalArea();
    frontalArea->setText(tr("%1 %2").arg(
        locale().toString(ToShown(area, Quantity::Area, units), 'f', ShownDecimals(Quantity::Area, units)),
        UnitSymbol(Quantity::Area, units)));
}

void CarForm::refreshUnits()
{
    for (InputField field : AllInputFields)
        unitLabels[static_cast<int>(field)]->setText(fieldUnit(field, units));
}

void CarForm::refreshAreas()
{
    for (int k = 0; k < 2; ++k) {
        const bool typed = !inches[2 * k]->text().trimmed().isEmpty()
                           && !inches[2 * k + 1]->text().trimmed().isEmpty();
        useButtons[k]->setEnabled(typed && carIndex >= 0);
        if (!typed) {
            areaResults[k]->setText(QStringLiteral("—"));
            continue;
        }
        const QString area = AreaText(inches[2 * k]->text(), inches[2 * k + 1]->text()).trimmed();
        areaResults[k]->setText(tr("%1 %2").arg(ShownFieldText(area, InputField::GrillArea, units),
                                                 UnitSymbol(Quantity::Area, units)));
    }
}

void CarForm::useArea(InputField field)
{
    if (carIndex < 0)
        return;
    const int k = field == InputField::GrillArea ? 0 : 1;
    cars->SetText(carIndex, field, AreaText(inches[2 * k]->text(), inches[2 * k + 1]->text()).trimmed());
    refreshBoxes(true);
}
