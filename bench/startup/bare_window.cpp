// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks of start-up: a bare Qt window, or with "--chart" a bare Qt
// Charts window with one series, shown as soon as the program runs.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
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
    QWidget window;
    window.resize(800, 600);
    window.show();
    return application.exec();
}
