// Closing the main window every way, and the tray icon.
#include "support/TestSupport.h"

#include "platform/TerminationSignal.h"
#include "shell/MainWindow.h"
#include "shell/OpenWindows.h"
#include "shell/StoredControls.h"
#include "shell/Startup.h"
#include "shell/Tray.h"
#include "totals/PriceListPage.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSystemTrayIcon>

#include <csignal>

namespace {

// A notification area that records what the window asks of it.
class FakeTray final : public Tray
{
public:
    explicit FakeTray(bool available) : m_available(available) {}

    bool isAvailable() const override { return m_available; }
    bool isIconShown() const override { return m_shown; }
    void addIcon(const QIcon &, const QString &tip) override
    {
        ++adds;
        lastTip = tip;
        m_shown = true;
    }
    void removeIcon() override { m_shown = false; }

    int adds = 0;
    QString lastTip;

private:
    bool m_available;
    bool m_shown = false;
};

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private:
    // Types a price and picks a colour, so the store can be checked after a close attempt.
    static void changeSomething(MainWindow &window)
    {
        window.priceList()->entryField(0)->setText(QStringLiteral("95"));
        window.findChild<QRadioButton *>(QStringLiteral("Option1(3)"))->setChecked(true);
    }

    static void verifyStored()
    {
        QCOMPARE(SettingsStore::get("Prices", "Price(0)"), QStringLiteral("95"));
        QCOMPARE(SettingsStore::get("Values", "Option1(3)"), QStringLiteral("True"));
        QCOMPARE(SettingsStore::get("Values", "Option1(0)"), QStringLiteral("False"));
    }

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    void exitQuestion_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("question");
        QTest::newRow("File > Exit") << "exit"
                                     << "Do you really want to exit the application?";
        QTest::newRow("close box") << "close"
                                   << "Do you really want to close the form?";
        QTest::newRow("termination") << "system"
                                     << "Do you really want to exit the application?";
    }

    void exitQuestion()
    {
        QFETCH(QString, how);
        QFETCH(QString, question);
        MainWindow window;
        window.show();
        changeSomething(window);
        QSignalSpy unloaded(&window, &MainWindow::unloaded);
        auto close = [&] {
            if (how == "exit")
                window.menuAction(QStringLiteral("mnuExit"))->trigger();
            else if (how == "close")
                window.close();
            else
                window.closeWithReason(MainWindow::CloseReason::System);
        };

        auto no = TestSupport::answerNextMessageBox(QMessageBox::No);
        close();
        QVERIFY(no->shown);
        QCOMPARE(no->text, question);
        QCOMPARE(no->title, QStringLiteral("Mortarix (Masonry)"));
        QCOMPARE(no->icon, QMessageBox::Question);
        QCOMPARE(no->buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(window.isVisible());
        QCOMPARE(unloaded.count(), 0);
        verifyStored(); // saved even though the close was cancelled

        window.priceList()->entryField(0)->setText(QStringLiteral("96"));
        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        close();
        QVERIFY(yes->shown);
        QVERIFY(!window.isVisible());
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(SettingsStore::get("Prices", "Price(0)"), QStringLiteral("96"));
    }

    void escapeDoesNotAnswerAYesNoQuestion()
    {
        MainWindow window;
        window.show();
        bool stillOpenAfterEscape = false;
        bool stillOpenAfterCloseBox = false;
        auto watch = TestSupport::onNextModalWidget([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            QTest::keyClick(box, Qt::Key_Escape);
            stillOpenAfterEscape = box->isVisible();
            box->close();
            stillOpenAfterCloseBox = box->isVisible();
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!window.closeWithReason(MainWindow::CloseReason::Program));
        QVERIFY(stillOpenAfterEscape);
        QVERIFY(stillOpenAfterCloseBox);
        QVERIFY(window.isVisible());
    }

    void everyOpenWindowClosesInOpeningOrder()
    {
        MainWindow window;
        window.show();
        QStringList closed;
        QList<QWidget *> others;
        for (const char *name : {"frmCalendar", "frmReadme", "frmMYSQFTCoverage"}) {
            auto *dialog = new QDialog(&window);
            dialog->setObjectName(QLatin1String(name));
            dialog->setAttribute(Qt::WA_DeleteOnClose, false);
            QObject::connect(dialog, &QDialog::finished, &window,
                             [&closed, dialog] { closed << dialog->objectName(); });
            dialog->show();
            others << dialog;
        }
        QCOMPARE(window.openWindows()->windows().size(), 4);
        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        window.close();
        QVERIFY(yes->shown);
        for (QWidget *other : others)
            QVERIFY2(!other->isVisible(), qPrintable(other->objectName()));
        QCOMPARE(closed, (QStringList{"frmCalendar", "frmReadme", "frmMYSQFTCoverage"}));
    }

    void terminationSignalClosesThroughTheSteps()
    {
        MainWindow window;
        window.show();
        changeSomething(window);
        TerminationSignal termination;
        QVERIFY(termination.isActive());
        Startup::closeOnSessionEnd(&window, &termination);

        auto no = TestSupport::answerNextMessageBox(QMessageBox::No);
        std::raise(SIGTERM);
        QTRY_VERIFY(no->shown);
        QCOMPARE(no->text, QStringLiteral("Do you really want to exit the application?"));
        QVERIFY(window.isVisible());
        verifyStored();

        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        std::raise(SIGTERM);
        QTRY_VERIFY(yes->shown);
        QTRY_VERIFY(!window.isVisible());
    }

    void trayHidesAndRestores()
    {
        MainWindow window;
        auto *tray = new FakeTray(true);
        window.setTray(tray);
        window.show();
        window.priceList()->entryField(2)->setText(QStringLiteral("1.25"));
        window.menuAction(QStringLiteral("mnuminimize"))->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(tray->isIconShown());
        QCOMPARE(tray->lastTip, QStringLiteral("Mortarix (Masonry)"));
        window.menuAction(QStringLiteral("mnuminimize"))->trigger();
        QVERIFY(tray->isIconShown());

        emit tray->rightClicked();
        QVERIFY(!window.isVisible()); // a right click only brings a shown window forward
        emit tray->doubleClicked();
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        QVERIFY(tray->isIconShown()); // the icon stays until the program ends
        QCOMPARE(window.priceList()->entry(2), QStringLiteral("1.25"));

        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        window.close();
        QVERIFY(yes->shown);
        QVERIFY(!tray->isIconShown());
    }

    void hiddenWindowKeepsItsIconWhenTheCloseIsRefused()
    {
        MainWindow window;
        auto *tray = new FakeTray(true);
        window.setTray(tray);
        window.show();
        window.minimizeToTray();
        auto no = TestSupport::answerNextMessageBox(QMessageBox::No);
        QVERIFY(!window.closeWithReason(MainWindow::CloseReason::System));
        QVERIFY(no->shown);
        QVERIFY(tray->isIconShown()); // still reachable
    }

    void withoutTrayTheWindowIsMinimised()
    {
        MainWindow window;
        auto *tray = new FakeTray(false);
        window.setTray(tray);
        window.show();
        window.menuAction(QStringLiteral("mnuminimize"))->trigger();
        QCOMPARE(tray->adds, 0);
        QVERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
    }

    void systemTrayAddsOneIcon()
    {
        SystemTray tray;
        tray.addIcon(QIcon(), QStringLiteral("Mortarix (Masonry)"));
        tray.addIcon(QIcon(), QStringLiteral("Mortarix (Masonry)"));
        QCOMPARE(tray.findChildren<QSystemTrayIcon *>().size(), 1);
        tray.removeIcon();
        QVERIFY(!tray.isIconShown());
    }
};

MORTARIX_TEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
