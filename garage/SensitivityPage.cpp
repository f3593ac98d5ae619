// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/SensitivityPage.h"

#include "garage/CarList.h"
#include "garage/CarProxies.h"
#include "garage/GarageSettings.h"
#include "garage/SensitivityModel.h"
#include "garage/TabChain.h"

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
    , figureBox(new QComboBox(this))
    , target(new QDoubleSpinBox(this))
    , solvePower(new QRadioButton(tr("the horsepower"), this))
    , solveWeight(new QRadioButton(tr("the weight, at the car's horsepower"), this))
    , solveButton(new QPushButton(tr("S&olve"), this))
    , applyButton(new QPushButton(tr("Appl&y to What if"), this))
    , answer(new QLabel(this))
{
    setObjectName(QStringLiteral("sensitivityPage"));
    carBox->setObjectName(QStringLiteral("sensitivityCar"));
    carBox->setAccessibleName(tr("Car to examine"));
    carBox->setModel(baseCars);
    auto* carLabel = new QLabel(tr("Car:"), this);
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
    figureBox->setObjectName(QStringLiteral("targetFigure"));
    figureBox->setAccessibleName(tr("Figure to reach"));
    figureBox->addItem(tr("A quarter mile in"), int(SensitivityFigure::QuarterMileTime));
    figureBox->addItem(tr("A trap speed of"), int(SensitivityFigure::QuarterMileSpeed));
    figureBox->addItem(tr("0-60 mph in"), int(SensitivityFigure::ZeroToSixtyTime));
    target->setObjectName(QStringLiteral("targetTime"));
    target->setAccessibleName(tr("Target"));
    target->setDecimals(2);
    target->setSingleStep(0.1);
    solvePower->setObjectName(QStringLiteral("solveHorsepower"));
    solveWeight->setObjectName(QStringLiteral("solveWeight"));
    solvePower->setChecked(true);
    solveButton->setObjectName(QStringLiteral("solveButton"));
    applyButton->setObjectName(QStringLiteral("applyToWhatIf"));
    applyButton->setEnabled(false);
    answer->setObjectName(QStringLiteral("solveAnswer"));
    answer->setWordWrap(true);
    answer->setTextFormat(Qt::PlainText);
    answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* question = new QLabel(tr("Ta&rget:"), solveBox);
    question->setBuddy(figureBox);
    solveLayout->addWidget(question, 0, 0);
    solveLayout->addWidget(figureBox, 0, 1);
    solveLayout->addWidget(target, 0, 2);
    solveLayout->addWidget(new QLabel(tr("needs"), solveBox), 0, 3);
    auto* choices = new QVBoxLayout;
    choices->addWidget(solvePower);
    choices->addWidget(solveWeight);
    solveLayout->addLayout(choices, 0, 4);
    solveLayout->addWidget(solveButton, 0, 5);
    solveLayout->setColumnStretch(6, 1);
    solveLayout->addWidget(answer, 1, 0, 1, 7);
    auto* applyRow = new QHBoxLayout;
    applyRow->addWidget(applyButton);
    applyRow->addStretch(1);
    solveLayout->addLayout(applyRow, 2, 0, 1, 7);
    connect(solveButton, &QPushButton::clicked, this, &SensitivityPage::Solve);
    connect(applyButton, &QPushButton::clicked, this, &SensitivityPage::applyToWhatIf);
    connect(figureBox, &QComboBox::currentIndexChanged, this, [this] {
        refreshTargetUnits();
        clearAnswer();
    });
    for (QRadioButton* choice : { solvePower, solveWeight })
        connect(choice, &QRadioButton::toggled, this, &SensitivityPage::clearAnswer);
    refreshTargetUnits();
    target->setValue(12.5);

    auto* top = new QHBoxLayout;
    top->addWidget(carLabel);
    top->addWidget(carBox, 1);
    top->addStretch(2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tableBox);
    layout->addWidget(solveBox);
    layout->addStretch(1);

    SetTabChain({ carBox, table, figureBox, target, solvePower, solveWeight, solveButton, applyButton });
    table->setTabKeyNavigation(false);

    model->SetUnitSystem(settings->Units());
    connect(settings, &GarageSettings::unitsChanged, this, [this](UnitSystem units) {
        model->SetUnitSystem(units);
        refreshTargetUnits();
        clearAnswer();
    });
    // Eight runs of the engine take microseconds: the table follows at once.
    connect(cars->Selection(), &QItemSelectionModel::currentRowChanged, this, [this] {
        clearAnswer();
        refreshTable();
    });
    connect(cars, &QAbstractItemModel::rowsRemoved, this, &SensitivityPage::refreshTable);
    auto* shownCar = new OneCarModel(cars, [this] { return CarRow(); }, this);
    connect(shownCar, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(CarList::InputsRole) || roles.contains(CarList::IsVariantRole))
                    refreshTable();
            });
    // The day's air or the model changes every car's figures: the table
    // follows, and an answer found for the old day no longer holds.
    connect(cars, &CarList::runsChanged, this, [this] {
        clearAnswer();
        refreshTable();
    });
    refreshTable();
}

int SensitivityPage::CarRow() const
{
    return cars->CurrentBaseRow();
}

SensitivityFigure SensitivityPage::TargetFigure() const
{
    return static_cast<SensitivityFigure>(figureBox->currentData().toInt());
}

// A target speed is typed in the units shown; times are seconds.
void SensitivityPage::refreshTargetUnits()
{
    const bool speed = TargetFigure() == SensitivityFigure::QuarterMileSpeed;
    const UnitSystem units = settings->Units();
    const QSignalBlocker blocker(target);
    if (speed) {
        target->setRange(ToShown(20, Quantity::Speed, units), ToShown(400, Quantity::Speed, units));
        target->setValue(ToShown(110, Quantity::Speed, units));
    } else {
        target->setRange(1, 60);
        target->setValue(TargetFigure() == SensitivityFigure::ZeroToSixtyTime ? 5 : 12.5);
    }
    target->setSuffix(QLatin1Char(' ') + UnitSymbol(speed ? Quantity::Speed : Quantity::Time, units));
}

void SensitivityPage::clearAnswer()
{
    answer->clear();
    applyButton->setEnabled(false);
    solved = TargetAnswer();
}

void SensitivityPage::Solve()
{
    clearAnswer();
    const int row = CarRow();
    if (row < 0)
        return;
    const CarInputs& car = cars->At(row).Inputs();
    const UnitSystem units = settings->Units();
    const ModelCar modelCar = cars->ModelCarAt(row);
    const SensitivityFigure figure = TargetFigure();
    const Quantity figureQuantity = SensitivityModel::QuantityOf(figure);
    const double goal = FromShown(target->value(), figureQuantity, units);
    solvedFor = solveWeight->isChecked() ? SolveFor::CarWeight : SolveFor::Horsepower;
    const TargetAnswer result = SolveTarget(modelCar, solvedFor, figure, goal, cars->Air(), cars->Model());

    auto figureText = [&](double value) {
        const QString number = locale().toString(ToShown(value, figureQuantity, units), 'f', 2);
        switch (figure) {
        case SensitivityFigure::QuarterMileSpeed:
            return tr("a trap speed of %1 %2").arg(number, UnitSymbol(Quantity::Speed, units));
        case SensitivityFigure::ZeroToSixtyTime: return tr("0-60 mph in %1 s").arg(number);
        default: return tr("a quarter mile in %1 s").arg(number);
        }
    };
    if (!result.problem.isEmpty()) {
        answer->setText(result.problem);
        return;
    }
    if (!result.reachable) {
        const QString number = locale().toString(target->value(), 'f', 2);
        switch (figure) {
        case SensitivityFigure::QuarterMileSpeed:
            answer->setText(tr("A trap speed of %1 %2 is not reachable within the ranges.")
                                .arg(number, UnitSymbol(Quantity::Speed, units)));
            break;
        case SensitivityFigure::ZeroToSixtyTime:
            answer->setText(tr("0-60 mph in %1 s is not reachable within the ranges.").arg(number));
            break;
        default:
            answer->setText(tr("A quarter mile in %1 s is not reachable within the ranges.").arg(number));
        }
        return;
    }
    const bool weight = solvedFor == SolveFor::CarWeight;
    const Quantity quantity = weight ? Quantity::Weight : Quantity::Power;
    const int decimals = weight ? 0 : 2;
    const double own = weight ? car.carWeight : car.horsepower;
    const double change = ToShown(result.value, quantity, units) - ToShown(own, quantity, units);
    // "3,102 lb (−298 lb)": the value and how far it is from the car's own.
    const QString changeText = SignedDifferenceText(change, decimals, locale());
    const QString value = tr("%1 %2 (%3 %2)")
                              .arg(locale().toString(ToShown(result.value, quantity, units), 'f', decimals),
                                   UnitSymbol(quantity, units), changeText);
    if (result.wholeRange)
        answer->setText(tr("%1, the end of the range, already gives %2, and so does every value beyond it.")
                            .arg(value, figureText(result.figure)));
    else
        answer->setText(tr("%1 gives %2.").arg(value, figureText(result.figure)));
    solved = result;
    applyButton->setEnabled(true);
}

// The answer becomes the what-if variant's value, one undoable edit.
void SensitivityPage::applyToWhatIf()
{
    const int row = CarRow();
    if (row < 0 || !solved.reachable)
        return;
    const InputField field = solvedFor == SolveFor::CarWeight ? InputField::CarWeight : InputField::Horsepower;
    const int variant = cars->VariantRowOf(row);
    if (variant >= 0)
        cars->EditNumber(variant, field, solved.value);
    else
        cars->StartVariant(row, field, solved.value);
    emit appliedToWhatIf();
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
    model->SetCar(cars->ModelCarAt(row), cars->Air(), cars->Model());
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
