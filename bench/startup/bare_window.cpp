// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks of start-up: a bare Qt window, or with "--chart" a bare Qt
// Charts window with one series, shown as soon as the program runs. With
// "--menu", the least a main window with a menu and some text costs: a
// menu bar with one menu and one line of text, which needs the fonts that
// a bare window never loads.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--chart") {
        auto* series = new QLineSeries;
        for (int i = 0; i < 400; ++i)
            series->append(i, i * i);
        auto* chart = new QChart;
        chart->addSeries(series);
        chart->createDefaultAxes();
        QChartView view(chart);
        view.resize(800, 600);
        view.show();
        return application.exec();
    }
    if (argc > 1 && QByteArray(argv[1]) == "--menu") {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("File..."))->addAction(QStringLiteral("E&xit"));
        window.setCentralWidget(new QLabel(QStringLiteral("Torvane")));
        window.resize(516, 400);
        window.show();
        return application.exec();
    }
    QWidget window;
    window.resize(800, 600);
    window.show();
    return application.exec();
}
