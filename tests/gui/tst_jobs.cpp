// Jobs through the main window: saved and opened again whole, files refused with the job on screen
// untouched, values applied as typed, the unsaved-changes question before every command that
// replaces the job, the recovery copy, and jobs opened from the command line or a later start.
#include "support/FakeDesktop.h"
#include "support/CalculatorTestKit.h"

#include "calculators/CalculatorPage.h"
#include "core/JobPlaces.h"
#include "editor/EditorPage.h"
#include "platform/HandOver.h"
#include "platform/SingleInstance.h"
#include "shell/JobSession.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QtWidgets>

using TestSupport::child;
using TestSupport::MessageAnswers;
using TestSupport::writeFile;
using Answer = QMessageBox::StandardButton;

namespace {

constexpr char kChildJob[] = "MORTARIX_JOBS_CHILD_OPENS";
const QString kCaption = "Mortarix (Masonry)";

QString shown(const QWidget &window, const QString &name)
{
    if (auto *list = window.findChild<QComboBox *>(name))
        return list->currentText();
    return child<QLineEdit>(window, name)->text();
}

// The footing page worked out as a user would and sent with labour; every answer is OK.
void priceFooting(MainWindow &window, const QString &length)
{
    MessageAnswers ok({Answer::Ok, Answer::Ok});
    child<QComboBox>(window, "MyFNGcbo_Wdth")->setCurrentText("16\"");
    child<QComboBox>(window, "MyFNGcbo_Hght")->setCurrentText("8\"");
    child<QLineEdit>(window, "MyFNGtbx_lngth")->setText(length);
    child<QPushButton>(window, "MyFNGcmd_TLCY")->click();
    child<QLineEdit>(window, "MyFNGcbx_CPCY")->setText("85");
    child<QPushButton>(window, "MyFNGcmd_TC")->click();
    child<QLineEdit>(window, "myADDSigntbx(6)")->setText("250");
    child<QPushButton>(window, "Myfngcmd_send")->click();
    QCOMPARE(ok.seen.size(), 1);
}

} // namespace

class TestJobs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(Recovery::folder()).removeRecursively();
        RecentJobs::save({});
    }

    // Everything a user entered comes back in a fresh window as it was; the price list and the
    // options stay the user's own.
    void roundTrip()
    {
        FakeDesktop desktop;
        QTemporaryDir dir;
        MainWindow a; a.show();
        CalculatorTestKit::fillEveryPage(a);
        CalculatorTestKit::sendEveryPage(a);
        child<QRadioButton>(a, "rbropt_visible(2)")->click();
        child<QRadioButton>(a, "BLCKopt(1)")->click();
        priceFooting(a, "100");
        QTest::mouseClick(a.pageButton(MainWindow::kTotalsPage), Qt::LeftButton); // the totals as an open shows them
        a.editor()->textBox()->setHtml("<b>Pour</b> on Tuesday");
        auto details = TestSupport::onNextModalWidget([](QWidget *dialog) {
            child<QLineEdit>(*dialog, "txtJobName")->setText("Miller garage");
            child<QLineEdit>(*dialog, "txtCustomer")->setText("Ann Miller");
            child<QDateEdit>(*dialog, "txtEstimateDate")->setDate(QDate(2026, 12, 7));
            child<QPlainTextEdit>(*dialog, "txtRemarks")->setPlainText("Call first.\nGate code 12");
            child<QDialogButtonBox>(*dialog, "")->button(QDialogButtonBox::Ok)->click();
        });
        a.menuAction("mnuJobDetails")->trigger();
        QCOMPARE(a.windowTitle(), kCaption + " - Miller garage[*]");
        QVERIFY(a.isWindowModified());
        desktop.saveAnswers.enqueue(dir.filePath("Miller"));
        a.menuAction("mnuSaveJob")->trigger();
        QCOMPARE(desktop.saveSeen.value(0).fileName, desktop.documentsFolder() + "/Miller garage.mortarix");
        QCOMPARE(desktop.saveSeen.value(0).filter, "Mortarix Jobs (*.mortarix)|*.mortarix");
        const QString path = dir.filePath("Miller.mortarix");
        QVERIFY(QFile::exists(path) && !a.isWindowModified());
        const Job saved = a.jobs()->capture();
        QCOMPARE(saved.posted.size(), 8);

        MainWindow b; b.show();
        b.priceList()->entryField(0)->setText("77");
        child<QRadioButton>(b, "Option1(3)")->setChecked(true);
        desktop.openAnswers.enqueue(path);
        b.menuAction("mnuOpenJob")->trigger();
        QCOMPARE(b.jobs()->capture(), saved);
        QCOMPARE(b.editor()->textBox()->toPlainText(), "Pour on Tuesday");
        QVERIFY(b.editor()->textBox()->document()->firstBlock().begin().fragment().charFormat().fontWeight() >=
                QFont::Bold);
        QVERIFY(!child(b, "RBRFrame(2)")->isHidden() && child(b, "RBRFrame(0)")->isHidden());
        const TotalsGrid *grid = b.totalsGrid();
        QCOMPARE(grid->cell(1, TotalsGrid::kTotalColumn), "$529.65");
        // The footing's $529.65 and 7 rows of $12 labour and $12 material.
        QCOMPARE(grid->cell(TotalsGrid::kGrandTotalRow, TotalsGrid::kMaterialColumn), "$697.65");
        QCOMPARE(b.priceList()->entryField(0)->text(), "77");
        QVERIFY(child<QRadioButton>(b, "Option1(3)")->isChecked());
        QCOMPARE(b.windowTitle(), kCaption + " - Miller garage[*]");
        QVERIFY(!b.isWindowModified());
        QCOMPARE(RecentJobs::load(), QStringList{path});
        // A new job is the window as it started.
        b.menuAction("mnuNewJob")->trigger();
        QCOMPARE(b.jobs()->capture().fields, MainWindow().jobs()->capture().fields);
        QCOMPARE(b.windowTitle(), kCaption);
        QCOMPARE(grid->cell(TotalsGrid::kGrandTotalRow, TotalsGrid::kMaterialColumn), "$0.00");
        QCOMPARE(b.editor()->textBox()->toPlainText(), "");
    }

    // A file that is no job is refused by name and reason (the reasons are the job file's own);
    // nothing on screen changes.
    void refused()
    {
        const QString reason = "The job was saved by a newer version of Mortarix (job format 3); this version "
                               "reads format 1.";
        QTemporaryDir dir;
        const QString path = writeFile(dir, "newer.mortarix", R"({"format": "mortarix-job", "version": 3})");
        MainWindow window; window.show();
        priceFooting(window, "100");
        const Job before = window.jobs()->capture();
        const QString caption = window.windowTitle();
        MessageAnswers ok({Answer::Ok});
        QVERIFY(!window.jobs()->openFile(path));
        QCOMPARE(ok.waitFor(0), "Mortarix / Warning / Ok / The job \"" + path + "\" cannot be opened.\n" + reason);
        QCOMPARE(window.jobs()->capture(), before);
        QCOMPARE(window.windowTitle(), caption);
        QVERIFY(window.jobs()->isModified());
        QVERIFY(RecentJobs::load().isEmpty());
    }

    // Each value is applied as the user could have typed it.
    void appliedAsTyped_data()
    {
        QTest::addColumn<QString>("field"); QTest::addColumn<QString>("text"); QTest::addColumn<QString>("expected");
        QTest::newRow("input too long") << "MyFNGcbx_CPCY" << "1234567890" << "123456";
        QTest::newRow("result") << "MyFNGtbx_TLCY" << "3.29" << "3.29";
        QTest::newRow("list") << "MyFNGcbo_Wdth" << "16\"" << "16\"";
        QTest::newRow("not in the list") << "MyFNGcbo_Wdth" << "15\"" << "";
        QTest::newRow("typed into a list") << "MyCWcbx_WL" << "37'" << "37'";
        QTest::newRow("typed too long") << "MyCWcbx_WL" << QString(40, '9') << QString(32, '9');
        QTest::newRow("labour") << "myADDSigntbx(6)" << "400" << "400";
        QTest::newRow("labour, not digits") << "myADDSigntbx(6)" << "12a" << "$0.00";
    }
    void appliedAsTyped()
    {
        QFETCH(QString, field); QFETCH(QString, text); QFETCH(QString, expected);
        QTemporaryDir dir;
        const QJsonObject job{{"format", "mortarix-job"}, {"version", 1}, {"pages", QJsonObject{{field, text}}}};
        MainWindow window; window.show();
        QVERIFY(window.jobs()->openFile(writeFile(dir, "pages.mortarix", QJsonDocument(job).toJson())));
        QCOMPARE(shown(window, field), expected);
        QVERIFY(!window.jobs()->isModified());
    }

    // Before a command replaces the job, its unsaved changes are asked about: Yes saves (and a failed
    // save stops the command), No drops them, Cancel stops the command.
    void unsavedChanges_data()
    {
        QTest::addColumn<QString>("command"); QTest::addColumn<Answer>("answer"); QTest::addColumn<bool>("saveFails");
        for (const char *command : {"mnuNewJob", "mnuOpenJob", "mnuRecentJob(1)", "mnuExit"}) {
            QTest::addRow("%s, Yes", command) << command << Answer::Yes << false;
            QTest::addRow("%s, Yes, save fails", command) << command << Answer::Yes << true;
            QTest::addRow("%s, No", command) << command << Answer::No << false;
            QTest::addRow("%s, Cancel", command) << command << Answer::Cancel << false;
        }
    }
    void unsavedChanges()
    {
        QFETCH(QString, command); QFETCH(Answer, answer); QFETCH(bool, saveFails);
        FakeDesktop desktop;
        QTemporaryDir dir;
        const QString other = dir.filePath("other.mortarix"), garage = dir.filePath("garage.mortarix");
        auto *window = new MainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<MainWindow> alive(window);
        window->show();
        priceFooting(*window, "50");
        QVERIFY(window->jobs()->saveTo(other));
        priceFooting(*window, "100");
        QVERIFY(window->jobs()->saveTo(garage));
        child<QLineEdit>(*window, "MyFNGtbx_lngth")->setText("200");
        window->jobs()->writeRecoveryCopy();
        window->jobs()->waitForRecoveryWrites();
        QVERIFY(QFile::exists(Recovery::copyPath()));
        if (saveFails) // the file's place is taken by a folder
            QVERIFY(QFile::remove(garage) && QDir().mkpath(garage));
        desktop.openAnswers.enqueue(other);
        QList<Answer> answers{answer};
        if (saveFails)
            answers << Answer::Ok;
        answers << Answer::Yes; // to the exit question
        MessageAnswers asked(answers);
        QAction *action = command.startsWith("mnuRecentJob") ? window->findChild<QAction *>(command)
                                                               : window->menuAction(command);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(asked.waitFor(0), "Mortarix / Question / Yes|No|Cancel / The job \"garage.mortarix\" has changes "
                                   "that are not saved.\nDo you want to save them?");
        const QString second = asked.waitFor(1, 100);
        if (saveFails)
            QVERIFY2(second.startsWith("Mortarix / Warning / Ok / The job cannot be saved to \"" + garage) &&
                         second.endsWith("\nIt stays unsaved."), qPrintable(second));
        else // only the exit command goes on to its own question
            QCOMPARE(second.section(" / ", 3), command == "mnuExit" && answer != Answer::Cancel
                                                   ? "Do you really want to exit the application?" : "");
        const bool done = !saveFails && answer != Answer::Cancel;
        const bool saved = TestSupport::readFile(garage).contains("\"MyFNGtbx_lngth\": \"200\"");
        QCOMPARE(saved, answer == Answer::Yes && !saveFails);
        if (command == "mnuExit") {
            QTRY_COMPARE(alive.isNull(), done);
            QTRY_COMPARE(QFile::exists(Recovery::copyPath()), !done);
        } else {
            QCOMPARE(shown(*window, "MyFNGtbx_lngth"), !done ? "200" : command == "mnuNewJob" ? "" : "50");
            QCOMPARE(window->jobs()->isModified(), !done);
            QCOMPARE(window->windowTitle(), !done                   ? kCaption + " - garage.mortarix[*]"
                                            : command == "mnuNewJob" ? kCaption
                                                                     : kCaption + " - other.mortarix[*]");
            QCOMPARE(desktop.openSeen.size(), command == "mnuOpenJob" && done ? 1 : 0);
        }
        delete alive;
    }

    // An unsaved job is copied aside a moment after each change, offered back after a crash, and
    // kept aside when not taken.
    void recovery_data()
    {
        QTest::addColumn<QString>("copy"); QTest::addColumn<Answer>("answer");
        QTest::newRow("recovered") << "job" << Answer::Yes;
        QTest::newRow("declined") << "job" << Answer::No;
        QTest::newRow("damaged") << "damaged" << Answer::Yes;
    }
    void recovery()
    {
        QFETCH(QString, copy); QFETCH(Answer, answer);
        QTemporaryDir dir;
        const QString path = dir.filePath("garage.mortarix");
        {
            MainWindow crashed; crashed.show();
            QVERIFY(crashed.jobs()->saveTo(path));
            QElapsedTimer typed;
            typed.start();
            child<QLineEdit>(crashed, "MyFNGtbx_lngth")->setText("100");
            QVERIFY(crashed.jobs()->isModified());
            QTest::qWait(JobSession::kRecoveryDelayMs / 2);
            QVERIFY(!QFile::exists(Recovery::copyPath()) || typed.elapsed() >= JobSession::kRecoveryDelayMs);
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Recovery::copyPath()), 2 * JobSession::kRecoveryDelayMs);
            crashed.jobs()->waitForRecoveryWrites();
        } // gone without its closing steps, as in a crash
        QVERIFY(QFile::exists(Recovery::copyPath()));
        if (copy == "damaged")
            QVERIFY(QFile::resize(Recovery::copyPath(), 10));
        const QDateTime stamp = QFileInfo(Recovery::copyPath()).lastModified();
        MainWindow window; window.show();
        MessageAnswers asked({answer});
        window.jobs()->offerRecovery();
        const bool offered = copy == "job";
        QCOMPARE(asked.waitFor(0, offered ? 5000 : 100),
                 offered ? "Mortarix / Question / Yes|No / Mortarix did not close normally. Recover the unsaved job "
                           "from " + QLocale().toString(stamp, QLocale::ShortFormat) + "?" : QString());
        const bool recovered = offered && answer == Answer::Yes;
        QCOMPARE(shown(window, "MyFNGtbx_lngth"), recovered ? "100" : "");
        QCOMPARE(window.jobs()->isModified(), recovered);
        QCOMPARE(window.windowTitle(), recovered ? kCaption + " - garage.mortarix[*]" : kCaption);
        QCOMPARE(window.jobs()->fileName(), recovered ? path : QString());
        QCOMPARE(QFile::exists(Recovery::copyPath()), recovered);
        const QStringList aside = QDir(Recovery::folder()).entryList({"recovery-*.mortarix"}, QDir::Files);
        QCOMPARE(aside.size(), recovered ? 0 : 1);
        // Saved, the recovered job needs no copy.
        if (recovered) {
            QVERIFY(window.jobs()->saveJob());
            window.jobs()->waitForRecoveryWrites();
            QVERIFY(!QFile::exists(Recovery::copyPath()));
        }
    }

    // A job named on the command line opens once the window is up; named to a later start, it goes
    // to the copy already running, which asks about its own unsaved changes first.
    void commandLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("garage.mortarix");
        {
            MainWindow first; first.show();
            priceFooting(first, "100");
            QVERIFY(first.jobs()->saveTo(path));
        }
        QCOMPARE(Startup::jobArgument({"mortarix", "--nograb", "garage.mortarix", "b"}), "garage.mortarix");
        QCOMPARE(Startup::jobArgument({"mortarix", "--reverse"}), "");
        Startup::setEnterEventLoop(false);
        Startup::setSplashDelay(10);
        QDir::setCurrent(dir.path());
        QCOMPARE(Startup::run(*qApp, "garage.mortarix"), 0); // relative to where it was started
        MainWindow *started = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *main = qobject_cast<MainWindow *>(widget); main && main->isVisible())
                started = main;
        }
        QVERIFY(started);
        QCOMPARE(shown(*started, "MyFNGtbx_lngth"), "100");
        QCOMPARE(started->jobs()->fileName(), path);

        // The copy just started is the running one a later start hands the job to.
        child<QLineEdit>(*started, "MyFNGtbx_lngth")->setText("75");
        SingleInstance running;
        QVERIFY(running.acquire());
        HandOver handOver;
        Startup::receiveJobs(&handOver, started);
        MessageAnswers asked({Answer::No});
        QProcess later;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildJob, "garage.mortarix");
        later.setProcessEnvironment(environment);
        later.setWorkingDirectory(dir.path());
        later.start(QCoreApplication::applicationFilePath(), {});
        QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, 30000);
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(asked.waitFor(0).section('\n', 0, 0),
                 "Mortarix / Question / Yes|No|Cancel / The job \"garage.mortarix\" has changes that are not saved.");
        QTRY_COMPARE(shown(*started, "MyFNGtbx_lngth"), "100");
        QVERIFY(!started->jobs()->isModified());
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto isMain = [](QWidget *w) { return qobject_cast<MainWindow *>(w) != nullptr; };
        QCOMPARE(std::count_if(windows.cbegin(), windows.cend(), isMain), 1);
        delete started;
    }
};

// A later start of the program: it hands its job over to the copy the test runs, and ends.
MORTARIX_TEST_MAIN_OR_CHILD(TestJobs, qEnvironmentVariableIsSet(kChildJob),
                            [](QApplication &app) { return Startup::run(app, qEnvironmentVariable(kChildJob)); })
#include "tst_jobs.moc"
