// The Help menu: readme, about box, credits, system information and the links to the maker's
// web site.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "core/AppInfo.h"
#include "shell/MainWindow.h"
#include "shell/StartPage.h"
#include "tools/ReadmeWindow.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// Runs `inside` on the next modal window, then closes it if it is still open, so a failed check
// never leaves a test waiting.
[[nodiscard]] TestSupport::ModalWatch inNextWindow(std::function<void(QDialog *)> inside)
{
    return TestSupport::onNextModalWidget([inside](QWidget *widget) {
        QPointer<QDialog> dialog = qobject_cast<QDialog *>(widget);
        if (!dialog)
            return;
        inside(dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString readmeShown(const QStringList &folders)
{
    ReadmeWindow readme(nullptr, folders);
    auto *text = readme.findChild<QPlainTextEdit *>(QStringLiteral("txtMain"));
    return text ? text->toPlainText() : QStringLiteral("<no txtMain>");
}

const QString kLinkQuestion =
    QStringLiteral("This Link Will Take You To https://www.mortarix.org Internet Web "
                   "Site\n\nDo You Want To Continue?");
const QString kHelpQuestion =
    QStringLiteral("For More Information, Select The F.A.Q. Page For Online Help\n\nThis Link Will Take You "
                   "To https://www.mortarix.org Web Site\n\n Do You Want To Continue?");

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void trailingSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("withSeparator");
        QTest::newRow("plain folder") << "/opt/mortarix"
                                      << "/opt/mortarix/";
        QTest::newRow("already ends in one") << "/opt/mortarix/"
                                             << "/opt/mortarix/";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("drive root") << "C:\\"
                                    << "C:\\";
        QTest::newRow("nothing") << ""
                                 << "";
    }

    void trailingSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, withSeparator);
        QCOMPARE(ReadmeWindow::withTrailingSeparator(folder), withSeparator);
    }

    void readme_data()
    {
        QTest::addColumn<QString>("where"); // "program", "program/" or "data" (the second folder)
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("program folder")
            << "program" << QByteArray("Mortarix\nline two\n") << "Mortarix\nline two\n";
        QTest::newRow("program folder with separator")
            << "program/" << QByteArray("Mortarix\nline two\n") << "Mortarix\nline two\n";
        QTest::newRow("installed data folder") << "data" << QByteArray("from share") << "from share";
        QTest::newRow("Windows line ends") << "program" << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
        QTest::newRow("UTF-8") << "program"
                               << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                             "e \xe2\x80\x93 ok")
                               << QString::fromUtf8("Grüße – ok");
        QTest::newRow("Western code page")
            << "program" << QByteArray("caf\xe9 \xbd inch") << QString::fromUtf8("café ½ inch");
        QTest::newRow("empty file") << "program" << QByteArray() << "";
    }

    void readme()
    {
        QFETCH(QString, where);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir program;
        QTemporaryDir data;
        writeFile((where == QLatin1String("data") ? data.path() : program.path()) +
                      QStringLiteral("/readme.txt"),
                  bytes);
        const QString folder =
            program.path() + (where.endsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString());
        QCOMPARE(readmeShown({folder, data.path()}), shown);
    }

    void readmeMissing_data()
    {
        QTest::addColumn<bool>("asFolder"); // a folder named readme.txt in place of the file
        QTest::newRow("no file") << false;
        QTest::newRow("a folder of that name") << true;
    }

    void readmeMissing()
    {
        QFETCH(bool, asFolder);
        QTemporaryDir program;
        if (asFolder)
            QVERIFY(QDir(program.path()).mkdir(QStringLiteral("readme.txt")));
        const QString shown = readmeShown({program.path(), program.path() + QStringLiteral("/../nowhere")});
        QVERIFY2(shown.startsWith(QStringLiteral("The readme file could not be shown.")), qPrintable(shown));
        QVERIFY2(shown.contains(program.path() + QStringLiteral("/readme.txt")), qPrintable(shown));
        QVERIFY2(shown.contains(asFolder ? QStringLiteral("a folder") : QStringLiteral("not found")),
                 qPrintable(shown));
    }

    void readmeFromMenu()
    {
        MainWindow window;
        window.show();
        struct
        {
            QString name, title, text;
            bool childOfMain = false, readOnly = false;
            QString ok;
            bool closedByOk = false;
        } seen;
        auto watch = inNextWindow([&](QDialog *dialog) {
            seen.name = dialog->objectName();
            seen.title = dialog->windowTitle();
            seen.childOfMain = dialog->parent() == &window;
            if (auto *text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtMain"))) {
                seen.text = text->toPlainText();
                seen.readOnly = text->isReadOnly();
            }
            if (auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("readmecmd_ok"))) {
                seen.ok = ok->text();
                QTest::mouseClick(ok, Qt::LeftButton);
                seen.closedByOk = !dialog->isVisible();
            }
        });
        window.menuAction(QStringLiteral("mnureedme"))->trigger();
        QCOMPARE(seen.name, QStringLiteral("frmReadme"));
        QCOMPARE(seen.title, QStringLiteral("Readme"));
        QVERIFY(seen.childOfMain);
        QVERIFY(seen.readOnly);
        QCOMPARE(seen.text, readmeShown(ReadmeWindow::programFolders()));
        QVERIFY(!seen.text.isEmpty());
        QCOMPARE(seen.ok, QStringLiteral("OK"));
        QVERIFY(seen.closedByOk);
        QVERIFY(!window.findChild<QDialog *>(QStringLiteral("frmReadme")));
    }

    void aboutBox()
    {
        MainWindow window;
        window.show();
        QMap<QString, QString> texts;
        QString title, tooltip;
        bool childOfMain = false;
        bool stillOpenAfterCredits = false;
        QString creditsTitle;
        QStringList creditsTexts;
        bool creditsChildOfMain = false;
        bool closedByOk = false;
        auto watch = inNextWindow([&](QDialog *about) {
            title = about->windowTitle();
            childOfMain = about->parent() == &window;
            for (QLabel *label : about->findChildren<QLabel *>())
                texts.insert(label->objectName(), label->text());
            for (QPushButton *button : about->findChildren<QPushButton *>())
                texts.insert(button->objectName(), button->text());
            if (auto *link = about->findChild<QLabel *>(QStringLiteral("Label1")))
                tooltip = link->toolTip();
            auto credits = inNextWindow([&](QDialog *dialog) {
                creditsTitle = dialog->windowTitle() + QLatin1Char('|') + dialog->objectName();
                creditsChildOfMain = dialog->parent() == &window;
                for (QLabel *label : dialog->findChildren<QLabel *>())
                    creditsTexts << label->text();
                if (auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("MyNuAboutcmd_Ok")))
                    QTest::mouseClick(ok, Qt::LeftButton);
            });
            if (auto *button = about->findChild<QPushButton *>(QStringLiteral("Aboutcmd_Credits")))
                QTest::mouseClick(button, Qt::LeftButton);
            // The credits' OK closes the credits only.
            stillOpenAfterCredits = about->isVisible();
            if (auto *ok = about->findChild<QPushButton *>(QStringLiteral("cmdOK"))) {
                QTest::mouseClick(ok, Qt::LeftButton);
                closedByOk = !about->isVisible();
            }
        });
        window.menuAction(QStringLiteral("mnuAbout"))->trigger();

        QCOMPARE(title, QStringLiteral("About Mortarix"));
        QVERIFY(childOfMain);
        QCOMPARE(texts.value("lblTitle"), QStringLiteral("Mortarix"));
        QCOMPARE(texts.value("lblVersion"), QStringLiteral("Version 1.0.0"));
        QCOMPARE(texts.value("lblDescription"),
                 QStringLiteral("Mortarix (Masonry)  Is One Of A Series Of Construction Calculating Software "
                                "Titles. This Software Is Designed For The Home Craftsman Or The Profesional "
                                "Contractor.  "));
        QVERIFY(texts.value("lblDisclaimer").startsWith(QStringLiteral("Warning")));
        QCOMPARE(texts.value("Label1"), QStringLiteral("https://www.mortarix.org"));
        QCOMPARE(tooltip, QStringLiteral("go to website "));
        QCOMPARE(texts.value("cmdOK"), QStringLiteral("OK"));
        QCOMPARE(texts.value("cmdSysInfo"), QStringLiteral("&System Info..."));
        QCOMPARE(texts.value("Aboutcmd_Credits"), QStringLiteral("Credits"));
        QVERIFY(texts.contains("picIcon"));

        QCOMPARE(creditsTitle, QStringLiteral("   Credits|NuCredits"));
        QVERIFY(creditsChildOfMain);
        for (const char *text : {"Credits", "Written by", "Language"})
            QVERIFY2(creditsTexts.contains(QLatin1String(text)), text);
        QVERIFY(creditsTexts.size() >= 6);
        QVERIFY(stillOpenAfterCredits);
        QVERIFY(closedByOk);
        QVERIFY(!window.findChild<QDialog *>());
    }

    void aboutLink_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::newRow("OK") << QMessageBox::Ok
                            << QList<QUrl>{QUrl(QStringLiteral("https://www.mortarix.org"))};
        QTest::newRow("Cancel") << QMessageBox::Cancel << QList<QUrl>{};
    }

    // The question comes on release, the border shows while pressed, and the box closes after
    // the question whatever the answer.
    void aboutLink()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QList<QUrl>, opened);
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        QFrame::Shape pressedShape = QFrame::NoFrame;
        QFrame::Shape releasedShape = QFrame::Box;
        bool askedBeforeRelease = true;
        bool closedAfterQuestion = false;
        std::unique_ptr<TestSupport::MessageAnswers> boxes;
        auto watch = inNextWindow([&](QDialog *about) {
            auto *link = about->findChild<QLabel *>(QStringLiteral("Label1"));
            if (!link)
                return;
            boxes = std::make_unique<TestSupport::MessageAnswers>(QList{answer});
            QTest::mousePress(link, Qt::LeftButton);
            pressedShape = link->frameShape();
            QTest::qWait(50);
            askedBeforeRelease = !boxes->seen.isEmpty();
            QTest::mouseRelease(link, Qt::LeftButton);
            releasedShape = link->frameShape();
            closedAfterQuestion = !about->isVisible();
        });
        window.menuAction(QStringLiteral("mnuAbout"))->trigger();

        QCOMPARE(pressedShape, QFrame::Box);
        QCOMPARE(releasedShape, QFrame::NoFrame);
        QVERIFY(!askedBeforeRelease);
        QVERIFY(boxes);
        QCOMPARE(boxes->seen.size(), 1);
        QCOMPARE(boxes->seen.first().text, kLinkQuestion);
        QCOMPARE(boxes->seen.first().title, QStringLiteral("Mortarix"));
        QCOMPARE(boxes->seen.first().icon, QMessageBox::Information);
        QCOMPARE(boxes->seen.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(closedAfterQuestion);
        QCOMPARE(desktop.urlsOpened, opened);
        QVERIFY(!window.findChild<QDialog *>(QStringLiteral("frmAbout")));
    }

    void startPageLink_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("opens");
        QTest::newRow("OK") << QMessageBox::Ok << true;
        QTest::newRow("Cancel") << QMessageBox::Cancel << false;
    }

    void startPageLink()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, opens);
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        QLabel *link = window.findChild<StartPage *>()->link();
        TestSupport::MessageAnswers boxes({answer});
        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(link->frameShape(), QFrame::Box);
        QVERIFY(boxes.seen.isEmpty());
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(link->frameShape(), QFrame::NoFrame);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().text, kLinkQuestion);
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Information);
        QCOMPARE(boxes.seen.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        if (!opens) {
            QVERIFY(desktop.urlsOpened.isEmpty());
            return;
        }
        // The caption, a domain in capitals, opens as a web address.
        QCOMPARE(desktop.urlsOpened.size(), 1);
        QCOMPARE(desktop.urlsOpened.first().host(), QStringLiteral("www.mortarix.org"));
        QVERIFY(desktop.urlsOpened.first().scheme().startsWith(QLatin1String("http")));
    }

    void onlineHelp_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::newRow("OK") << QMessageBox::Ok
                            << QList<QUrl>{QUrl(QStringLiteral("https://www.mortarix.org"))};
        QTest::newRow("Cancel") << QMessageBox::Cancel << QList<QUrl>{};
    }

    void onlineHelp()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QList<QUrl>, opened);
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        TestSupport::MessageAnswers boxes({answer});
        window.menuAction(QStringLiteral("mnuMortarixWeb"))->trigger();
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().text, kHelpQuestion);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Mortarix"));
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Information);
        QCOMPARE(boxes.seen.first().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(desktop.urlsOpened, opened);
        // No window is left behind.
        QVERIFY(!window.findChild<QDialog *>());
    }

    void noBrowser_data()
    {
        QTest::addColumn<QString>("trigger"); // a menu entry, or "start page"
        QTest::newRow("online help") << "mnuMortarixWeb";
        QTest::newRow("start page") << "start page";
    }

    void noBrowser()
    {
        QFETCH(QString, trigger);
        FakeDesktop desktop;
        desktop.openSucceeds = false;
        MainWindow window;
        window.show();
        TestSupport::MessageAnswers boxes({QMessageBox::Ok, QMessageBox::Ok});
        if (trigger == QLatin1String("start page")) {
            QLabel *link = window.findChild<StartPage *>()->link();
            QTest::mouseClick(link, Qt::LeftButton);
        } else {
            window.menuAction(trigger)->trigger();
        }
        QCOMPARE(desktop.urlsOpened.size(), 1);
        QCOMPARE(boxes.seen.size(), 2);
        QCOMPARE(boxes.seen.at(1).text, QStringLiteral("Unable to open URL. Install browser first!"));
        QCOMPARE(boxes.seen.at(1).title, QStringLiteral("Mortarix"));
        QCOMPARE(boxes.seen.at(1).icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.seen.at(1).buttons, QMessageBox::Ok);
    }

    void systemInformation_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started"); // empty: the message instead
        QTest::newRow("hardinfo2") << QStringList{"hardinfo2", "gnome-system-monitor"}
                                   << "/usr/bin/hardinfo2";
        QTest::newRow("KDE") << QStringList{"kinfocenter"} << "/usr/bin/kinfocenter";
        QTest::newRow("system monitor")
            << QStringList{"gnome-system-monitor"} << "/usr/bin/gnome-system-monitor";
        QTest::newRow("none") << QStringList{} << "";
    }

    void systemInformation()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        FakeDesktop desktop;
        for (const QString &name : installed)
            desktop.programs.insert(name, QStringLiteral("/usr/bin/") + name);
        MainWindow window;
        window.show();
        std::unique_ptr<TestSupport::MessageAnswers> boxes;
        bool stillOpen = false;
        auto watch = inNextWindow([&](QDialog *about) {
            boxes = std::make_unique<TestSupport::MessageAnswers>(QList{QMessageBox::Ok});
            if (auto *button = about->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")))
                QTest::mouseClick(button, Qt::LeftButton);
            QTest::qWait(50);
            stillOpen = about->isVisible();
        });
        window.menuAction(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(boxes);
        QVERIFY(stillOpen);
        if (started.isEmpty()) {
            QVERIFY(desktop.started.isEmpty());
            QCOMPARE(boxes->seen.size(), 1);
            QCOMPARE(boxes->seen.first().text,
                     QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(boxes->seen.first().title, QStringLiteral("Mortarix"));
            QCOMPARE(boxes->seen.first().icon, QMessageBox::NoIcon);
            QCOMPARE(boxes->seen.first().buttons, QMessageBox::Ok);
            return;
        }
        QVERIFY(boxes->seen.isEmpty());
        QCOMPARE(desktop.started.size(), 1);
        QCOMPARE(desktop.started.first().program, started);
    }
};

MORTARIX_TEST_MAIN(TestHelp)
#include "tst_help.moc"
