// The real desktop on a machine without the outside programs it starts: nothing on PATH at all.
// Each request fails quietly and at once, so the program goes on instead of hanging or crashing.
// (Opening pages and documents goes through the platform, which the offscreen one refuses; the
// messages for that are tested with a scripted desktop.)
#include "support/TestSupport.h"

#include "platform/QtDesktop.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>

class TestQtDesktop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_emptyPath;
    QByteArray m_savedPath;

private slots:
    void initTestCase()
    {
        QVERIFY(m_emptyPath.isValid());
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_emptyPath.path()));
    }

    void cleanupTestCase() { qputenv("PATH", m_savedPath); }

    void requestsFailAtOnce_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("find the calculator") << "find";
        QTest::newRow("start a program") << "start";
        QTest::newRow("run display settings and wait") << "run";
    }

    void requestsFailAtOnce()
    {
        QFETCH(QString, request);
        QtDesktop desktop;
        const Desktop::Command missing{QStringLiteral("gnome-calculator"), {}};

        QElapsedTimer timer;
        timer.start();
        bool done = true;
        if (request == QLatin1String("find"))
            done = !desktop.findProgram(missing.program).isEmpty();
        else if (request == QLatin1String("start"))
            done = desktop.startDetached(missing);
        else
            done = desktop.runAndWait(missing);
        QVERIFY(!done);
        if (TestSupport::timingsApply())
            QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    }

    // Through the menus: with nothing to start, nothing is said and the window goes on.
    void menusWithNothingToStart_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("calculator") << "mnuCalc";
        QTest::newRow("display settings") << "mnuChngRes";
    }

    void menusWithNothingToStart()
    {
        QFETCH(QString, entry);
        MainWindow window;
        window.show();
        auto message = TestSupport::answerNextMessageBox(QMessageBox::Ok, 500);
        window.menuAction(entry)->trigger();
        QTest::qWait(100);
        QVERIFY(!message->shown);
        QVERIFY(window.isVisible());
        QTest::mouseClick(window.pageButton(8), Qt::LeftButton);
        QVERIFY(window.page(8)->isVisible());
    }
};

MORTARIX_TEST_MAIN(TestQtDesktop)
#include "tst_qtdesktop.moc"
