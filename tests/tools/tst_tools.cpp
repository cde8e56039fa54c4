// The Tools and Help menus: the calendar's clock, the readme, the about box and web links.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StartPage.h"
#include "tools/CalendarWindow.h"

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
    void clockTimeFormat()
    {
        for (const auto &[locale, text] : {std::pair{"en_US", "1:04:05 PM"}, {"en_GB", "13:04:05"},
                                           {"de_DE", "13:04:05"}, {"fr_FR", "13:04:05"}, {"fr_CA", "13 h 04 min 05 s"}})
            QCOMPARE(QLocale(locale).toString(QTime(13, 4, 5), CalendarWindow::clockTimeFormat(QLocale(locale))), text);
    }
    void helpWindows()
    {
        MainWindow window; window.show();
        QStringList seen;
        auto readme = inNextWindow([&](QDialog *dialog) {
            auto *text = dialog->findChild<QPlainTextEdit *>("txtMain");
            seen << dialog->objectName() + " | " + dialog->windowTitle() + " | " + texts(dialog, "readmecmd_ok")
                 << QString::number(dialog->parent() == &window && text->isReadOnly() &&
                                    !text->toPlainText().isEmpty());
            QTest::mouseClick(dialog->findChild<QPushButton *>("readmecmd_ok"), Qt::LeftButton);
            seen << QString::number(dialog->isVisible());
        });
        window.menuAction("mnureedme")->trigger();
        QVERIFY(!window.findChild<QDialog *>("frmReadme"));
        QCOMPARE(seen, (QStringList{"frmReadme | Readme | OK", "1", "0"}));
        seen.clear();
        auto watch = inNextWindow([&](QDialog *about) {
            seen << about->windowTitle() << QString::number(about->parent() == &window)
                 << texts(about, "lblTitle lblVersion Label1 cmdOK cmdSysInfo Aboutcmd_Credits")
                 << about->findChild<QLabel *>("Label1")->toolTip();
            QTest::mouseClick(about->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
            seen << QString::number(about->isVisible());
        });
        window.menuAction("mnuAbout")->trigger();
        QCOMPARE(seen, (QStringList{"About Mortarix", "1",
                                    "Mortarix | Version 1.0.0 | https://www.mortarix.org | OK | &System Info... | "
                                    "Credits", "go to website ", "0"}));
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
