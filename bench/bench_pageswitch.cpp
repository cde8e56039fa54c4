// A page-button click, recomputation of the totals included, with all eight rows posted.
#include "BenchSupport.h"

#include "shell/MainWindow.h"
#include "totals/TotalsGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    for (int row = 1; row <= 8; ++row) {
        window.totalsGrid()->setCell(row, 1, QStringLiteral("%1").arg(row * 125));
        window.totalsGrid()->setCell(row, 2, QStringLiteral("$%1,234.56").arg(row));
    }
    const int clicks = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QList<double> micros;
    micros.reserve(clicks);
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        QPushButton *button = window.pageButton(i % MainWindow::kPageButtonCount);
        timer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        micros.append(double(timer.nsecsElapsed()) / 1000.0);
    }
    const Percentiles p = percentiles(micros);
    report(QStringLiteral("page switch median"), p.median, QStringLiteral("us"));
    report(QStringLiteral("page switch p99"), p.p99, QStringLiteral("us"));
    return 0;
}
