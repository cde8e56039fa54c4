// Ending the program every way: the exit question or, with notes in the editor, the save question;
// the tray; and a termination request while a dialog is open, each such case in a child process of
// this test, so a crash or a double free (the sanitized build aborts on it) is an exit status.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "editor/EditorPage.h"
#include "platform/Messages.h"
#include "platform/TerminationSignal.h"
#include "shell/JobSession.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "shell/StoredControls.h"
#include "shell/Tray.h"
#include "totals/PriceListPage.h"

#include <QtWidgets>

#include <csignal>
#include <cstdio>

using TestSupport::MessageAnswers;
using Answer = QMessageBox::StandardButton;

namespace {

const QString kSaveOffer = "You Have An Open File Or Text In The Text Editor,\nDo You Want To Save This Info?";
const QString kExitQuestion = "Do you really want to exit the application?";
constexpr char kScenario[] = "MORTARIX_END_SCENARIO", kSaveTo[] = "MORTARIX_END_SAVE_TO";

// A notification area that records what the window asks of it.
struct FakeTray final : Tray
{
    explicit FakeTray(bool available) : available(available) {}
    bool isAvailable() const override { return available; }
    bool isIconShown() const override { return shown; }
    void addIcon(const QIcon &, const QString &) override { shown = true; }
    void removeIcon() override { shown = false; }
    bool available, shown = false;
};

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The child: opens the case's dialog on a main window with notes, sends itself SIGTERM twice once
// it is up, answers the closing questions ("Yes" to the save offer saves to kSaveTo), says on
// stdout what it met, and returns the event loop's exit code.
int runScenario(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString scenario = qEnvironmentVariable(kScenario), saveTo = qEnvironmentVariable(kSaveTo);
    auto *window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QObject::connect(window, &MainWindow::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    TerminationSignal termination;
    Startup::closeOnSessionEnd(window, &termination);
    window->editor()->textBox()->setPlainText("Footings for the Miller garage\nPour on Tuesday");
    QTemporaryDir jobs; // the job is saved: only the notes' own closing steps ask
    window->jobs()->saveTo(jobs.filePath("Miller.mortarix"));
    QPointer<QWidget> first, answered;
    int waitedForFirst = 0;
    bool signalled = false, saving = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!modal || modal == answered) {
            return;
        } else if (!std::exchange(signalled, true)) {
            say(QString("opened ") + modal->metaObject()->className());
            first = modal;
            std::raise(SIGTERM);
            std::raise(SIGTERM); // a second request adds nothing
        } else if (modal == first && ++waitedForFirst < 50) {
            return; // ample time to dismiss it; one still open is a question asked before the request
        } else if (auto *files = qobject_cast<QFileDialog *>(modal); files && !saveTo.isEmpty()) {
            if (!std::exchange(saving, true)) // tried until it takes: the dialog may still read its folder
                say("saving");
            if (QWidget *focused = QApplication::focusWidget()) // a focused name field stays as typed
                focused->clearFocus();
            files->selectFile(saveTo);
            static_cast<QDialog *>(files)->accept();
        } else if (answered = modal; box && (box->text() == kSaveOffer || box->text() == kExitQuestion)) {
            say("asked " + box->text().section('\n', 0, 0));
            box->button(box->text() == kSaveOffer && saveTo.isEmpty() ? Answer::No : Answer::Yes)->click();
        } else { // anything else after the request should not have been shown
            say("unexpected " + (box ? box->text() : QString(modal->metaObject()->className())));
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
    watch.start(10);
    const QHash<QString, const char *> opener = {
        {"yes/no question", "mnuxprToWrd"}, {"ok/cancel question", "MYTotalscmd_Print"},
        {"export question", "MyGRIDcmd_xprt"}, {"save changes question", "mnuPopClse"}, {"closing question", "mnuExit"},
        {"file dialog", "mnuRTFFLEOPN"}, {"font dialog", "mnuPopRTfntedt"}, {"colour dialog", "mnuPopRTcoloredit"},
        {"print dialog", "mnuprinter"}};
    QTimer::singleShot(0, window, [window, scenario, opener] {
        if (scenario == "message box")
            Messages::warnDataMissing(window->editor()); // owned by a page, as the calculators' are
        else if (auto *button = window->findChild<QPushButton *>(opener.value(scenario)))
            button->click();
        else
            window->menuAction(opener.value(scenario))->trigger();
    });
    QTimer::singleShot(60000, &app, [] {
        say("timed out");
        std::_Exit(3);
    });
    return app.exec();
}

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    // Prices and options are saved on every attempt, also one called off.
    void closing_data()
    {
        QTest::addColumn<QString>("how"); QTest::addColumn<bool>("notes"); QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("saveAs"); // the save dialog's answer; "" cancels
        // "stays", "fails" (the save, and the program stays), or it ends and "plain", "rtf" or "" is written
        QTest::addColumn<QString>("written");
        for (const char *how : {"File > Exit", "close box", "SIGTERM"}) {
            QTest::addRow("%s, No", how) << how << false << Answer::No << "" << "stays";
            QTest::addRow("%s, Yes", how) << how << false << Answer::Yes << "" << "";
            QTest::addRow("%s, notes, No", how) << how << true << Answer::No << "" << "";
            QTest::addRow("%s, notes, Cancel", how) << how << true << Answer::Cancel << "" << "stays";
            QTest::addRow("%s, notes, Yes, .TXT", how) << how << true << Answer::Yes << "NOTES.TXT" << "plain";
            QTest::addRow("%s, notes, Yes, .rtf", how) << how << true << Answer::Yes << "notes.rtf" << "rtf";
            QTest::addRow("%s, notes, Yes, no extension", how) << how << true << Answer::Yes << "notes" << "rtf";
            QTest::addRow("%s, notes, Yes, dialog cancelled", how) << how << true << Answer::Yes << "" << "stays";
            QTest::addRow("%s, notes, Yes, a folder", how) << how << true << Answer::Yes << "a folder.rtf" << "fails";
        }
    }
    void closing()
    {
        QFETCH(QString, how); QFETCH(bool, notes); QFETCH(Answer, answer);
        QFETCH(QString, saveAs); QFETCH(QString, written);
        FakeDesktop desktop;
        QTemporaryDir folder;
        MainWindow window; window.show();
        TerminationSignal termination;
        Startup::closeOnSessionEnd(&window, &termination);
        QSignalSpy unloaded(&window, &MainWindow::unloaded);
        window.priceList()->entryField(0)->setText("95");
        window.findChild<QRadioButton *>("Option1(3)")->setChecked(true);
        auto *editor = window.findChild<QTextEdit *>("RichTextBox1");
        editor->setFocus();
        QTest::keyClicks(editor, notes ? "Pour footings at 8" : "");
        QTemporaryDir jobs; // the job is saved: only the notes' own closing steps ask
        QVERIFY(window.jobs()->saveTo(jobs.filePath("garage.mortarix")));
        QVERIFY(!window.page(MainWindow::kEditorPage)->isVisible());
        desktop.saveAnswers.enqueue(saveAs.isEmpty() ? "" : folder.filePath(saveAs));
        QVERIFY(written != "fails" || QDir().mkpath(folder.filePath(saveAs)));
        const bool stays = written == "stays" || written == "fails";
        MessageAnswers answers({answer, Answer::Ok});
        if (how == "File > Exit")
            window.menuAction("mnuExit")->trigger();
        else if (how == "close box")
            window.close();
        else
            std::raise(SIGTERM);
        const QString question = how == "close box" ? "Do you really want to close the form?" : kExitQuestion;
        QCOMPARE(answers.waitFor(0), notes ? QString("Mortarix / Question / Yes|No|Cancel / " + kSaveOffer)
                                           : QString("Mortarix (Masonry) / Question / Yes|No / " + question));
        // No exit question after the save question; a failed save says why.
        const QString second = answers.waitFor(1, written == "fails" ? 5000 : 20).section('\n', 0, 2);
        QCOMPARE(second, written == "fails" ? "Mortarix / Warning / Ok / The File Could Not Be Saved.\n\n" +
                                                  folder.filePath(saveAs) : QString());
        QCOMPARE(window.isVisible(), stays);
        QCOMPARE(unloaded.count(), stays ? 0 : 1);
        QCOMPARE(SettingsStore::get("Prices", "Price(0)") + SettingsStore::get("Values", "Option1(3)") +
                     SettingsStore::get("Values", "Option1(0)"), "95TrueFalse");
        QCOMPARE(editor->toPlainText(), notes ? "Pour footings at 8" : "");
        QCOMPARE(desktop.saveSeen.size(), notes && answer == Answer::Yes ? 1 : 0);
        QVERIFY(desktop.saveSeen.isEmpty() || window.page(MainWindow::kEditorPage)->isVisibleTo(&window));
        const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, written == "plain" || written == "rtf" ? QStringList{saveAs} : QStringList{});
        QFile file(folder.filePath(saveAs));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (written == "plain")
            QCOMPARE(bytes, "Pour footings at 8");
        else if (written == "rtf")
            QVERIFY2(bytes.startsWith("{\\rtf") && bytes.contains("Pour footings at 8"), bytes.constData());
    }
    // Hidden to the tray and back by a double click, not a right click; the icon stays, so the window
    // stays reachable, until the program ends. Without a tray the window is only minimized.
    void tray()
    {
        MainWindow window;
        auto *tray = new FakeTray(true);
        window.setTray(tray);
        window.show();
        window.menuAction("mnuminimize")->trigger();
        QVERIFY(!window.isVisible() && tray->isIconShown());
        emit tray->rightClicked();
        QVERIFY(!window.isVisible());
        emit tray->doubleClicked();
        QVERIFY(window.isVisible() && !window.isMinimized() && tray->isIconShown());
        MessageAnswers yes({Answer::Yes});
        window.close();
        QVERIFY(!window.isVisible() && !tray->isIconShown());
        MainWindow without;
        auto *none = new FakeTray(false);
        without.setTray(none);
        without.show();
        without.menuAction("mnuminimize")->trigger();
        QVERIFY(!none->isIconShown() && without.isVisible() && without.isMinimized());
    }
    // The dialog is dismissed, only the closing steps ask, once each, and the program ends with
    // status 0, having written nothing but the settings and, when confirmed, the notes, whole.
    void endWithDialogOpen_data()
    {
        QTest::addColumn<QString>("scenario"); QTest::addColumn<QString>("opened"); QTest::addColumn<bool>("saveNotes");
        for (const char *box : {"message box", "yes/no question", "ok/cancel question", "export question",
                                "save changes question", "closing question"})
            QTest::newRow(box) << box << "QMessageBox" << false;
        for (const auto &[dialog, opened] : {std::pair{"file dialog", "QFileDialog"}, {"font dialog", "QFontDialog"},
                                             {"colour dialog", "QColorDialog"}, {"print dialog", "QPrintDialog"}})
            QTest::newRow(dialog) << dialog << opened << false;
        QTest::newRow("yes/no question, notes saved") << "yes/no question" << "QMessageBox" << true;
        QTest::newRow("save changes question, notes saved") << "save changes question" << "QMessageBox" << true;
    }
    void endWithDialogOpen()
    {
        QFETCH(QString, scenario); QFETCH(QString, opened); QFETCH(bool, saveNotes);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("notes") && QDir(home.path()).mkpath("runtime"));
        QFile::setPermissions(home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert(kScenario, scenario);
        if (saveNotes)
            environment.insert(kSaveTo, home.filePath("notes/Miller.rtf"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QString("exit %1\n%2\n%3").arg(child.exitCode())
                                .arg(output, QString::fromLocal8Bit(child.readAllStandardError().right(3000)))));
        QCOMPARE(output, "opened " + opened + "\nasked You Have An Open File Or Text In The Text Editor,\n" +
                             (saveNotes ? "saving\n" : ""));
        QStringList written;
        for (QDirIterator it(home.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            written << QDir(home.path()).relativeFilePath(it.next());
        written.removeIf([](const QString &file) { return QRegularExpression("^(config|runtime|\\.cache)/").match(file)
                                                                  .hasMatch(); });
        QCOMPARE(written, saveNotes ? QStringList{"notes/Miller.rtf"} : QStringList{});
        QFile saved(home.filePath("notes/Miller.rtf"));
        const QByteArray rtf = saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
        QVERIFY2(!saveNotes || (rtf.startsWith("{\\rtf1") && rtf.trimmed().endsWith('}') &&
                                rtf.contains("Footings for the Miller garage") && rtf.contains("Pour on Tuesday")),
                 rtf.constData());
    }
};

MORTARIX_TEST_MAIN_OR_CHILD(TestShutdown, qEnvironmentVariableIsSet(kScenario), runScenario)
#include "tst_shutdown.moc"
