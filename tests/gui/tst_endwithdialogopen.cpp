// A termination request while a dialog is open: the dialog is dismissed, the closing steps run as
// always, and the program ends with status 0, having written nothing the user did not confirm.
// Each case runs in a child process of this test, so a crash or a double free (the sanitized build
// aborts on it) is an exit status instead of the end of the test run.
#include "support/TestSupport.h"

#include "editor/EditorPage.h"
#include "platform/Messages.h"
#include "platform/TerminationSignal.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"

#include <QAction>
#include <QDirIterator>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>

#include <csignal>
#include <cstdio>

namespace {

constexpr char kScenario[] = "MORTARIX_END_SCENARIO";
constexpr char kSaveTo[] = "MORTARIX_END_SAVE_TO";
const QString kNotes = QStringLiteral("Footings for the Miller garage\nPour on Tuesday");
const QString kSaveOffer =
    QStringLiteral("You Have An Open File Or Text In The Text Editor,\nDo You Want To Save This Info?");
const QString kExitQuestion = QStringLiteral("Do you really want to exit the application?");

// What opens the dialog of each case, on a real main window.
void openDialog(MainWindow &window, const QString &scenario)
{
    auto trigger = [&window](const char *entry) { window.menuAction(QLatin1String(entry))->trigger(); };
    auto click = [&window](const char *button) {
        window.findChild<QPushButton *>(QLatin1String(button))->click();
    };
    if (scenario == "message box")
        Messages::warnDataMissing(window.editor()); // owned by a page, as the calculators' are
    else if (scenario == "yes/no question")
        trigger("mnuxprToWrd");
    else if (scenario == "ok/cancel question")
        click("MYTotalscmd_Print");
    else if (scenario == "export question")
        click("MyGRIDcmd_xprt");
    else if (scenario == "save changes question")
        trigger("mnuPopClse");
    else if (scenario == "closing question")
        trigger("mnuExit");
    else if (scenario == "file dialog")
        trigger("mnuRTFFLEOPN");
    else if (scenario == "font dialog")
        trigger("mnuPopRTfntedt");
    else if (scenario == "colour dialog")
        trigger("mnuPopRTcoloredit");
    else if (scenario == "print dialog")
        trigger("mnuprinter");
}

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The child: opens the case's dialog, sends itself SIGTERM (twice) once the dialog is up, answers
// the closing questions ("Yes" to the save offer saves to kSaveTo), reports on stdout every message
// box and dialog it met, and returns the event loop's exit code.
int runScenario(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString scenario = qEnvironmentVariable(kScenario);
    const QString saveTo = qEnvironmentVariable(kSaveTo);

    auto *window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QObject::connect(window, &MainWindow::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    TerminationSignal termination;
    Startup::closeOnSessionEnd(window, &termination);
    window->editor()->textBox()->setPlainText(kNotes);

    bool signalled = false;
    QPointer<QWidget> first;
    int waitedForFirst = 0;
    bool saving = false;
    QPointer<QWidget> answered;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == answered)
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!signalled) {
            say(QStringLiteral("opened ") + QLatin1String(modal->metaObject()->className()));
            signalled = true;
            first = modal;
            std::raise(SIGTERM);
            std::raise(SIGTERM); // a second request adds nothing
            return;
        }
        // The request has had ample time to dismiss the first dialog; one still open is a closing
        // question that was already asked when the request came.
        if (modal == first && ++waitedForFirst < 50)
            return;
        if (auto *files = qobject_cast<QFileDialog *>(modal); files && !saveTo.isEmpty()) {
            // Tried again until it takes: the dialog may still be reading its folder.
            if (!saving)
                say(QStringLiteral("saving"));
            saving = true;
            // The dialog leaves a focused name field as the user typed it; focus goes first.
            if (QWidget *focused = QApplication::focusWidget())
                focused->clearFocus();
            files->selectFile(saveTo);
            static_cast<QDialog *>(files)->accept(); // QFileDialog::accept, through the public base
            return;
        }
        answered = modal;
        if (box && (box->text() == kSaveOffer || box->text() == kExitQuestion)) {
            const bool save = !saveTo.isEmpty();
            say(QStringLiteral("asked ") + box->text().section(QLatin1Char('\n'), 0, 0));
            box->button(box->text() == kSaveOffer && !save ? QMessageBox::No : QMessageBox::Yes)->click();
        } else {
            // Anything else after the request is a dialog that should not have been shown.
            say(QStringLiteral("unexpected ") +
                (box ? box->text() : QLatin1String(modal->metaObject()->className())));
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
    watch.start();
    QTimer::singleShot(0, window, [window, scenario] { openDialog(*window, scenario); });
    QTimer::singleShot(60000, &app, [] {
        say(QStringLiteral("timed out"));
        std::_Exit(3);
    });
    return app.exec();
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    return files;
}

} // namespace

class TestEndWithDialogOpen : public QObject
{
    Q_OBJECT

private slots:
    void endsCleanly_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("saveNotes");

        QTest::newRow("message box") << "message box" << "QMessageBox" << false;
        QTest::newRow("yes/no question") << "yes/no question" << "QMessageBox" << false;
        QTest::newRow("ok/cancel question") << "ok/cancel question" << "QMessageBox" << false;
        QTest::newRow("totals export question") << "export question" << "QMessageBox" << false;
        QTest::newRow("save changes question") << "save changes question" << "QMessageBox" << false;
        QTest::newRow("yes/no/cancel closing question") << "closing question" << "QMessageBox" << false;
        QTest::newRow("file dialog") << "file dialog" << "QFileDialog" << false;
        QTest::newRow("font dialog") << "font dialog" << "QFontDialog" << false;
        QTest::newRow("colour dialog") << "colour dialog" << "QColorDialog" << false;
        QTest::newRow("print dialog") << "print dialog" << "QPrintDialog" << false;
        QTest::newRow("yes/no question, notes saved") << "yes/no question" << "QMessageBox" << true;
        QTest::newRow("save changes question, notes saved") << "save changes question" << "QMessageBox" << true;
    }

    void endsCleanly()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, opened);
        QFETCH(bool, saveNotes);

        QTemporaryDir home;
        const QString notesFile = QDir(home.path()).filePath(QStringLiteral("notes/Miller.rtf"));
        QDir(home.path()).mkpath(QStringLiteral("notes"));
        QDir(home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QLatin1String(kScenario), scenario);
        if (saveNotes)
            environment.insert(QLatin1String(kSaveTo), notesFile);

        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(QStringLiteral("exit %1\n%2\n%3")
                                .arg(child.exitCode())
                                .arg(output, errors.right(3000))));

        // The dismissed dialog leads to nothing more; only the closing steps ask, once each.
        QStringList expected{QStringLiteral("opened ") + opened,
                             QStringLiteral("asked You Have An Open File Or Text In The Text Editor,")};
        if (saveNotes)
            expected << QStringLiteral("saving");
        QCOMPARE(output.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);

        // Nothing reaches the disk but the settings and, when confirmed, the notes, whole.
        QStringList written = filesUnder(home.path());
        written.removeIf([](const QString &file) {
            return file.startsWith(QLatin1String("config/")) || file.startsWith(QLatin1String("runtime/")) ||
                   file.startsWith(QLatin1String(".cache/"));
        });
        QCOMPARE(written, saveNotes ? QStringList{QStringLiteral("notes/Miller.rtf")} : QStringList{});
        if (saveNotes) {
            QFile saved(notesFile);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            const QByteArray rtf = saved.readAll();
            QVERIFY(rtf.startsWith("{\\rtf1"));
            QVERIFY(rtf.trimmed().endsWith('}'));
            QVERIFY(rtf.contains("Footings for the Miller garage"));
            QVERIFY(rtf.contains("Pour on Tuesday"));
        }
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kScenario)) {
        QApplication app(argc, argv);
        return runScenario(app);
    }
    TestSupport::isolateEnvironment();
    QApplication app(argc, argv);
    TestEndWithDialogOpen test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_endwithdialogopen.moc"
