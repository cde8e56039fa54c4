// The Tools and Help menus: the calendar, outside programs, the readme, the about box and web links.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StartPage.h"
#include "tools/CalendarWindow.h"
#include "tools/ReadmeWindow.h"

#include <QtWidgets>

using TestSupport::MessageAnswers;
using Answer = QMessageBox::StandardButton;

namespace {

// Runs `inside` on the next modal dialog, then closes it if still open, so a failed check never hangs.
[[nodiscard]] TestSupport::ModalWatch inNextWindow(std::function<void(QDialog *)> inside)
{
    return TestSupport::onNextModalWidget([inside](QWidget *widget) {
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(widget);
        if (dialog)
            inside(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

QString readmeShown(const QStringList &folders)
{
    ReadmeWindow readme(nullptr, folders);
    auto *text = readme.findChild<QPlainTextEdit *>("txtMain");
    return text ? text->toPlainText() : "<no txtMain>";
}

QString texts(const QWidget *parent, const char *names)
{
    QStringList found;
    for (const QString &name : QString(names).split(' ')) {
        auto *label = parent->findChild<QLabel *>(name);
        auto *button = parent->findChild<QAbstractButton *>(name);
        found << (label ? label->text() : button ? button->text() : "<no " + name + ">");
    }
    return found.join(" | ");
}

const QString kLinkQuestion = "Mortarix / Information / Ok|Cancel / This Link Will Take You To "
                              "https://www.mortarix.org Internet Web Site\n\nDo You Want To Continue?";
const QString kHelpQuestion = "Mortarix / Information / Ok|Cancel / For More Information, Select The F.A.Q. "
                              "Page For Online Help\n\nThis Link Will Take You To https://www.mortarix.org "
                              "Web Site\n\n Do You Want To Continue?";

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void calendar()
    {
        MainWindow window; window.show();
        QStringList seen;
        QString time, laterTime;
        auto watch = TestSupport::onNextModalWidget([&](QWidget *w) {
            QPointer<QWidget> calendar = w;
            auto *clock = w->findChild<QLabel *>("Label2");
            auto *ok = w->findChild<QPushButton *>("Command1");
            auto *month = w->findChild<QCalendarWidget *>("MonthView1");
            if (!clock || !ok || !month) {
                w->close();
                return;
            }
            seen << w->objectName() + " | " + w->windowTitle() << texts(w, "Label3(0) Label3(1) Command1 Label1 Label2")
                 << QString::number(w->isModal() && window.findChild<QDialog *>("frmCalendar") == w)
                 << month->selectedDate().toString(Qt::ISODate)
                 << clock->font().family() + " " + QString::number(clock->font().pointSizeF());
            (void)QTest::qWaitFor([&] { return !clock->text().isEmpty(); }, 2500);
            seen << w->findChild<QLabel *>("Label1")->text();
            time = clock->text();
            (void)QTest::qWaitFor([&] { return clock->text() != time; }, 2500);
            laterTime = clock->text();
            QTest::mousePress(ok, Qt::LeftButton); // closes as the button goes down
            seen << QString::number(calendar && !calendar->isVisible());
            if (calendar && calendar->isVisible())
                calendar->close();
        });
        window.menuAction("mnuCalendar")->trigger();
        QCOMPARE(seen, (QStringList{"frmCalendar | Calendar", "Date | Time | OK |  | ", "1",
                                    QDate::currentDate().toString(Qt::ISODate), "MS Sans Serif 12",
                                    QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), "1"}));
        const QRegularExpression usTime("^(1[0-2]|[1-9]):[0-5][0-9]:[0-5][0-9] (AM|PM)$");
        QVERIFY2(usTime.match(time).hasMatch() && usTime.match(laterTime).hasMatch(), qPrintable(time));
        QVERIFY(laterTime != time); // it keeps ticking
        QVERIFY(!window.findChild<QDialog *>("frmCalendar"));
    }
    void clockTimeFormat()
    {
        for (const auto &[locale, text] : {std::pair{"en_US", "1:04:05 PM"}, {"en_GB", "13:04:05"},
                                           {"de_DE", "13:04:05"}, {"fr_FR", "13:04:05"}, {"fr_CA", "13 h 04 min 05 s"}})
            QCOMPARE(QLocale(locale).toString(QTime(13, 4, 5), CalendarWindow::clockTimeFormat(QLocale(locale))), text);
    }
    // Started and not waited for; silent when there is nothing to start or it fails. "cmdSysInfo"
    // is the about box's button, which says so when there is nothing.
    void outsidePrograms_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("installed"); // program names on PATH; a leading "!" will not start
        QTest::addColumn<QStringList>("started");   // program, then arguments
        const auto row = [](const char *name, const char *entry, const char *installed, const char *started) {
            QTest::newRow(name) << entry << QString(installed).split(' ', Qt::SkipEmptyParts)
                                << QString(started).split(' ', Qt::SkipEmptyParts);
        };
        row("calculator", "mnuCalc", "gnome-calculator xcalc", "gnome-calculator");
        row("calculator, the last choice", "mnuCalc", "xcalc", "xcalc");
        row("calculator, none", "mnuCalc", "", "");
        row("calculator fails", "mnuCalc", "!kcalc", "kcalc");
        row("display settings", "mnuChngRes", "gnome-control-center arandr", "gnome-control-center display");
        row("display settings, KDE", "mnuChngRes", "systemsettings", "systemsettings kcm_kscreen");
        row("display settings, none", "mnuChngRes", "", "");
        row("display settings fail", "mnuChngRes", "!arandr", "arandr");
        row("system info", "cmdSysInfo", "hardinfo2 gnome-system-monitor", "hardinfo2");
        row("system info, KDE", "cmdSysInfo", "kinfocenter", "kinfocenter");
        row("system monitor", "cmdSysInfo", "gnome-system-monitor", "gnome-system-monitor");
        row("system info, none", "cmdSysInfo", "", "");
    }
    void outsidePrograms()
    {
        QFETCH(QString, entry); QFETCH(QStringList, installed); QFETCH(QStringList, started);
        FakeDesktop desktop;
        for (const QString &name : installed) {
            desktop.startSucceeds = !name.startsWith('!');
            desktop.programs.insert(QString(name).remove('!'), "/usr/bin/" + QString(name).remove('!'));
        }
        MainWindow window; window.show();
        MessageAnswers boxes({Answer::Ok});
        const bool sysInfo = entry == "cmdSysInfo";
        bool aboutStaysOpen = false;
        TestSupport::ModalWatch watch;
        if (sysInfo) {
            watch = inNextWindow([&](QDialog *about) {
                QTest::mouseClick(about->findChild<QPushButton *>(entry), Qt::LeftButton);
                QTest::qWait(50);
                aboutStaysOpen = about->isVisible();
            });
        }
        window.menuAction(sysInfo ? "mnuAbout" : entry)->trigger();
        QTest::qWait(100);
        QCOMPARE(aboutStaysOpen, sysInfo);
        const QString unavailable = "Mortarix / NoIcon / Ok / System Information Is Unavailable At This Time";
        QCOMPARE(boxes.seen.size(), sysInfo && started.isEmpty() ? 1 : 0);
        if (!boxes.seen.isEmpty())
            QCOMPARE(summary(boxes.seen.first()), unavailable);
        QVERIFY(desktop.waitedFor.isEmpty());
        QCOMPARE(desktop.started.size(), started.isEmpty() ? 0 : 1);
        if (!started.isEmpty()) {
            QCOMPARE(desktop.started.first().program, "/usr/bin/" + started.first());
            if (!sysInfo)
                QCOMPARE(desktop.started.first().arguments, started.mid(1));
        }
    }
    void readme_data()
    {
        QTest::addColumn<QString>("where"); // "program", "program/", "data" (the second folder), "folder"
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown"); // a missing one: what the message says, after its first line
        QTest::newRow("program folder") << "program" << QByteArray("Mortarix\nline two\n") << "Mortarix\nline two\n";
        QTest::newRow("program folder with separator") << "program/" << QByteArray("Mortarix\n") << "Mortarix\n";
        QTest::newRow("installed data folder") << "data" << QByteArray("from share") << "from share";
        QTest::newRow("Windows line ends") << "program" << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
        QTest::newRow("UTF-8") << "program" << QByteArray("Gr\xc3\xbc\xc3\x9f" "e \xe2\x80\x93 ok") << "Grüße – ok";
        QTest::newRow("Western code page") << "program" << QByteArray("caf\xe9 \xbd inch") << "café ½ inch";
        QTest::newRow("empty file") << "program" << QByteArray() << "";
        QTest::newRow("no file") << "" << QByteArray() << "not found";
        QTest::newRow("a folder of that name") << "folder" << QByteArray() << "a folder";
    }
    void readme()
    {
        QFETCH(QString, where); QFETCH(QByteArray, bytes); QFETCH(QString, shown);
        QTemporaryDir program, data;
        const QString file = (where == "data" ? data.path() : program.path()) + "/readme.txt";
        if (where == "folder")
            QVERIFY(QDir().mkdir(file));
        QFile write(file);
        if (where.startsWith("program") || where == "data")
            QVERIFY(write.open(QIODevice::WriteOnly) && write.write(bytes) == bytes.size());
        write.close();
        const QString text = readmeShown({program.path() + (where.endsWith('/') ? "/" : ""), data.path()});
        if (where.isEmpty() || where == "folder") {
            QVERIFY2(text.startsWith("The readme file could not be shown.") &&
                         text.contains(program.path() + "/readme.txt") && text.contains(shown), qPrintable(text));
        } else {
            QCOMPARE(text, shown);
        }
    }
    void trailingSeparator()
    {
        for (const auto &[folder, expected] : {std::pair{"/opt/mortarix", "/opt/mortarix/"}, {"/opt/m/", "/opt/m/"},
                                               {"/", "/"}, {"C:\\", "C:\\"}, {"", ""}})
            QCOMPARE(ReadmeWindow::withTrailingSeparator(folder), QString(expected));
    }
    void helpWindows()
    {
        MainWindow window; window.show();
        QStringList seen, credits;
        auto readme = inNextWindow([&](QDialog *dialog) {
            auto *text = dialog->findChild<QPlainTextEdit *>("txtMain");
            seen << dialog->objectName() + " | " + dialog->windowTitle() + " | " + texts(dialog, "readmecmd_ok")
                 << QString::number(dialog->parent() == &window && text->isReadOnly()) << text->toPlainText();
            QTest::mouseClick(dialog->findChild<QPushButton *>("readmecmd_ok"), Qt::LeftButton);
            seen << QString::number(dialog->isVisible());
        });
        window.menuAction("mnureedme")->trigger();
        QVERIFY(!seen.value(2).isEmpty() && !window.findChild<QDialog *>("frmReadme"));
        QCOMPARE(seen, (QStringList{"frmReadme | Readme | OK", "1", readmeShown(ReadmeWindow::programFolders()), "0"}));
        seen.clear();
        auto watch = inNextWindow([&](QDialog *about) {
            seen << about->windowTitle() << QString::number(about->parent() == &window)
                 << texts(about, "lblTitle lblVersion Label1 cmdOK cmdSysInfo Aboutcmd_Credits")
                 << texts(about, "lblDescription") << texts(about, "lblDisclaimer").left(7)
                 << about->findChild<QLabel *>("Label1")->toolTip()
                 << QString::number(about->findChild<QWidget *>("picIcon") != nullptr);
            auto watchCredits = inNextWindow([&](QDialog *dialog) {
                seen << dialog->windowTitle() + "|" + dialog->objectName()
                     << QString::number(dialog->parent() == &window);
                for (QLabel *label : dialog->findChildren<QLabel *>())
                    credits << label->text();
                QTest::mouseClick(dialog->findChild<QPushButton *>("MyNuAboutcmd_Ok"), Qt::LeftButton);
            });
            QTest::mouseClick(about->findChild<QPushButton *>("Aboutcmd_Credits"), Qt::LeftButton);
            seen << QString::number(about->isVisible()); // the credits' OK closes the credits only
            QTest::mouseClick(about->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
            seen << QString::number(about->isVisible());
        });
        window.menuAction("mnuAbout")->trigger();
        QCOMPARE(seen, (QStringList{"About Mortarix", "1",
                                    "Mortarix | Version 1.0.0 | https://www.mortarix.org | OK | &System Info... | "
                                    "Credits", "Mortarix (Masonry)  Is One Of A Series Of Construction Calculating "
                                    "Software Titles. This Software Is Designed For The Home Craftsman Or The "
                                    "Profesional Contractor.  ",
                                    "Warning", "go to website ", "1", "   Credits|NuCredits", "1", "1", "0"}));
        for (const char *text : {"Credits", "Written by", "Language"})
            QVERIFY2(credits.contains(text), text);
        QVERIFY(credits.size() >= 6);
        QVERIFY(!window.findChild<QDialog *>());
    }
    // The links ask on release, show a border while pressed; the about box closes after the question.
    void webLinks_data()
    {
        QTest::addColumn<QString>("link"); QTest::addColumn<Answer>("answer"); QTest::addColumn<bool>("browser");
        QTest::addColumn<QString>("question");
        for (const char *link : {"about box", "start page", "mnuMortarixWeb"}) {
            const QString question = QString(link) == "mnuMortarixWeb" ? kHelpQuestion : kLinkQuestion;
            QTest::addRow("%s, OK", link) << link << Answer::Ok << true << question;
            QTest::addRow("%s, Cancel", link) << link << Answer::Cancel << true << question;
        }
        QTest::newRow("start page, no browser") << "start page" << Answer::Ok << false << kLinkQuestion;
        QTest::newRow("online help, no browser") << "mnuMortarixWeb" << Answer::Ok << false << kHelpQuestion;
    }
    void webLinks()
    {
        QFETCH(QString, link); QFETCH(Answer, answer); QFETCH(bool, browser); QFETCH(QString, question);
        FakeDesktop desktop; MainWindow window; window.show();
        desktop.openSucceeds = browser;
        MessageAnswers boxes({answer, Answer::Ok});
        QStringList seen; // frame pressed, boxes before release, frame released, about box visible
        const auto click = [&](QLabel *label, QWidget *about) {
            QTest::mousePress(label, Qt::LeftButton);
            QTest::qWait(50);
            seen << QString::number(label->frameShape()) << QString::number(boxes.seen.size());
            QTest::mouseRelease(label, Qt::LeftButton);
            seen << QString::number(label->frameShape()) << QString::number(about && about->isVisible());
        };
        auto watch = link != "about box" ? nullptr : inNextWindow([&](QDialog *about) {
            click(about->findChild<QLabel *>("Label1"), about);
        });
        if (link == "start page")
            click(window.findChild<StartPage *>()->link(), nullptr);
        else
            window.menuAction(link == "about box" ? "mnuAbout" : link)->trigger();
        const QString pressedThenReleased = QString("%1 0 %2 0").arg(QFrame::Box).arg(QFrame::NoFrame);
        QCOMPARE(seen.join(' '), link == "mnuMortarixWeb" ? "" : pressedThenReleased);
        const bool opens = answer == Answer::Ok;
        QCOMPARE(boxes.waitFor(0), question);
        QCOMPARE(boxes.waitFor(1, opens && !browser ? 5000 : 100),
                 opens && !browser ? "Mortarix / NoIcon / Ok / Unable to open URL. Install browser first!" : "");
        QCOMPARE(desktop.urlsOpened.size(), opens ? 1 : 0);
        // The start page's caption, a domain in capitals, opens as a web address.
        const QUrl url = desktop.urlsOpened.value(0, QUrl("https://www.mortarix.org"));
        QVERIFY2(link == "start page" ? url.host() == "www.mortarix.org" && url.scheme().startsWith("http")
                                      : url == QUrl("https://www.mortarix.org"), qPrintable(url.toString()));
        QVERIFY(!window.findChild<QDialog *>());
    }
};

MORTARIX_TEST_MAIN(TestTools)
#include "tst_tools.moc"
