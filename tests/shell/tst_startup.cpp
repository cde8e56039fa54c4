// Start-up: the screen check, the splash and the single-copy rule.
#include "support/TestSupport.h"

#include "platform/Desktop.h"
#include "platform/SingleInstance.h"
#include "shell/Splash.h"
#include "shell/ShellMessages.h"
#include "shell/Startup.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void lowResolutionCheck_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("warns");
        QTest::newRow("640 x 480") << QSize(640, 480) << true;
        QTest::newRow("800 x 600") << QSize(800, 600) << false;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false;
        QTest::newRow("640 x 400") << QSize(640, 400) << false;
        QTest::newRow("480 x 640") << QSize(480, 640) << false;
        QTest::newRow("639 x 480") << QSize(639, 480) << false;
    }

    void lowResolutionCheck()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, warns);
        QCOMPARE(Startup::isLowResolutionScreen(screen), warns);
    }

    void lowResolutionWarningText()
    {
        const QStringList lines = ShellMessages::lowResolutionWarning().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines.at(0), QStringLiteral("Warning:. . ."));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2),
                 QStringLiteral("Setup Has Determined That Your Screen Resolution Is Set At 640 x 480. "));
        QCOMPARE(lines.at(3), QString());
        QCOMPARE(lines.at(4),
                 QStringLiteral("This Program Is Best Viewed At 800 x 600 or Higher Resoulution"));
        QCOMPARE(lines.at(5), QString(62, QLatin1Char(' ')));
        QCOMPARE(lines.at(6), QString(62, QLatin1Char(' ')));
        QCOMPARE(lines.at(7), QString());
        QCOMPARE(lines.at(8),
                 QStringLiteral("Do You want To Change Your Sreen Resoulution To View This Program?"));
    }

    void splashShowsVersionAndClosesByTimer()
    {
        Splash splash;
        QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.findChild<QLabel *>("Label1")->text(), QStringLiteral("Mortarix"));
        QCOMPARE(splash.findChild<QLabel *>("Label2")->text(), QStringLiteral("(Masonry)"));
        QVERIFY(QRegularExpression(
                    QStringLiteral("^Version (0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$"))
                    .match(splash.findChild<QLabel *>("lblVersion")->text())
                    .hasMatch());
        QCOMPARE(splash.delay(), 3000);
        QVERIFY(!splash.readyToClose());

        splash.setDelay(50);
        QSignalSpy ready(&splash, &Splash::readyToCloseChanged);
        QTRY_VERIFY_WITH_TIMEOUT(splash.readyToClose(), 2000);
        QCOMPARE(ready.count(), 1);
        // Other keys than Escape do nothing; the flag never goes back.
        QTest::keyClick(&splash, Qt::Key_A);
        QTest::keyClick(&splash, Qt::Key_Escape);
        QCOMPARE(ready.count(), 1);
        QVERIFY(splash.readyToClose());
    }

    void splashClosesOnEscapeAtOnce()
    {
        Splash splash;
        QTest::keyClick(&splash, Qt::Key_Return);
        QVERIFY(!splash.readyToClose());
        QVERIFY(splash.isVisible());
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.readyToClose());
        QVERIFY(!splash.isVisible());
    }

    void secondCopyLeavesSilently()
    {
        QLockFile other(SingleInstance::lockFilePath());
        QVERIFY(other.tryLock(0));
        QElapsedTimer clock;
        clock.start();
        Startup::setEnterEventLoop(false);
        const int code = Startup::run(*qApp);
        QCOMPARE(code, 0);
        if (TestSupport::timingsApply())
            QVERIFY2(clock.elapsed() < 1000, "the second copy waited");
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        other.unlock();
    }

    void lockLeftByAKilledCopyDoesNotStopTheNextStart()
    {
        // A copy that died leaves its lock file behind; its process id no longer runs.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForFinished());
        const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
        QFile lock(SingleInstance::lockFilePath());
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(QByteArray::number(deadPid) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        SingleInstance instance;
        QVERIFY(instance.acquire());
        SingleInstance second;
        QVERIFY(!second.acquire());
    }

    void firstCopyShowsTheMainWindowAfterTheSplash()
    {
        QVERIFY(!QFile::exists(SingleInstance::lockFilePath()));
        // Escape ends the splash early; then the main window is shown.
        QTimer::singleShot(100, [] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (widget->objectName() == QLatin1String("frmSplash") && widget->isVisible())
                    QTest::keyClick(widget, Qt::Key_Escape);
            }
        });
        QElapsedTimer clock;
        clock.start();
        Startup::setEnterEventLoop(false);
        QCOMPARE(Startup::run(*qApp), 0);
        if (TestSupport::timingsApply())
            QVERIFY2(clock.elapsed() < 2500, "Escape did not end the splash");
        QWidget *main = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frmMain"))
                main = widget;
            if (widget->objectName() == QLatin1String("frmSplash"))
                QFAIL("the splash outlived start-up");
        }
        QVERIFY(main && main->isVisible());
        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        main->close();
        QVERIFY(yes->shown);
        QVERIFY(!main->isVisible());
    }
};

MORTARIX_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
