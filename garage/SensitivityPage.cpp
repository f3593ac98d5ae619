#include "garage/SensitivityPage.h"

#include "garage/CarList.h"
#include "garage/CarProxies.h"
#include "garage/GarageSettings.h"
#include "garage/SensitivityModel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

SensitivityPage::SensitivityPage(CarList* cars, GarageSettings* settings, QWidget* parent)
    : QWidget(parent)
    , cars(cars)
    , settings(settings)
    , baseCars(new BaseCarsModel(cars, this))
    , carBox(new QComboBox(this))
    , model(new SensitivityModel(this))
    , table(new QTableView(this))
    , problem(new QLabel(this))
    , target(new QDoubleSpinBox(this))
    , solvePower(new QRadioButton(tr("the &horsepower"), this))
    , solveWeight(new QRadioButton(tr("the &weight, at the car's horsepower"), this))
    , solveButton(new QPushButton(tr("S&olve"), this))
    , answer(new QLabel(this))
{
    setObjectName(QStringLiteral("sensitivityPage"));
    carBox->setObjectName(QStringLiteral("sensitivityCar"));
    carBox->setAccessibleName(tr("Car to examine"));
    carBox->setModel(baseCars);
    auto* carLabel = new QLabel(tr("&Car:"), this);
    carLabel->setBuddy(carBox);
    connect(carBox, &QComboBox::activated, this, [this](int comboRow) {
        const QModelIndex source = baseCars->mapToSource(baseCars->index(comboRow, 0));
        if (source.isValid())
            this->cars->SetCurrentRow(source.row());
    });

    auto* tableBox = new QGroupBox(tr("Ten per cent less or more"), this);
    auto* tableLayout = new QVBoxLayout(tableBox);
    table->setObjectName(QStringLiteral("sensitivityTable"));
    table->setAccessibleName(tr("Sensitivity table"));
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    auto* note = new QLabel(tr("Each cell gives the new value and, in brackets, the change. "
                               "Figures in italics belong to a car outside the input ranges."),
                            tableBox);
    note->setWordWrap(true);
    problem->setObjectName(QStringLiteral("sensitivityProblem"));
    problem->setWordWrap(true);
    tableLayout->addWidget(problem);
    tableLayout->addWidget(table);
    tableLayout->addWidget(note);
    tableLayout->addStretch(1);

    auto* solveBox = new QGroupBox(tr("Target"), this);
    auto* solveLayout = new QGridLayout(solveBox);
    target->setObjectName(QStringLiteral("targetTime"));
    target->setAccessibleName(tr("Target quarter mile time in seconds"));
    target->setRange(1, 60);
    target->setDecimals(2);
    target->setSingleStep(0.1);
    target->setValue(12.5);
    target->setSuffix(tr(" s"));
    solvePower->setObjectName(QStringLiteral("solveHorsepower"));
    solveWeight->setObjectName(QStringLiteral("solveWeight"));
    solvePower->setChecked(true);
    solveButton->setObjectName(QStringLiteral("solveButton"));
    answer->setObjectName(QStringLiteral("solveAnswer"));
    answer->setWordWrap(true);
    answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* question = new QLabel(tr("A quarter mile &in"), solveBox);
    question->setBuddy(target);
    solveLayout->addWidget(question, 0, 0);
    solveLayout->addWidget(target, 0, 1);
    solveLayout->addWidget(new QLabel(tr("needs"), solveBox), 0, 2);
    auto* choices = new QVBoxLayout;
    choices->addWidget(solvePower);
    choices->addWidget(solveWeight);
    solveLayout->addLayout(choices, 0, 3);
    solveLayout->addWidget(solveButton, 0, 4);
    solveLayout->setColumnStretch(5, 1);
    solveLayout->addWidget(answer, 1, 0, 1, 6);
    connect(solveButton, &QPushButton::clicked, this, &SensitivityPage::Solve);

    auto* top = new QHBoxLayout;
    top->addWidget(carLabel);
    top->addWidget(carBox, 1);
    top->addStretch(2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tableBox);
    layout->addWidget(solveBox);
    layout->addStretch(1);

    model->SetUnitSystem(settings->Units());
    connect(settings, &GarageSettings::unitsChanged, this, [this](UnitSystem units) {
        model->SetUnitSystem(units);
        answer->clear();
    });
    // Eight runs of the engine take microseconds: the table follows at once.
    connect(cars->Selection(), &QItemSelectionModel::currentRowChanged, this, [this] {
        answer->clear();
        refreshTable();
    });
    connect(cars, &QAbstractItemModel::rowsRemoved, this, &SensitivityPage::refreshTable);
    connect(cars, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                const int row = CarRow();
                if (row >= first.row() && row <= last.row()
                    && (roles.isEmpty() || roles.contains(CarList::InputsRole) || roles.contains(CarList::IsVariantRole)))
                    refreshTable();
            });
    refreshTable();
}

int SensitivityPage::CarRow() const
{
    return cars->CurrentBaseRow();
}

void SensitivityPage::Solve()
{
    const int row = CarRow();
    if (row < 0)
        return;
    const CarInputs& car = cars->At(row).Inputs();
    const UnitSystem units = settings->Units();
    const bool weight = solveWeight->isChecked();
    const TargetAnswer result = SolveQuarterMile(car, weight ? SolveFor::CarWeight : SolveFor::Horsepower,
                                                 target->value());
    if (!result.problem.isEmpty()) {
        answer->setText(result.problem);
        return;
    }
    if (!result.reachable) {
        answer->setText(tr("A quarter mile in %1 s is not reachable within the ranges.")
                            .arg(locale().toString(target->value(), 'f', 2)));
        return;
    }
    const Quantity quantity = weight ? Quantity::Weight : Quantity::Power;
    answer->setText(tr("%1 %2 gives a quarter mile in %3 s.")
                        .arg(locale().toString(ToShown(result.value, quantity, units), 'f', weight ? 0 : 2),
                             UnitSymbol(quantity, units),
                             locale().toString(result.quarterMileTime, 'f', 3)));
}

QString SensitivityPage::AnswerText() const
{
    return answer->text();
}

void SensitivityPage::refreshTable()
{
    const int row = CarRow();
    {
        const QSignalBlocker blocker(carBox);
        carBox->setCurrentIndex(row >= 0 ? baseCars->mapFromSource(cars->index(row)).row() : -1);
    }
    if (row < 0) {
        model->SetCar(CarInputs{});
        problem->clear();
        return;
    }
    model->SetCar(cars->At(row).Inputs());
    problem->setText(model->Table().problem);
    problem->setVisible(!model->Table().problem.isEmpty());
    fitTable();
}

// The table as tall as its rows, so nothing is hidden behind a scroll bar.
void SensitivityPage::fitTable()
{
    const int height = table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length()
                       + 2 * table->frameWidth();
    table->setFixedHeight(height);
}
