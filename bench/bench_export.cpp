// The two exports as the program makes them, up to the finished file in the folder: the totals grid
// (all eight rows posted) as a workbook, and the notes as a word-processor document, a page or two
// and a long 1 MB one. Nothing is opened afterwards. Median of a number of runs (default 20).
#include "BenchSupport.h"

#include "core/DocxExport.h"
#include "core/TotalsExport.h"
#include "shell/MainWindow.h"
#include "totals/TotalsGrid.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// Runs `write` `runs` times and returns the median in milliseconds. `write` returns the file it
// made, which is removed between runs so every run takes the first free name.
double medianMs(int runs, const std::function<QString()> &write)
{
    QList<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        const QString path = write();
        ms.append(double(timer.nsecsElapsed()) / 1e6);
        if (path.isEmpty())
            qFatal("the export failed");
        QFile::remove(path);
    }
    return percentiles(ms).median;
}

// Job notes of about `bytes` characters: short paragraphs, a tabbed list now and then, blank lines.
QString notes(qsizetype bytes)
{
    const char *const lines[] = {
        "Footings along the north wall poured 8 in. deep, 20 in. wide; forms stripped next morning.",
        "Block\t8 x 8 x 16\t1,240 pcs\tdelivered Tuesday",
        "Mortar type S, 38 bags on site; keep them under cover, rain is due on Thursday.",
        "Rebar #4 at 16 in. on centre, two runs in the footing, laps 24 in. & tied.",
        "",
        "Ask the owner about the garage slab: 4 in. with welded wire, or 5 in. with fibre?",
        "Brick\tmodular\t3,600 pcs\t\"Rose blend\" from the yard",
    };
    QString text;
    for (int n = 0; text.size() < bytes; ++n)
        text += QString::fromUtf8(lines[n % 7]) + QLatin1Char('\n');
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    const QDateTime when = QDateTime::currentDateTime();

    MainWindow window;
    TotalsGrid *grid = window.totalsGrid();
    for (int row = TotalsGrid::kFirstCalculatorRow; row <= TotalsGrid::kLastCalculatorRow; ++row) {
        grid->setCell(row, TotalsGrid::kLabourColumn, QStringLiteral("%1").arg(row * 125));
        grid->setCell(row, TotalsGrid::kMaterialColumn, QStringLiteral("$%1,234.56").arg(row));
    }
    grid->RecalcTotals();
    // What the totals page's Export Grid button does: the grid's texts, then the workbook.
    const auto exportTotals = [&] {
        return TotalsExport::writeWorkbook(grid->texts(), folder.path(), when).path;
    };
    report(QStringLiteral("totals to .xlsx, median of %1").arg(runs), medianMs(runs, exportTotals),
           QStringLiteral("ms"));

    for (const auto &[label, bytes] : {std::pair{QStringLiteral("5 KB"), qsizetype(5 * 1024)},
                                       std::pair{QStringLiteral("1 MB"), qsizetype(1024 * 1024)}}) {
        const QString text = notes(bytes);
        report(QStringLiteral("%1 notes to .docx, median of %2").arg(label).arg(runs),
               medianMs(runs, [&] { return DocxExport::writeDocument(text, folder.path(), when).path; }),
               QStringLiteral("ms"));
    }
    return 0;
}
