// The main window driven as a user drives it: page buttons, menus, status bar.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    // Pages 0 to 9 that are visible, in index order.
    static QList<int> visibleCalculatorPages(const MainWindow &window)
    {
        QList<int> visible;
        for (int i = 0; i < MainWindow::kPageButtonCount; ++i) {
            if (window.page(i)->isVisibleTo(&window))
                visible << i;
        }
        return visible;
    }

    // True when `page` is the front-most visible page of the page area.
    static bool isInFront(const MainWindow &window, int page)
    {
        const QObjectList siblings = window.page(page)->parentWidget()->children();
        for (qsizetype i = siblings.size() - 1; i >= 0; --i) {
            auto *widget = qobject_cast<QWidget *>(siblings.at(i));
            if (widget && widget->isVisibleTo(&window) &&
                widget->geometry().intersects(window.page(page)->geometry()) && widget != window.page(10))
                return widget == window.page(page);
        }
        return false;
    }

private slots:
    void freshStart()
    {
        MainWindow window;
        window.show();
        QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Mortarix (Masonry)"));
        QVERIFY(window.page(MainWindow::kStartPage)->isVisible());
        QVERIFY(isInFront(window, MainWindow::kStartPage));
        QCOMPARE(visibleCalculatorPages(window), QList<int>());
        QVERIFY(!window.page(MainWindow::kPriceListPage)->isVisible());
        QVERIFY(!window.page(MainWindow::kOptionsPage)->isVisible());
        QCOMPARE(window.statusText(1), QStringLiteral("MORTARIX"));
        QCOMPARE(window.statusText(2), QStringLiteral("MASONRY"));
        QCOMPARE(window.statusText(3), QStringLiteral("Start Page"));
        QVERIFY(
            QRegularExpression(QStringLiteral("^Ver\\. [1-9]?[0-9]+\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$"))
                .match(window.statusText(4))
                .hasMatch());
        QCOMPARE(window.statusText(5), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!window.statusText(6).isEmpty());
        QVERIFY(!window.menuAction(QStringLiteral("mnustrtpge"))->isEnabled());
        QVERIFY(window.menuAction(QStringLiteral("mnuStatusBar"))->isChecked());
        QVERIFY(window.statusBar()->isVisible());
        QCOMPARE(window.statusBar()->objectName(), QStringLiteral("StatusBar1"));
    }

    void pageButtonShowsItsPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("buttonCaption");
        QTest::addColumn<QString>("pageCaption");
        const QStringList pages = {
            "Footing", "Piers",  "Rebar",      "Flatwork", "Welded Wire", "Block", "Poured Concrete Walls",
            "Brick",   "Totals", "Text Editor"};
        const QStringList buttons = {"Footing", "Piers",     "Rebar", "Flatwork", "Weld Wire",
                                     "Block",   "PRD Walls", "Brick", "Totals",   "Text Editor"};
        for (int i = 0; i < 10; ++i)
            QTest::addRow("%s", qPrintable(buttons.at(i))) << i << buttons.at(i) << pages.at(i);
    }

    void pageButtonShowsItsPage()
    {
        QFETCH(int, index);
        QFETCH(QString, buttonCaption);
        QFETCH(QString, pageCaption);
        MainWindow window;
        window.show();
        QPushButton *button = window.findChild<QPushButton *>(QStringLiteral("Command1(%1)").arg(index));
        QVERIFY(button);
        QCOMPARE(button->text(), buttonCaption);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(window.statusText(3), buttonCaption);
        QCOMPARE(visibleCalculatorPages(window), QList<int>{index});
        QCOMPARE(window.page(index)->title(), pageCaption);
        QVERIFY(isInFront(window, index));
        QVERIFY(window.menuAction(QStringLiteral("mnustrtpge"))->isEnabled());
        // The start page stays visible, behind the chosen page.
        QVERIFY(window.page(MainWindow::kStartPage)->isVisible());

        // Another button replaces the page; exactly one stays visible.
        const int other = (index + 3) % 10;
        QTest::mouseClick(window.pageButton(other), Qt::LeftButton);
        QCOMPARE(visibleCalculatorPages(window), QList<int>{other});
    }

    void priceListHiddenByMouseButNotByKeyboard()
    {
        MainWindow window;
        window.show();
        QGroupBox *priceList = window.page(MainWindow::kPriceListPage);

        priceList->show();
        priceList->raise();
        window.pageButton(5)->setFocus();
        QTest::keyClick(window.pageButton(5), Qt::Key_Space);
        QCOMPARE(window.statusText(3), QStringLiteral("Block"));
        QVERIFY(priceList->isVisible());
        QVERIFY(isInFront(window, MainWindow::kPriceListPage));

        QTest::mouseClick(window.pageButton(6), Qt::LeftButton);
        QVERIFY(!priceList->isVisible());
        QCOMPARE(visibleCalculatorPages(window), QList<int>{6});

        // Any mouse button's release takes it away, even one that does not click.
        priceList->show();
        QTest::mouseClick(window.pageButton(6), Qt::RightButton);
        QVERIFY(!priceList->isVisible());
    }

    void viewStartPageAfterSwitch()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(8), Qt::LeftButton);
        QVERIFY(!isInFront(window, MainWindow::kStartPage));
        window.menuAction(QStringLiteral("mnustrtpge"))->trigger();
        QVERIFY(isInFront(window, MainWindow::kStartPage));
        QCOMPARE(window.statusText(3), QStringLiteral("Start Page"));
        QVERIFY(window.menuAction(QStringLiteral("mnustrtpge"))->isEnabled());
        QCOMPARE(visibleCalculatorPages(window), QList<int>{8});
    }

    void statusBarToggle()
    {
        MainWindow window;
        window.show();
        QAction *entry = window.menuAction(QStringLiteral("mnuStatusBar"));
        entry->trigger();
        QVERIFY(!entry->isChecked());
        QVERIFY(!window.statusBar()->isVisible());
        entry->trigger();
        QVERIFY(entry->isChecked());
        QVERIFY(window.statusBar()->isVisible());
    }

    void noMaximiseAndFixedSize()
    {
        MainWindow window;
        window.show();
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.centralWidget()->size(), QSize(622, 469));
    }

    void menuTree_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries"); // "name caption", "---" for a separator
        QTest::newRow("File") << "mnuFile" << QStringList{"mnuopen|Open . . .",
                                                          "---",
                                                          "mnuminimize|&Minimize To Sys Tray",
                                                          "---",
                                                          "mnuprinter|Printer . . .",
                                                          "---",
                                                          "mnuExit|E&xit"};
        QTest::newRow("View") << "mnuView"
                              << QStringList{"mnuStatusBar|&Status Bar", "---",
                                             "mnustrtpge|&View Start Page"};
        QTest::newRow("Tools")
            << "mnuTools"
            << QStringList{"mnuCalendar|&Calendar . . .", "---", "mnuCalc|&Calculator . . .",       "---",
                           "mnuOptions|&Options ",        "---", "mnuScrSize|Screen &Display Size", "---",
                           "mnuPrceList|&Price List "};
        QTest::newRow("Screen size") << "mnuScrSize" << QStringList{"mnuChngRes|Disp&lay Setting . . ."};
        QTest::newRow("Help") << "mnuHelp"
                              << QStringList{"mnureedme|Readme . . .", "---",
                                             "mnuMortarixWeb|&Mortarix Online Help. . .", "---",
                                             "mnuAbout|&About Mortarix . . ."};
        QTest::newRow("PopUp") << "mnuPop"
                               << QStringList{"mnuPopNote|NOTE:", "---", "mnuPopACovr|AREA Coverage"};
        QTest::newRow("PopUpWW") << "mnuPopww"
                                 << QStringList{"mnuNote|NOTE:", "---", "mnuPAreaCOv|AREA COVERAGE"};
        QTest::newRow("PopUPRTFile") << "mnurtf"
                                     << QStringList{"mnuRTFFLEOPN|Open . . .",
                                                    "mnuPopClse|Close",
                                                    "---",
                                                    "mnuRFSave|Save",
                                                    "mnuRTFSaveAs|Save As . . .",
                                                    "---",
                                                    "mnuPopPrnt|Print . . .",
                                                    "---",
                                                    "mnuxprToWrd|Export To Word . . . "};
        QTest::newRow("PoPupFormat") << "mnuPopRTformat"
                                     << QStringList{"mnuPopRTfntedt|Font . . .",
                                                    "mnuPopRTcoloredit|Color . . .",
                                                    "---",
                                                    "mnuPopcaps|All Caps",
                                                    "mnuPopRTboldedit|Bold",
                                                    "mnuPopRTitalicedit|Italic",
                                                    "mnuPopRTundrlneedit|Underline",
                                                    "---",
                                                    "mnuPopRTfntcut|Cut",
                                                    "mnuPopRTfntcopy|Copy",
                                                    "mnuPopRTfntpaste|Paste"};
        QTest::newRow("PopUpEdit") << "mnuPopEdit"
                                   << QStringList{"mnuPopEDcut|Cut", "---", "mnuPOPEDcopy|Copy", "---",
                                                  "mnuPopEDpaste|Paste"};
        QTest::newRow("Grid Edit") << "mnugridEdit"
                                   << QStringList{"mnugridcopy|Copy Grid ", "---",
                                                  "mnugridselect|Select All"};
        QTest::newRow("Systemtray") << "mnuSystemtray" << QStringList{};
    }

    void menuTree()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        MainWindow window;
        auto *found = window.findChild<QMenu *>(menu);
        QVERIFY2(found, qPrintable(menu));
        QStringList seen;
        for (QAction *action : found->actions()) {
            if (action->isSeparator())
                seen << QStringLiteral("---");
            else
                seen << action->objectName() + QLatin1Char('|') + action->text();
        }
        QCOMPARE(seen, entries);
    }

    void menuBarOrderAndPopupsHidden()
    {
        MainWindow window;
        window.show();
        QStringList titles;
        for (QAction *action : window.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"&File", "&View", "&Tools", "&Help"}));
        for (const char *name : {"mnuPop", "mnuPopww", "mnurtf", "mnuPopRTformat", "mnuPopEdit",
                                 "mnugridEdit", "mnuSystemtray"}) {
            QMenu *menu = window.popupMenu(QLatin1String(name));
            QVERIFY2(menu && !menu->isVisible(), name);
        }
    }

    void startPageLink()
    {
        MainWindow window;
        auto *link = window.page(MainWindow::kStartPage)->findChild<QLabel *>(QStringLiteral("Label3"));
        QVERIFY(link);
        QCOMPARE(link->toolTip(), QStringLiteral("go to website"));
        QVERIFY(!link->text().isEmpty());
        QCOMPARE(link->text(), link->text().toUpper());
        QVERIFY(window.page(MainWindow::kStartPage)->title().isEmpty());
    }
};

MORTARIX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
