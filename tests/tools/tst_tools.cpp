// The Tools menu: the calendar window with its clock, the system calculator and the display
// settings.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "tools/CalendarWindow.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void calendar()
    {
        MainWindow window;
        window.show();
        struct
        {
            bool opened = false;
            QString title;
            bool childOfMain = false;
            bool modal = false;
            QDate selected;
            QStringList captions;
            QString dateAtOpen, timeAtOpen;
            QString date, time, laterTime;
            QString clockFamily;
            qreal clockSize = 0;
            bool ticked = false, tickedAgain = false;
            QString okCaption;
            bool closedOnPress = false;
        } seen;
        auto watch = TestSupport::onNextModalWidget([&](QWidget *widget) {
            QPointer<QWidget> calendar = widget;
            seen.opened = widget->objectName() == QLatin1String("frmCalendar");
            seen.title = widget->windowTitle();
            seen.childOfMain = window.findChild<QDialog *>(QStringLiteral("frmCalendar")) == widget;
            seen.modal = widget->isModal() && QApplication::activeModalWidget() == widget;
            if (auto *month = widget->findChild<QCalendarWidget *>(QStringLiteral("MonthView1")))
                seen.selected = month->selectedDate();
            for (const char *name : {"Label3(0)", "Label3(1)"}) {
                if (auto *caption = widget->findChild<QLabel *>(QLatin1String(name)))
                    seen.captions << caption->text();
            }
            auto *date = widget->findChild<QLabel *>(QStringLiteral("Label1"));
            auto *time = widget->findChild<QLabel *>(QStringLiteral("Label2"));
            auto *ok = widget->findChild<QPushButton *>(QStringLiteral("Command1"));
            if (date && time && ok) {
                seen.dateAtOpen = date->text();
                seen.timeAtOpen = time->text();
                seen.clockFamily = time->font().family();
                seen.clockSize = time->font().pointSizeF();
                seen.ticked = QTest::qWaitFor([&] { return !time->text().isEmpty(); }, 2500);
                seen.date = date->text();
                seen.time = time->text();
                // It keeps ticking.
                seen.tickedAgain = QTest::qWaitFor([&] { return time->text() != seen.time; }, 2500);
                seen.laterTime = time->text();
                seen.okCaption = ok->text();
                // Closes as the mouse button goes down, before any release.
                QTest::mousePress(ok, Qt::LeftButton);
                seen.closedOnPress = calendar && !calendar->isVisible();
            }
            if (calendar && calendar->isVisible())
                qobject_cast<QDialog *>(calendar.data())->reject();
        });
        window.menuAction(QStringLiteral("mnuCalendar"))->trigger();

        QVERIFY(seen.opened);
        QCOMPARE(seen.title, QStringLiteral("Calendar"));
        QVERIFY(seen.childOfMain);
        QVERIFY(seen.modal);
        QCOMPARE(seen.selected, QDate::currentDate());
        QCOMPARE(seen.captions, (QStringList{"Date", "Time"}));
        QCOMPARE(seen.clockFamily, QStringLiteral("MS Sans Serif"));
        QCOMPARE(seen.clockSize, 12.0);
        QCOMPARE(seen.okCaption, QStringLiteral("OK"));
        QCOMPARE(seen.dateAtOpen, QString());
        QVERIFY(seen.ticked);
        QVERIFY(seen.tickedAgain);
        QCOMPARE(seen.timeAtOpen, QString());
        QCOMPARE(seen.date, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        // The US long time form, seconds included, without a time zone.
        const QRegularExpression usTime(QStringLiteral("^(1[0-2]|[1-9]):[0-5][0-9]:[0-5][0-9] (AM|PM)$"));
        QVERIFY2(usTime.match(seen.time).hasMatch(), qPrintable(seen.time));
        QVERIFY2(usTime.match(seen.laterTime).hasMatch(), qPrintable(seen.laterTime));
        QVERIFY(seen.laterTime != seen.time);
        QVERIFY(seen.closedOnPress);
        // Gone once closed; the next opening starts afresh.
        QVERIFY(!window.findChild<QDialog *>(QStringLiteral("frmCalendar")));
    }

    void clockTimeFormat_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text"); // of 13:04:05
        QTest::newRow("US") << "en_US"
                            << "1:04:05 PM";
        QTest::newRow("Britain") << "en_GB"
                                 << "13:04:05";
        QTest::newRow("Germany") << "de_DE"
                                 << "13:04:05";
        QTest::newRow("France") << "fr_FR"
                                << "13:04:05";
        QTest::newRow("Canada") << "fr_CA"
                                << "13 h 04 min 05 s";
    }

    void clockTimeFormat()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QLocale chosen(locale);
        QCOMPARE(chosen.toString(QTime(13, 4, 5), CalendarWindow::clockTimeFormat(chosen)), text);
    }

    void systemPrograms_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("installed"); // program names on PATH
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("started"); // program, then arguments
        QTest::newRow("calculator") << "mnuCalc" << QStringList{"gnome-calculator", "xcalc"} << true
                                    << QStringList{"/usr/bin/gnome-calculator"};
        QTest::newRow("calculator, the last choice")
            << "mnuCalc" << QStringList{"xcalc"} << true << QStringList{"/usr/bin/xcalc"};
        QTest::newRow("calculator, none") << "mnuCalc" << QStringList{} << true << QStringList{};
        QTest::newRow("calculator that will not start")
            << "mnuCalc" << QStringList{"kcalc"} << false << QStringList{"/usr/bin/kcalc"};
        QTest::newRow("display settings") << "mnuChngRes" << QStringList{"gnome-control-center", "arandr"}
                                          << true << QStringList{"/usr/bin/gnome-control-center", "display"};
        QTest::newRow("display settings, KDE") << "mnuChngRes" << QStringList{"systemsettings"} << true
                                               << QStringList{"/usr/bin/systemsettings", "kcm_kscreen"};
        QTest::newRow("display settings, none") << "mnuChngRes" << QStringList{} << true << QStringList{};
        QTest::newRow("display settings that will not start")
            << "mnuChngRes" << QStringList{"arandr"} << false << QStringList{"/usr/bin/arandr"};
    }

    // Started and not waited for; silent when there is nothing to start or it fails.
    void systemPrograms()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, installed);
        QFETCH(bool, starts);
        QFETCH(QStringList, started);
        FakeDesktop desktop;
        for (const QString &name : installed)
            desktop.programs.insert(name, QStringLiteral("/usr/bin/") + name);
        desktop.startSucceeds = starts;
        MainWindow window;
        window.show();
        auto message = TestSupport::answerNextMessageBox(QMessageBox::Ok, 500);
        window.menuAction(entry)->trigger();
        QTest::qWait(100);
        QVERIFY(!message->shown);
        QVERIFY(desktop.waitedFor.isEmpty());
        if (started.isEmpty()) {
            QVERIFY(desktop.started.isEmpty());
            return;
        }
        QCOMPARE(desktop.started.size(), 1);
        QCOMPARE(desktop.started.first().program, started.first());
        QCOMPARE(desktop.started.first().arguments, started.mid(1));
    }
};

MORTARIX_TEST_MAIN(TestTools)
#include "tst_tools.moc"
