// A page-button click, recomputation of the totals included, with all eight rows posted: the whole
// mouse click (with the button's own pressed and released repaints, which Qt does at once), and the
// program's part alone (from the button's clicked signal to the switched page). The repaint that
// follows in the event loop is not counted.
#include "BenchSupport.h"

#include "shell/MainWindow.h"
#include "totals/TotalsGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

Percentiles timeClicks(MainWindow &window, int clicks, const std::function<void(QPushButton *)> &click)
{
    QList<double> micros;
    micros.reserve(clicks);
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        QPushButton *button = window.pageButton(i % MainWindow::kPageButtonCount);
        timer.start();
        click(button);
        micros.append(double(timer.nsecsElapsed()) / 1000.0);
        // Between two clicks a user's event loop runs; without it, posted events would pile up and
        // every click would pay for searching them.
        QCoreApplication::processEvents();
    }
    return percentiles(micros);
}

} // namespace

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
    const Percentiles whole =
        timeClicks(window, clicks, [](QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); });
    report(QStringLiteral("page switch median"), whole.median, QStringLiteral("us"));
    report(QStringLiteral("page switch p99"), whole.p99, QStringLiteral("us"));
    const Percentiles handler = timeClicks(window, clicks, [](QPushButton *button) {
        QMetaObject::invokeMethod(button, "clicked", Qt::DirectConnection, Q_ARG(bool, false));
    });
    report(QStringLiteral("page switch without the button's repaint, median"), handler.median,
           QStringLiteral("us"));
    report(QStringLiteral("page switch without the button's repaint, p99"), handler.p99,
           QStringLiteral("us"));
    return 0;
}
