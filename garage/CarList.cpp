#include "garage/CarList.h"

#include <charconv>

namespace {

// The shortest text that reads back as the same double.
QString exactText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

} // namespace

CarList::CarList(QObject* parent)
    : QObject(parent)
{
}

int CarList::IndexOf(int id) const
{
    for (int i = 0; i < Count(); ++i)
        if (cars[static_cast<std::size_t>(i)].id == id)
            return i;
    return -1;
}

int CarList::Add(const QString& name, const CarTexts& texts, const QString& path)
{
    emit aboutToChangeList();
    GarageCar car;
    car.id = nextId++;
    car.name = name;
    car.path = path;
    car.texts = texts;
    evaluate(car);
    cars.push_back(std::move(car));
    emit listChanged();
    return Count() - 1;
}

int CarList::AddVariant(int baseIndex)
{
    const GarageCar base = At(baseIndex);
    emit aboutToChangeList();
    GarageCar car;
    car.id = nextId++;
    car.name = tr("%1 (what if)").arg(base.name);
    car.texts = base.texts;
    car.variantOf = base.id;
    car.modified = true;
    evaluate(car);
    cars.push_back(std::move(car));
    emit listChanged();
    return Count() - 1;
}

void CarList::Remove(int index)
{
    emit aboutToChangeList();
    cars.erase(cars.begin() + index);
    emit listChanged();
}

void CarList::SetText(int index, InputField field, const QString& text)
{
    GarageCar& car = cars.at(static_cast<std::size_t>(index));
    if (car.texts[field] == text)
        return;
    car.texts[field] = text;
    car.modified = true;
    evaluate(car);
    emit carChanged(index);
}

void CarList::SetTexts(int index, const CarTexts& texts)
{
    GarageCar& car = cars.at(static_cast<std::size_t>(index));
    if (car.texts == texts)
        return;
    car.texts = texts;
    car.modified = true;
    evaluate(car);
    emit carChanged(index);
}

void CarList::SetInputs(int index, const CarInputs& inputs)
{
    SetTexts(index, TextsFor(inputs));
}

void CarList::SetName(int index, const QString& name)
{
    GarageCar& car = cars.at(static_cast<std::size_t>(index));
    if (car.name == name)
        return;
    car.name = name;
    emit carChanged(index);
}

void CarList::MarkSaved(int index, const QString& path)
{
    GarageCar& car = cars.at(static_cast<std::size_t>(index));
    car.path = path;
    car.modified = false;
    emit carChanged(index);
}

void CarList::Detach(int index)
{
    GarageCar& car = cars.at(static_cast<std::size_t>(index));
    car.variantOf = -1;
    emit carChanged(index);
}

CarTexts CarList::TextsFor(const CarInputs& inputs)
{
    CarTexts texts;
    for (InputField field : AllInputFields)
        texts[field] = IsCountField(field) ? QString::number(static_cast<int>(inputs.Value(field)))
                                           : exactText(inputs.Value(field));
    return texts;
}

void CarList::evaluate(GarageCar& car)
{
    car.evaluation = EvaluateCar(ConvertTexts(car.texts));
}
