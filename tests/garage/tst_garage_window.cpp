// SPDX-License-Identifier: GPL-3.0-or-later
// The garage window's file, export and form paths, driven through their
// routines (never a modal dialog): failures go to the message bar and the
// car being edited is never lost.
#include "GarageFixture.h"
#include "FileSupport.h"

#include "core/CarRun.h"
#include "core/InputChecks.h"
#include "core/VehicleFile.h"
#include "garage/Sensitivity.h"
#include "garage/CarForm.h"
#include "garage/ConditionsBox.h"
#include "core/DayRun.h"
#include "garage/CarList.h"
#include "garage/CarProxies.h"
#include "garage/ComparisonModel.h"
#include "garage/CurveCharts.h"
#include "garage/MeasuredHeader.h"
#include "garage/MessageBar.h"
#include "garage/GarageReport.h"
#include "garage/SensitivityModel.h"
#include "garage/SensitivityPage.h"
#include "garage/WhatIfPage.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QUndoStack>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QUndoStack>
#include <QValueAxis>

#include <memory>

namespace {

// A page that keeps the texts drawn on it, and whether each was bold.
class TextPage : public QPaintDevice
{
public:
    struct Text {
        QString text;
        bool bold;
    };
    QList<Text> texts;

    QPaintEngine* paintEngine() const override { return engine.get(); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 2100;
        case PdmHeight: return 2970;
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 254;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(TextPage* page) : QPaintEngine(AllFeatures), page(page) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override
        {
            page->texts.append({ item.text(), item.font().bold() });
        }
        Type type() const override { return User; }
        TextPage* page;
    };
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(this);
};

} // namespace

class TestGarageWindow : public QObject, protected GarageFixture
{
    Q_OBJECT

private slots:
    void init() { StartGarage(); }

    void cleanup() { EndGarage(); }

    void theWindowHasItsIcon()
    {
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(!window->windowIcon().pixmap(32, 32).isNull()); // the picture can be drawn
    }

    void startsWithTheDefaultCar()
    {
        QCOMPARE(program->Cars().Count(), 1);
        QCOMPARE(program->Cars().At(0).Texts(), CarTexts::DefaultCar());
        QCOMPARE(window->Form()->Box(InputField::Horsepower)->text(), QStringLiteral("345.00"));
        QVERIFY(!window->Messages()->isVisibleTo(window));
    }

    void opensTheFilesOfTheCommandLine()
    {
        const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
        GarageProgram started(dir->filePath(QStringLiteral("other.ini")));
        started.Start({ examples + QStringLiteral("/supercar.trv"), dir->filePath(QStringLiteral("none.trv")) });
        QCOMPARE(started.Cars().Count(), 1); // no default car beside a file that opened
        QCOMPARE(started.Cars().At(0).name, QStringLiteral("supercar"));
        QVERIFY(started.Window().Messages()->Text().contains(QStringLiteral("none.trv")));
    }

    void fileErrorsKeepTheCarBeingEdited_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing file") << "gone.trv" << QByteArray();
        QTest::newRow("no .trv in the name") << "car.txt" << QByteArray("1 2 3 4 5 6 7 8 9");
        QTest::newRow("too few words") << "short.trv" << QByteArray("345\r\n0.29\r\n");
    }
    void fileErrorsKeepTheCarBeingEdited()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QLineEdit* box = window->Form()->Box(InputField::Horsepower);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("402.5"));
        QCOMPARE(program->Cars().At(0).Texts()[InputField::Horsepower], QStringLiteral("402.5"));

        const QString path = dir->filePath(name);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        // The reader's own message, or the extension rule's.
        const QString message = VehicleFile::HasTrvExtension(path) ? VehicleFile::Load(path).error
                                                                   : ExtensionMessage();
        QVERIFY(!message.isEmpty());
        QVERIFY(!window->Files()->OpenFile(path));
        QVERIFY(window->Messages()->isVisibleTo(window));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Error);
        QVERIFY2(window->Messages()->Text().contains(message), qPrintable(window->Messages()->Text()));
        QCOMPARE(program->Cars().Count(), 1);
        QCOMPARE(program->Cars().At(0).Texts()[InputField::Horsepower], QStringLiteral("402.5"));
        QVERIFY(program->Cars().IsUnsaved(0));
        QCOMPARE(box->text(), QStringLiteral("402.5"));
        QCOMPARE(window->CurrentCar(), 0);
    }

    void opensTheSampleCars()
    {
        const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
        QVERIFY(window->Files()->OpenFile(examples + QStringLiteral("/economy-car.trv")));
        QVERIFY(window->Files()->OpenFile(examples + QStringLiteral("/supercar.trv")));
        QCOMPARE(window->Comparison()->columnCount(), 3);
        QCOMPARE(window->Charts()->CurveCount(), 3);
    }

    void metricForm()
    {
        program->Settings().SetUnits(UnitSystem::Metric);
        QCOMPARE(program->Settings().Units(), UnitSystem::Metric);
        QLineEdit* power = window->Form()->Box(InputField::Horsepower);
        QCOMPARE(power->text(), QStringLiteral("257.27")); // 345 hp in kW
        power->setFocus();
        power->selectAll();
        QTest::keyClicks(power, QStringLiteral("200"));
        QCOMPARE(program->Cars().At(0).Texts()[InputField::Horsepower], QStringLiteral("268.20"));
        power->selectAll();
        QTest::keyClicks(power, QStringLiteral("50"));
        const QString message = window->Form()->Message(InputField::Horsepower)->text();
        QVERIFY(message.startsWith(QStringLiteral("The horsepower must be between 100.00 and 1500.00")));
        QVERIFY(message.contains(QStringLiteral("kW")));
        QCOMPARE(window->Form()->Box(InputField::CarWeight)->text(), QStringLiteral("1542.21"));
        program->Settings().SetUnits(UnitSystem::Imperial);
        QCOMPARE(window->Form()->Box(InputField::CarWeight)->text(), QStringLiteral("3400.00"));
    }

    // An empty road field shows greyed the typical value the road model
    // takes, which follows the other fields: an electric car has a direct
    // drive and revs higher.
    void roadFieldsShowTheTypicalValues()
    {
        CarForm* form = window->Form();
        auto* engine = qobject_cast<QComboBox*>(form->RoadControl(RoadKey::Engine));
        auto* transmission = qobject_cast<QComboBox*>(form->RoadControl(RoadKey::Transmission));
        auto* redline = qobject_cast<QLineEdit*>(form->RoadControl(RoadKey::Redline));
        QVERIFY(engine && transmission && redline);
        QCOMPARE(transmission->currentIndex(), -1);
        QCOMPARE(transmission->placeholderText(), QStringLiteral("Automatic (typical)"));
        QVERIFY(redline->text().isEmpty());
        const QString combustionRedline = redline->placeholderText();
        const int electric = engine->findData(QStringLiteral("electric"));
        engine->setCurrentIndex(electric);
        emit engine->activated(electric);
        QCOMPARE(program->Cars().At(0).values.RoadText(RoadKey::Engine), QStringLiteral("electric"));
        QCOMPARE(transmission->placeholderText(), QStringLiteral("Direct drive (typical)"));
        QCOMPARE(form->RoadControl(RoadKey::Gears)->property("placeholderText").toString(), QStringLiteral("1"));
        QVERIFY(redline->placeholderText().toDouble() > combustionRedline.toDouble());
        // A bad value is named under its field, as typed.
        redline->setFocus();
        QTest::keyClicks(redline, QStringLiteral("99"));
        QVERIFY(form->RoadMessage(RoadKey::Redline)->text().startsWith(QStringLiteral("The redline must be between")));
        // Undo takes back the stretch of typing, then the engine.
        QCOMPARE(program->Cars().UndoStack()->count(), 2);
        program->Cars().UndoStack()->undo();
        QVERIFY(redline->text().isEmpty());
        QVERIFY(form->RoadMessage(RoadKey::Redline)->text().isEmpty());
        program->Cars().UndoStack()->undo();
        QCOMPARE(engine->currentIndex(), -1);
        QCOMPARE(redline->placeholderText(), combustionRedline);
    }

    // Torque typed in N·m and an area in m² are kept in lb-ft and ft², and
    // read back as typed.
    void roadFieldsInMetricUnits_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("shownAgain");
        QTest::newRow("torque") << static_cast<int>(RoadKey::Torque) << "500" << "368.7811" << "500.00";
        QTest::newRow("frontal area") << static_cast<int>(RoadKey::FrontalArea) << "2.15" << "23.1424" << "2.150";
        QTest::newRow("engine speed") << static_cast<int>(RoadKey::Redline) << "7000" << "7000" << "7000";
    }
    void roadFieldsInMetricUnits()
    {
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, shownAgain);
        program->Settings().SetUnits(UnitSystem::Metric);
        auto* box = qobject_cast<QLineEdit*>(window->Form()->RoadControl(static_cast<RoadKey>(key)));
        box->setFocus();
        QTest::keyClicks(box, typed);
        QCOMPARE(program->Cars().At(0).values.RoadText(static_cast<RoadKey>(key)), kept);
        QVERIFY(window->Form()->RoadMessage(static_cast<RoadKey>(key))->text().isEmpty());
        // The area line says the road model takes the measured area.
        const QString areaLine = window->findChild<QLabel*>(QStringLiteral("frontalArea"))->text();
        QCOMPARE(areaLine.contains(QStringLiteral("measured 2.150")), key == static_cast<int>(RoadKey::FrontalArea));
        program->Settings().SetUnits(UnitSystem::Imperial);
        QCOMPARE(box->text(), kept);
        program->Settings().SetUnits(UnitSystem::Metric);
        QCOMPARE(box->text(), shownAgain);
    }

    void retypingAShownValueKeepsTheExactNumber()
    {
        CarList& cars = program->Cars();
        cars.EditText(0, InputField::Horsepower, QStringLiteral("345.12"));
        cars.MarkSaved(0, dir->filePath(QStringLiteral("car.trv")));
        program->Settings().SetUnits(UnitSystem::Metric);
        QLineEdit* power = window->Form()->Box(InputField::Horsepower);
        QCOMPARE(power->text(), QStringLiteral("257.36"));
        power->setFocus();
        power->selectAll();
        QTest::keyClicks(power, QStringLiteral("257.36"));
        QCOMPARE(cars.At(0).Texts()[InputField::Horsepower], QStringLiteral("345.12"));
        QCOMPARE(cars.At(0).Inputs().horsepower, 345.12);
        QVERIFY(!cars.IsUnsaved(0));

        // A weight typed in kilograms and undone: the very pounds again.
        QLineEdit* weight = window->Form()->Box(InputField::CarWeight);
        weight->setFocus();
        weight->selectAll();
        QTest::keyClicks(weight, QStringLiteral("1600"));
        QVERIFY(cars.IsUnsaved(0));
        QCOMPARE(cars.UndoStack()->count(), 2); // the horsepower, then one stretch of typing
        window->findChild<QAction*>(QStringLiteral("undoAction"))->trigger();
        QCOMPARE(cars.At(0).Texts()[InputField::CarWeight], QStringLiteral("3400.00"));
        QCOMPARE(cars.At(0).Inputs().carWeight, 3400.0);
        QVERIFY(!cars.IsUnsaved(0));
        QCOMPARE(weight->text(), QStringLiteral("1542.21"));
    }

    void unsavedCarsAreAskedAboutOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saves");
        QTest::newRow("save") << int(CarFiles::UnsavedAnswer::Save) << true << true;
        QTest::newRow("discard") << int(CarFiles::UnsavedAnswer::Discard) << true << false;
        QTest::newRow("cancel") << int(CarFiles::UnsavedAnswer::Cancel) << false << false;
    }
    void unsavedCarsAreAskedAboutOnce()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saves);
        CarList& cars = program->Cars();
        cars.EditText(0, InputField::SpinTime, QStringLiteral("1.00"));
        window->NewCar();
        cars.EditText(1, InputField::SpinTime, QStringLiteral("1.50"));
        window->NewCar(); // untouched: nothing to save
        QList<QStringList> asked;
        window->Files()->SetUnsavedQuestion([&](const QStringList& names) {
            asked << names;
            return static_cast<CarFiles::UnsavedAnswer>(answer);
        });
        window->Files()->SetSavePathQuestion([this](const QString&, const QString&, const QString& suffix,
                                           const QString& name) {
            return dir->filePath(name + QLatin1Char('.') + suffix);
        });
        QCOMPARE(window->close(), closes);
        QCOMPARE(asked, (QList<QStringList>{ { QStringLiteral("Default car"), QStringLiteral("New car") } }));
        QCOMPARE(QFile::exists(dir->filePath(QStringLiteral("Default car.trv"))), saves);
        QCOMPARE(QFile::exists(dir->filePath(QStringLiteral("New car.trv"))), saves);
        QCOMPARE(cars.UnsavedRows().isEmpty(), saves);
        QCOMPARE(cars.Count(), 3);

        // Closing one car asks about that car alone.
        asked.clear();
        cars.EditText(2, InputField::SpinTime, QStringLiteral("2.00"));
        QCOMPARE(window->Files()->CloseCar(2), closes);
        QCOMPARE(asked, (QList<QStringList>{ { QStringLiteral("New car 2") } }));
        QCOMPARE(cars.Count(), closes ? 2 : 3);
    }

    void exports()
    {
        const QString pdf = dir->filePath(QStringLiteral("report.pdf"));
        QVERIFY(window->ExportPdf(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(window->ExportCsv(dir->filePath(QStringLiteral("compare.csv"))));
        QVERIFY(window->ExportCurves(dir->filePath(QStringLiteral("curves.png"))));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Information);
        QVERIFY(!window->ExportPdf(dir->filePath(QStringLiteral("no/folder/report.pdf"))));
        QCOMPARE(window->Messages()->CurrentKind(), MessageBar::Kind::Error);
    }

    void theReportCanBeChecked()
    {
        CarList& cars = program->Cars();
        for (int i = 1; i <= 6; ++i) {
            CarTexts texts = CarTexts::DefaultCar();
            texts[InputField::CarWeight] = QString::number(3000 + 100 * i);
            cars.AddCar(QStringLiteral("Car %1").arg(i), texts);
        }
        const QString pdf = dir->filePath(QStringLiteral("report.pdf"));
        QVERIFY(window->ExportPdf(pdf));
        const QString text = PdfText(pdf, { QStringLiteral("-layout") });
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        // Every car, in tables of five: its inputs above its results.
        for (int i = 1; i <= 6; ++i)
            QVERIFY(text.contains(QStringLiteral("Car %1").arg(i)));
        QVERIFY(text.contains(QStringLiteral("Horsepower (hp)")));
        QVERIFY(text.contains(QStringLiteral("3600")));
        QVERIFY(text.indexOf(QStringLiteral("Car weight (lb)")) < text.indexOf(QStringLiteral("Quarter mile elapsed time")));
        QVERIFY2(text.count(QLatin1Char('\f')) >= 2, "the report flows onto further pages");
        // The curves' text prints at 8 points or more: each word's box is
        // at least that tall.
        const QString boxes = PdfText(pdf, { QStringLiteral("-bbox") });
        const QRegularExpression word(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">Time<"));
        int checked = 0;
        for (const QRegularExpressionMatch& match : word.globalMatch(boxes)) {
            QVERIFY(match.captured(2).toDouble() - match.captured(1).toDouble() >= 8);
            ++checked;
        }
        QCOMPARE(checked, 2); // the time axis of each chart
    }

    void whatIfFollowsTheSlider()
    {
        window->Tabs()->setCurrentWidget(window->WhatIf());
        WhatIfPage* page = window->WhatIf();
        QCOMPARE(page->VariantRow(), -1); // no variant until a slider moves
        page->Slider(InputField::Horsepower)->setValue(395);
        const int variant = page->VariantRow();
        QCOMPARE(variant, 1);
        CarInputs expected = CarInputs::DefaultCar();
        expected.horsepower = 395;
        QCOMPARE(program->Cars().At(variant).Inputs(), expected);
        QCOMPARE(page->TableModel()->columnCount(), 2);
        ComparisonModel* comparison = window->Comparison();
        QCOMPARE(comparison->ClassicValue(comparison->RowOf(ComparisonRow::QuarterMileTime), variant),
                 RunCar(expected).results.quarterMileTime);
        QCOMPARE(comparison->columnCount(), 2); // the variant is compared too
        QCOMPARE(window->Charts()->CurveCount(), 2);
        QCOMPARE(page->Charts()->CurveCount(), 2);
        // The spin box follows the slider through the car, not the slider.
        QCOMPARE(page->SpinBox(InputField::Horsepower)->value(), 395.0);
        // One undo takes the variant away again.
        program->Cars().UndoStack()->undo();
        QCOMPARE(page->VariantRow(), -1);
        QCOMPARE(page->Slider(InputField::Horsepower)->value(), 345);
        QCOMPARE(page->Charts()->CurveCount(), 1);
    }

    void whatIfGivesTheDifferenceFromAFriendsCar()
    {
        CarList& cars = program->Cars();
        CarTexts friendsCar = CarTexts::DefaultCar();
        friendsCar[InputField::Horsepower] = QStringLiteral("400");
        friendsCar[InputField::CarWeight] = QStringLiteral("3600");
        const int friendRow = cars.AddCar(QStringLiteral("Friend"), friendsCar);
        const int friendId = cars.At(friendRow).id;
        cars.SetCurrentRow(0);
        window->Tabs()->setCurrentWidget(window->WhatIf());
        WhatIfPage* page = window->WhatIf();
        page->Slider(InputField::CarWeight)->setValue(3000 / 5);
        page->SetReference(friendId);
        DifferenceColumnModel* table = page->Differences();
        // The base car, the friend's car (ticked by being the reference),
        // the variant, and the difference.
        QCOMPARE(table->columnCount(), 4);
        QCOMPARE(table->DifferenceColumn(), 3);
        QCOMPARE(table->headerData(3, Qt::Horizontal).toString(), QStringLiteral("vs Friend"));
        QVERIFY(table->headerData(3, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("Friend")));
        QCOMPARE(page->Charts()->CurveCount(), 3);
        ComparisonModel* comparison = window->Comparison();
        const int row = comparison->RowOf(ComparisonRow::QuarterMileTime);
        const int variant = page->VariantRow();
        const double difference = comparison->ShownValue(row, variant) - comparison->ShownValue(row, friendRow);
        QVERIFY(difference < 0); // lighter, the variant beats the friend's car
        QCOMPARE(table->Difference(0), difference);
        QCOMPARE(table->index(0, 3).data().toString(),
                 QStringLiteral("−%1 s").arg(QLocale().toString(-difference, 'f', 2)));
        // A change of the variant changes the difference.
        page->Slider(InputField::CarWeight)->setValue(3500 / 5);
        QVERIFY(table->Difference(0) > difference);
        // Without a reference there is no difference column.
        page->SetReference(0);
        QCOMPARE(table->DifferenceColumn(), -1);
        QCOMPARE(table->columnCount(), 3);
    }

    // At 1366x768 the what-if table's cars read whole in their headers,
    // on more lines where one is too short.
    void whatIfHeadersReadWhole()
    {
        CarList& cars = program->Cars();
        const int friendRow = cars.AddCar(QStringLiteral("My friend's car"), CarTexts::DefaultCar());
        cars.SetCurrentRow(0);
        window->resize(1366, 768);
        window->show();
        window->Tabs()->setCurrentWidget(window->WhatIf());
        WhatIfPage* page = window->WhatIf();
        page->Slider(InputField::CarWeight)->setValue(3000 / 5);
        page->SetReference(cars.At(friendRow).id);
        QHeaderView* header = page->Table()->horizontalHeader();
        QTRY_COMPARE(header->count(), 4);
        const int iconWidth = header->style()->pixelMetric(QStyle::PM_SmallIconSize);
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int section = 0; section < header->count(); ++section) {
            const QString name = page->Differences()->headerData(section, Qt::Horizontal).toString();
            const int width = header->sectionSize(section) - 3 * margin - iconWidth;
            const QString shown = HeaderLines(name, header->fontMetrics(), width);
            QVERIFY2(!shown.contains(QChar(0x2026)), qPrintable(shown));
            QCOMPARE(QString(shown).replace(QLatin1Char('\n'), QLatin1Char(' ')), name);
        }
        QVERIFY(HeaderLines(QStringLiteral("Default car (what if)"), header->fontMetrics(), 60).contains('\n'));
    }

    void reportDrawsTheComparison()
    {
        const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
        QVERIFY(window->Files()->OpenFile(examples + QStringLiteral("/supercar.trv")));
        TextPage page;
        QPainter painter(&page);
        GarageReport::Draw(painter, QRectF(0, 0, 2100, 2970), { &program->Cars(), UnitSystem::Imperial, QStringLiteral("Two cars") }, [] {});
        painter.end();
        QStringList drawn;
        QStringList bold;
        for (const TextPage::Text& t : page.texts) {
            drawn << t.text;
            if (t.bold)
                bold << t.text;
        }
        QVERIFY(drawn.contains(QStringLiteral("Two cars")));
        QVERIFY(drawn.contains(QStringLiteral("supercar")));
        ComparisonModel* model = window->Comparison();
        for (int r = 0; r < model->rowCount(); ++r) {
            QVERIFY2(drawn.contains(model->headerData(r, Qt::Vertical).toString()), qPrintable(model->headerData(r, Qt::Vertical).toString()));
            for (int c = 0; c < model->columnCount(); ++c) {
                const QString value = model->data(model->index(r, c)).toString();
                QVERIFY2(drawn.contains(value), qPrintable(value));
                if (model->IsBest(r, c))
                    QVERIFY2(bold.contains(value), qPrintable(value));
            }
        }
        // The curves' axis titles come from the charts drawn on the page.
        QVERIFY(drawn.contains(QStringLiteral("Speed (mph)")));
        QVERIFY(drawn.contains(QStringLiteral("Distance (ft)")));
    }

    void keepAVariantAndCloseItsBase()
    {
        window->Tabs()->setCurrentWidget(window->WhatIf());
        WhatIfPage* page = window->WhatIf();
        CarList& cars = program->Cars();
        page->Slider(InputField::CarWeight)->setValue(3000 / 5);
        const int id = cars.At(page->VariantRow()).id;
        page->KeepButton()->click();
        const int kept = cars.RowOf(id);
        QVERIFY(!cars.At(kept).IsVariant());
        QCOMPARE(cars.At(kept).Inputs().carWeight, 3000.0);
        QCOMPARE(cars.At(kept).name, QStringLiteral("Default car (variant)"));
        QVERIFY(cars.IsUnsaved(kept)); // it has no file yet
        QCOMPARE(cars.CurrentRow(), kept);
        QCOMPARE(page->VariantRow(), -1);
        QCOMPARE(cars.Count(), 2);

        // A variant of the default car again; closing the default car keeps
        // the variant as a car of its own, and undoing brings both back.
        cars.SetCurrentRow(0);
        page->Slider(InputField::Horsepower)->setValue(400);
        QCOMPARE(cars.Count(), 3);
        cars.CloseCar(0);
        QCOMPARE(cars.Count(), 2);
        QVERIFY(!cars.At(1).IsVariant());
        QCOMPARE(page->VariantRow(), -1);
        cars.UndoStack()->undo();
        QCOMPARE(cars.Count(), 3);
        QCOMPARE(cars.At(cars.VariantRowOf(0)).Inputs().horsepower, 400.0);
    }

    void targetsOnTheSensitivityPage()
    {
        window->Tabs()->setCurrentWidget(window->SensitivityView());
        SensitivityPage* page = window->SensitivityView();
        QCOMPARE(page->CarRow(), 0);
        QCOMPARE(page->Model()->rowCount(), 8);
        page->TargetBox()->setValue(5);
        page->Solve();
        QVERIFY2(page->AnswerText().contains(QStringLiteral("not reachable within the ranges")), qPrintable(page->AnswerText()));
        page->TargetBox()->setValue(13);
        page->WeightChoice()->setChecked(true);
        page->Solve();
        const TargetAnswer answer = SolveQuarterMile(CarInputs::DefaultCar(), SolveFor::CarWeight, 13);
        QVERIFY(answer.reachable);
        QVERIFY2(page->AnswerText().startsWith(page->locale().toString(answer.value, 'f', 0) + QStringLiteral(" lb")),
                 qPrintable(page->AnswerText()));
    }

    void aTargetGivesTheChangeAndGoesToWhatIf_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<double>("target");
        QTest::addColumn<QString>("reached");
        QTest::newRow("quarter mile") << int(SensitivityFigure::QuarterMileTime) << 13.52 << "a quarter mile in %1 s";
        QTest::newRow("trap speed") << int(SensitivityFigure::QuarterMileSpeed) << 112.0 << "a trap speed of %1 mph";
        QTest::newRow("0-60 mph") << int(SensitivityFigure::ZeroToSixtyTime) << 4.5 << "0-60 mph in %1 s";
    }
    void aTargetGivesTheChangeAndGoesToWhatIf()
    {
        QFETCH(int, figure);
        QFETCH(double, target);
        QFETCH(QString, reached);
        SensitivityPage* page = window->SensitivityView();
        page->TargetFigureBox()->setCurrentIndex(page->TargetFigureBox()->findData(figure));
        page->WeightChoice()->setChecked(true);
        page->TargetBox()->setValue(target);
        page->Solve();
        const TargetAnswer answer = SolveTarget(CarInputs::DefaultCar(), SolveFor::CarWeight,
                                                static_cast<SensitivityFigure>(figure), target);
        QVERIFY(answer.reachable && answer.value < 3400);
        const QLocale locale = page->locale();
        QCOMPARE(page->AnswerText(),
                 QStringLiteral("%1 lb (−%2 lb) gives %3.")
                     .arg(locale.toString(answer.value, 'f', 0), locale.toString(3400 - answer.value, 'f', 0),
                          reached.arg(locale.toString(answer.figure, 'f', 2))));
        page->ApplyButton()->click();
        QCOMPARE(window->Tabs()->currentWidget(), window->WhatIf());
        const int variant = window->WhatIf()->VariantRow();
        QVERIFY(variant > 0);
        QCOMPARE(program->Cars().At(variant).Inputs().carWeight, answer.value);
        QCOMPARE(window->WhatIf()->Slider(InputField::CarWeight)->value(), std::lround(answer.value / 5));
    }

    void chartsExplainThemselves()
    {
        // A light, broad car reaches its top speed long before the quarter
        // mile: past that its model slows down on the strip.
        CarList& cars = program->Cars();
        const int slowing = cars.AddCar(QStringLiteral("Light"),
            VehicleFile::CarFromFileOrder({ "100", "0.4", "1000", "20", "20", "45", "5", "1", "3" }));
        const CarEvaluation& e = *cars.At(slowing).evaluation;
        QVERIFY(e.PassesItsPeak());
        QVERIFY(!cars.At(0).evaluation->PassesItsPeak());
        ComparisonModel* table = window->Comparison();
        QCOMPARE(table->headerData(slowing, Qt::Horizontal).toString(), QStringLiteral("Light †"));
        QVERIFY(table->headerData(slowing, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("top speed")));
        QCOMPARE(table->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Default car"));

        CurveCharts* charts = window->Charts();
        window->resize(1400, 900);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // The curve passes exactly through the peak and goes on past it.
        const QList<QPointF> whole = charts->SpeedPoints(slowing);
        const CurvePoint peak = e.curve[e.peakIndex];
        QVERIFY(whole.contains(QPointF(peak.time, peak.speed)));
        QVERIFY(whole.constLast().y() < peak.speed);

        // In the quarter-mile view each curve ends at its own quarter mile.
        charts->SetSpan(CurveCharts::Span::QuarterMile);
        for (int row : { 0, slowing }) {
            const CarEvaluation& car = *cars.At(row).evaluation;
            const auto quarter = std::find_if(car.marks.begin(), car.marks.end(),
                                              [](const MarkedPoint& m) { return m.mark == CurveMark::QuarterMile; });
            QCOMPARE(charts->SpeedPoints(row).constLast(), QPointF(quarter->point.time, quarter->point.speed));
        }

        // The pointer near a curve is told of its nearest point; far from
        // every curve, of nothing.
        QChart* chart = charts->SpeedView()->chart();
        const std::vector<CurvePoint>& curve = cars.At(0).evaluation->curve;
        // Well away from the marks: at 30 mph.
        const CurvePoint& p = *std::find_if(curve.begin(), curve.end(), [](const CurvePoint& c) { return c.speed > 30; });
        const QPointF onCurve = charts->SpeedView()->mapFromScene(chart->mapToScene(chart->mapToPosition(QPointF(p.time, p.speed))));
        const QString tip = charts->TipAt(true, onCurve + QPointF(8, -8));
        QVERIFY2(tip.startsWith(QStringLiteral("Default car")), qPrintable(tip));
        QVERIFY(charts->TipAt(true, QPointF(2, 2)).isEmpty());
        // Past the peak, away from the marks, the tip says what the dotted
        // part means.
        bool explained = false;
        for (std::size_t i = e.peakIndex + 1; i < e.curve.size() && !explained; ++i) {
            const QPointF at = charts->SpeedView()->mapFromScene(
                chart->mapToScene(chart->mapToPosition(QPointF(e.curve[i].time, e.curve[i].speed))));
            explained = charts->TipAt(true, at).contains(QStringLiteral("Past the law's top speed"));
        }
        QVERIFY(explained);
    }

    void valueAxesFitTheChartsHeight()
    {
        // On a laptop's screen the table leaves the curves little height:
        // the value axes then get fewer labels, each with room to be read,
        // and more again when the window grows. A title longer than the
        // plot is high moves whole into the chart's title.
        QVERIFY(window->Files()->OpenFile(QStringLiteral(TORVANE_EXAMPLES_DIR) + QStringLiteral("/supercar.trv")));
        const auto intervals = [](const QChartView* view) {
            const auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).constFirst());
            const double count = (axis->max() - axis->min()) / axis->tickInterval();
            const double room = view->chart()->plotArea().height() / count;
            return std::pair{ count, room / QFontMetricsF(axis->labelsFont()).height() };
        };
        window->resize(1366, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        CurveCharts* charts = window->Charts();
        double shortCount = 0;
        for (const QChartView* view : { charts->SpeedView(), charts->DistanceView() }) {
            QTRY_VERIFY(view->chart()->plotArea().height() > 0);
            const auto [count, linesEach] = intervals(view);
            QVERIFY2(linesEach >= 1.5, qPrintable(QString::number(linesEach)));
            shortCount = count;
        }
        QVERIFY(shortCount < 6);
        const auto* speedAxis = qobject_cast<QValueAxis*>(charts->SpeedView()->chart()->axes(Qt::Vertical).constFirst());
        QVERIFY(!speedAxis->isTitleVisible());
        QCOMPARE(charts->SpeedView()->chart()->title(), QStringLiteral("Speed (mph)"));
        window->resize(1366, 1400);
        QTRY_VERIFY(intervals(charts->DistanceView()).first > shortCount);
        QVERIFY(intervals(charts->DistanceView()).second >= 1.5);
        QTRY_VERIFY(speedAxis->isTitleVisible());
        QCOMPARE(charts->SpeedView()->chart()->title(), QStringLiteral("Speed"));
    }

    void rowTitlesAreMeasuredAgainWhenTheyChange()
    {
        // The comparison's row titles are measured once for what they say:
        // a longer title, another font or a hidden row gives the width a
        // header measuring every time would give.
        QStandardItemModel titled(3, 1);
        titled.setVerticalHeaderLabels({ QStringLiteral("Top speed"), QStringLiteral("0-60"), QStringLiteral("60 ft") });
        MeasuredHeader measured(Qt::Vertical);
        QHeaderView plain(Qt::Vertical);
        measured.setModel(&titled);
        plain.setModel(&titled);
        QCOMPARE(measured.sizeHint(), plain.sizeHint());
        const int before = measured.sizeHint().width();
        titled.setHeaderData(1, Qt::Vertical, QStringLiteral("Quarter mile elapsed time on the day (s)"));
        QVERIFY(measured.sizeHint().width() > before);
        QCOMPARE(measured.sizeHint(), plain.sizeHint());
        QFont larger = measured.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        measured.setFont(larger);
        plain.setFont(larger);
        QCOMPARE(measured.sizeHint(), plain.sizeHint());
        measured.setSectionHidden(1, true);
        plain.setSectionHidden(1, true);
        QCOMPARE(measured.sizeHint(), plain.sizeHint());
    }

    void everyPageFollowsTheModelAndTheDaysAir_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("classic law") << int(CarModel::Classic);
        QTest::newRow("road model") << int(CarModel::Road);
    }
    void everyPageFollowsTheModelAndTheDaysAir()
    {
        // 110 °F at 650 ft: the comparison's quarter mile is slower than the
        // standard day's, and What if, the sensitivity table and the target
        // start from that same figure, by the model chosen.
        QFETCH(int, model);
        const auto chosen = static_cast<CarModel>(model);
        CarList& cars = program->Cars();
        ConditionsBox* box = window->Conditions();
        QComboBox* modelBox = box->ModelBox();
        modelBox->setCurrentIndex(modelBox->findData(model));
        emit modelBox->activated(modelBox->currentIndex());
        QCOMPARE(program->Settings().Model(), chosen);
        const ModelCar car = cars.ModelCarAt(0);
        const double standardDay = RunModelCarOnDay(car, cars.Air(), chosen).run.results.quarterMileTime;
        box->TemperatureBox()->setValue(110);
        box->PressureBox()->setValue(29.3);
        box->HumidityBox()->setValue(55);
        const std::shared_ptr<const CarEvaluation> held = cars.At(0).evaluation;
        const CarEvaluation& compared = *held;
        QCOMPARE(compared.model, chosen);
        QCOMPARE(compared.results, RunModelCarOnDay(car, cars.Air(), chosen).run.results);
        QVERIFY(compared.results.quarterMileTime > standardDay);
        ComparisonModel* comparison = window->Comparison();
        const int quarterMile = comparison->RowOf(ComparisonRow::QuarterMileTime);
        QCOMPARE(comparison->ClassicValue(quarterMile, 0), compared.results.quarterMileTime);
        // The export names the road model; the classic law's is as before.
        QCOMPARE(comparison->CsvRows().at(1).first() == ComparisonModel::tr("Model"), chosen == CarModel::Road);

        window->Tabs()->setCurrentWidget(window->WhatIf());
        QAbstractItemModel* whatIf = window->WhatIf()->TableModel();
        QCOMPARE(whatIf->index(quarterMile, 0).data(ComparisonModel::ValueRole).toDouble(),
                 compared.results.quarterMileTime);

        window->Tabs()->setCurrentWidget(window->SensitivityView());
        SensitivityPage* page = window->SensitivityView();
        QCOMPARE(page->Model()->Table().base[int(SensitivityFigure::QuarterMileTime)], compared.results.quarterMileTime);
        const double today = std::ceil(compared.results.quarterMileTime * 100) / 100;
        page->TargetFigureBox()->setCurrentIndex(page->TargetFigureBox()->findData(int(SensitivityFigure::QuarterMileTime)));
        page->PowerChoice()->setChecked(true);
        page->TargetBox()->setValue(today);
        page->Solve();
        const TargetAnswer answer = SolveTarget(car, SolveFor::Horsepower, SensitivityFigure::QuarterMileTime, today,
                                                cars.Air(), chosen);
        // The car as it is already meets its own time today.
        QVERIFY(answer.reachable && answer.value <= 345 && answer.value > 335);
        QVERIFY2(page->AnswerText().startsWith(page->locale().toString(answer.value, 'f', 2)), qPrintable(page->AnswerText()));
        box->StandardDayButton()->click();
        QCOMPARE(page->Model()->Table().base[int(SensitivityFigure::QuarterMileTime)], standardDay);
        QVERIFY(page->AnswerText().isEmpty());
        // The road tests' day: more power from the rating, so quicker.
        box->RoadTestDayButton()->click();
        QCOMPARE(program->Settings().Conditions(), RoadTestConditions);
        QVERIFY(page->Model()->Table().base[int(SensitivityFigure::QuarterMileTime)] < standardDay);
    }

    void whatIfStepsTheRoadKeys()
    {
        // On the road model the variant's tires and gears change in one
        // undoable step each; the variant runs with them.
        program->Settings().SetModel(CarModel::Road);
        window->Tabs()->setCurrentWidget(window->WhatIf());
        WhatIfPage* page = window->WhatIf();
        QVERIFY(!page->TiresBox()->isHidden());
        const int slick = static_cast<int>(TireKind::Slick);
        page->TiresBox()->setCurrentIndex(slick);
        emit page->TiresBox()->activated(slick);
        const int variant = page->VariantRow();
        QCOMPARE(variant, 1);
        CarList& cars = program->Cars();
        const ModelCar car = cars.ModelCarAt(variant);
        QCOMPARE(car.keys.car.tires, TireKind::Slick);
        QCOMPARE(cars.At(variant).evaluation->results,
                 RunModelCarOnDay(car, cars.Air(), CarModel::Road).run.results);
        page->GearsBox()->setValue(4);
        QCOMPARE(cars.ModelCarAt(variant).keys.car.gears, 4);
        cars.UndoStack()->undo();
        QVERIFY(!cars.ModelCarAt(variant).keys.car.gears);
        cars.UndoStack()->undo();
        QCOMPARE(page->VariantRow(), -1);
        program->Settings().SetModel(CarModel::Classic);
        QVERIFY(page->TiresBox()->isHidden());
    }

    void theClassicLawBesideTheRoadModel()
    {
        // Off by default; on the road model each car gets a classic column
        // beside its own, which the classic law's run gives.
        program->Settings().SetModel(CarModel::Road);
        BothModelsModel* shown = window->ShownComparison();
        ComparisonModel* comparison = window->Comparison();
        QCOMPARE(shown->columnCount(), comparison->columnCount());
        auto* beside = window->findChild<QAction*>(QStringLiteral("classicBeside"));
        QVERIFY(beside && beside->isEnabled());
        beside->trigger();
        QCOMPARE(shown->columnCount(), 2 * comparison->columnCount());
        const int quarterMile = comparison->RowOf(ComparisonRow::QuarterMileTime);
        QCOMPARE(shown->index(quarterMile, 0).data(ComparisonModel::ValueRole).toDouble(),
                 comparison->ShownValue(quarterMile, 0));
        QCOMPARE(shown->index(quarterMile, 1).data(ComparisonModel::ValueRole).toDouble(),
                 RunCar(CarInputs::DefaultCar()).results.quarterMileTime);
        QVERIFY(shown->headerData(1, Qt::Horizontal).toString().endsWith(CarModelName(CarModel::Classic) + u')'));
        // A car added gets its pair; the classic law shows each car once.
        window->NewCar();
        QCOMPARE(shown->columnCount(), 4);
        program->Settings().SetModel(CarModel::Classic);
        QCOMPARE(shown->columnCount(), 2);
        QVERIFY(!beside->isEnabled());
    }

    void everyCarRunsInTheDaysAir()
    {
        CarList& cars = program->Cars();
        ConditionsBox* box = window->Conditions();
        const CarInputs car = CarInputs::DefaultCar();
        box->TemperatureBox()->setValue(95);
        box->PressureBox()->setValue(28.5);
        box->HumidityBox()->setValue(60);
        const AirConditions hot{ 95, 28.5, 60 };
        QCOMPARE(program->Settings().Conditions(), hot);
        const DayResults day = RunCarOnDay(car, hot);
        QCOMPARE(cars.At(0).evaluation->results, day.run.results);
        QCOMPARE(cars.At(0).evaluation->splits, day.splits);
        QVERIFY(box->FiguresText().startsWith(QStringLiteral("density altitude ")));
        // A car added, or put back by an undo, runs on that day too.
        window->NewCar();
        QCOMPARE(cars.At(1).evaluation->results, day.run.results);
        cars.CloseCar(0);
        box->StandardDayButton()->click();
        cars.UndoStack()->undo();
        QCOMPARE(cars.At(0).evaluation->results, RunCar(car).results);

        // The standard day is the classic run, bit for bit; an altimeter
        // setting and an elevation give the station pressure.
        QCOMPARE(program->Settings().Conditions(), AirConditions());
        box->PressureKindBox()->setCurrentIndex(1);
        emit box->PressureKindBox()->activated(1);
        box->PressureBox()->setValue(29.92);
        box->ElevationBox()->setValue(5000);
        QCOMPARE(program->Settings().Conditions().pressure, StationPressureFromAltimeter(29.92, 5000));
        // Switching the kind converts the shown value at that elevation and
        // keeps the day; the sums use what is shown.
        const double density = FiguresFor(program->Settings().Conditions()).densityAltitude;
        box->PressureKindBox()->setCurrentIndex(0);
        emit box->PressureKindBox()->activated(0);
        QCOMPARE(box->PressureBox()->value(), 24.892);
        QCOMPARE(program->Settings().Conditions().pressure, 24.892);
        box->PressureKindBox()->setCurrentIndex(1);
        emit box->PressureKindBox()->activated(1);
        QCOMPARE(box->PressureBox()->value(), 29.92);
        QCOMPARE(box->ElevationBox()->value(), 5000.0);
        QCOMPARE(program->Settings().Conditions().pressure, StationPressureFromAltimeter(29.92, 5000));
        QVERIFY(std::abs(FiguresFor(program->Settings().Conditions()).densityAltitude - density) < 1);
        // In metric units the boxes show °C and hPa.
        program->Settings().SetUnits(UnitSystem::Metric);
        QCOMPARE(box->TemperatureBox()->value(), 25.0);
        QVERIFY(box->TemperatureBox()->suffix().contains(QStringLiteral("°C")));
    }

    void dropsOpenFiles()
    {
        QMimeData data;
        const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
        data.setUrls({ QUrl::fromLocalFile(examples + QStringLiteral("/pickup-truck.trv")),
                       QUrl::fromLocalFile(examples + QStringLiteral("/sports-car.trv")) });
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &drop);
        QCOMPARE(program->Cars().Count(), 3);
        QCOMPARE(program->Cars().At(2).name, QStringLiteral("sports-car"));
        QCOMPARE(program->Cars().At(2).Texts(), CarTexts::DefaultCar());
        QMenu* recent = window->findChild<QMenu*>(QStringLiteral("recentMenu"));
        QVERIFY(recent);
        QCOMPARE(recent->actions().size(), 2);
        QVERIFY(recent->actions().first()->text().endsWith(QStringLiteral("sports-car.trv")));
    }

    void curvesPicture()
    {
        const QString path = dir->filePath(QStringLiteral("curves.png"));
        window->resize(1200, 800);
        QVERIFY(window->ExportCurves(path));
        QImage picture(path);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.width(), 2 * 1200); // twice the size the charts are shown at
        // A size and a scale of the user's choosing.
        QVERIFY(window->ExportCurves(path, QSize(800, 300), 3));
        picture = QImage(path);
        QCOMPARE(picture.size(), QSize(2400, 900));
    }

private:
};

QTEST_MAIN(TestGarageWindow)
#include "tst_garage_window.moc"
