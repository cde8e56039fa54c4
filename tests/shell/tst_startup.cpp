// Start-up: the screen check, the splash, the single-copy rule, the settings kept between runs, and
// the real desktop on a machine without the outside programs it starts.
#include "support/TestSupport.h"

#include "platform/QtDesktop.h"
#include "platform/SingleInstance.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "shell/StoredControls.h"

#include <QtWidgets>

namespace {

QString selectedOptions(const QWidget &window)
{
    QStringList selected;
    for (const QRadioButton *button : window.findChildren<QRadioButton *>())
        selected << (button->isChecked() ? button->objectName() : QString());
    selected.removeAll(QString());
    selected.sort();
    return selected.join(' ');
}

QRadioButton *option(const QWidget &window, const char *name) { return window.findChild<QRadioButton *>(name); }

// Which rebar kind's input frame shows.
int rebarFrame(const MainWindow &window)
{
    for (int kind = 0; kind < 3; ++kind)
        if (window.findChild<QGroupBox *>(QString("RBRFrame(%1)").arg(kind))->isVisibleTo(window.page(2)))
            return kind;
    return -1;
}

const QString kDesignedOptions =
    "Option1(0) Option10(0) Option10(1) Option10(2) Option10(3) Option10(4) Option10(5) Option2(0) rbropt_visible(0)";

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }
    void lowResolutionCheck()
    {
        for (const auto &[screen, warns] : {std::pair{QSize(640, 480), true}, {QSize(800, 600), false},
                                            {QSize(1024, 768), false}, {QSize(640, 400), false},
                                            {QSize(480, 640), false}, {QSize(639, 480), false}})
            QVERIFY2(Startup::isLowResolutionScreen(screen) == warns, qPrintable(QString::number(screen.width())));
    }
    // A second copy leaves at once and shows nothing; a lock left by a copy that died does not stop the
    // next start; the first copy shows the main window once Escape ends the splash.
    void singleCopy()
    {
        QLockFile other(SingleInstance::lockFilePath());
        QVERIFY(other.tryLock(0));
        QElapsedTimer clock;
        clock.start();
        Startup::setEnterEventLoop(false);
        QCOMPARE(Startup::run(*qApp), 0);
        QVERIFY2(!TestSupport::timingsApply() || clock.elapsed() < 1000, "the second copy waited");
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        other.unlock();
        QProcess gone;
        gone.start("true");
        QVERIFY(gone.waitForFinished());
        QFile lock(SingleInstance::lockFilePath());
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(QByteArray::number(gone.processId() ? gone.processId() : 999999) + "\n" +
                   QCoreApplication::applicationName().toUtf8() + "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QTimer::singleShot(100, [] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (widget->objectName() == "frmSplash" && widget->isVisible())
                    QTest::keyClick(widget, Qt::Key_Escape);
        });
        clock.start();
        QCOMPARE(Startup::run(*qApp), 0);
        QVERIFY2(!TestSupport::timingsApply() || clock.elapsed() < 2500, "Escape did not end the splash");
        QWidget *main = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            QVERIFY2(widget->objectName() != "frmSplash", "the splash outlived start-up");
            main = widget->objectName() == "frmMain" ? widget : main;
        }
        QVERIFY(main && main->isVisible());
        TestSupport::MessageAnswers yes({QMessageBox::Yes});
        main->close();
        QVERIFY(yes.seen.size() == 1 && !main->isVisible());
    }
    // Block and bar sizes are never carried over, even though stored selected; restoring a rebar
    // kind runs its choice, so its input frame is the one shown.
    void optionStatesSurviveARestart()
    {
        {
            MainWindow first;
            QCOMPARE(first.findChildren<QRadioButton *>().size(), 28);
            QCOMPARE(selectedOptions(first) + " " + QString::number(rebarFrame(first)), kDesignedOptions + " 0");
            for (const char *name : {"Option1(3)", "Option2(4)", "rbropt_visible(2)", "BLCKopt(1)", "Option3(2)"})
                option(first, name)->click();
            OptionStates::setOption(option(first, "Option10(4)"), false);
            OptionStates::saveAll(&first);
        }
        QCOMPARE(SettingsStore::get("Values", "Option1(3)") + SettingsStore::get("Values", "Option1(0)") +
                     SettingsStore::get("Values", "BLCKopt(1)"), "TrueFalseTrue");
        MainWindow second;
        QCOMPARE(selectedOptions(second) + " " + QString::number(rebarFrame(second)),
                 "Option1(3) Option10(0) Option10(1) Option10(2) Option10(3) Option10(5) Option2(4) "
                 "rbropt_visible(2) 2");
        for (const auto &[key, stored, checked] : {std::tuple{"Option10(1)", "maybe", true}, {"Option10(1)", "", true},
                                                    {"Option2(3)", "1", false}, {"Option10(1)", "false", false},
                                                    {"Option2(3)", "TRUE", true}}) {
            QFile::remove(SettingsStore::filePath());
            SettingsStore::save("Values", key, stored);
            MainWindow window;
            QVERIFY2(option(window, key)->isChecked() == checked, stored);
        }
    }
    // With nothing on PATH each request fails quietly and at once; through the menus nothing is said.
    void desktopWithoutPrograms()
    {
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(empty.path()));
        QtDesktop desktop;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(desktop.findProgram("gnome-calculator").isEmpty() && !desktop.startDetached({"gnome-calculator", {}}) &&
                !desktop.runAndWait({"gnome-calculator", {}}));
        QVERIFY2(!TestSupport::timingsApply() || timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        MainWindow window; window.show();
        TestSupport::MessageAnswers boxes({QMessageBox::Ok});
        window.menuAction("mnuCalc")->trigger();
        window.menuAction("mnuChngRes")->trigger();
        QTest::qWait(100);
        qputenv("PATH", path);
        QTest::mouseClick(window.pageButton(8), Qt::LeftButton);
        QVERIFY(boxes.seen.isEmpty() && window.isVisible() && window.page(8)->isVisible());
    }
};

MORTARIX_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
