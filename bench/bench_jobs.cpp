// Saving and opening a typical job (eight pages filled and posted, a page of notes) through the job
// commands, and how long the window waits while a recovery copy is written. Medians (and the
// slowest wait) of a number of runs (default 50); then the estimate of that job as a PDF.
#include "BenchSupport.h"

#include "calculators/CalculatorPage.h"
#include "core/Estimate.h"
#include "editor/EditorPage.h"
#include "shell/JobSession.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextEdit>

#include <algorithm>
#include <functional>

namespace {

QList<double> timesMs(int runs, const std::function<void()> &work)
{
    QList<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        ms.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 50;
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toLocal8Bit());

    MainWindow window;
    JobSession *jobs = window.jobs();
    // Every field of every page holds an entry, every row is posted, and the notes fill a page.
    Job job = jobs->capture();
    for (auto it = job.fields.begin(); it != job.fields.end(); ++it)
        it.value() = QStringLiteral("1234.5");
    for (int row = 1; row <= 8; ++row) {
        job.totals[row - 1] = {row, QStringLiteral("%1").arg(row * 125),
                               QStringLiteral("$%1,234.56").arg(row)};
        job.posted.append({row, QStringLiteral("Row %1").arg(row),
                           QStringLiteral("Wall 8 ft high, 100 ft long, 8 in thick"), QStringLiteral("19.84 cu yd"),
                           QStringLiteral("85"), QStringLiteral("$85.00 per cu yd"), job.totals[row - 1].labour,
                           job.totals[row - 1].material, job.fields});
    }
    jobs->apply(job);
    QString page;
    while (page.size() < 3000)
        page +=
            QStringLiteral("Footings along the north wall poured 8 in. deep, 20 in. wide; forms stripped.\n");
    window.editor()->textBox()->setPlainText(page);

    const QString path = folder.filePath(QStringLiteral("typical.mortarix"));
    const QList<double> saves = timesMs(runs, [&] {
        if (!jobs->saveTo(path))
            qFatal("the save failed");
    });
    report(QStringLiteral("job save, median of %1").arg(runs), percentiles(saves).median,
           QStringLiteral("ms"));
    const QList<double> opens = timesMs(runs, [&] {
        if (!jobs->openFile(path))
            qFatal("the open failed");
    });
    report(QStringLiteral("job open, median of %1").arg(runs), percentiles(opens).median,
           QStringLiteral("ms"));

    window.editor()->textBox()->append(QStringLiteral("One more line."));
    const QList<double> waits = timesMs(runs, [&] { jobs->writeRecoveryCopy(); });
    jobs->waitForRecoveryWrites();
    report(QStringLiteral("recovery copy, window waits (median of %1)").arg(runs), percentiles(waits).median,
           QStringLiteral("ms"));
    report(QStringLiteral("recovery copy, window waits (slowest of %1)").arg(runs),
           *std::max_element(waits.cbegin(), waits.cend()), QStringLiteral("ms"));

    // The estimate of the same job, its notes grown to run the document to three pages.
    window.editor()->textBox()->setPlainText(page + page);
    const std::optional<Estimate> estimate = Estimate::of(jobs->capture(), BusinessDetails());
    const QString pdf = folder.filePath(QStringLiteral("estimate.pdf"));
    const QList<double> estimates = timesMs(std::max(1, runs / 5), [&] {
        if (!EstimateDocument::writePdf(*estimate, pdf, QLocale(QLocale::English, QLocale::UnitedStates)).isEmpty())
            qFatal("the estimate was not written");
    });
    report(QStringLiteral("estimate PDF of 3 pages, median of %1").arg(estimates.size()),
           percentiles(estimates).median, QStringLiteral("ms"));
    return 0;
}
