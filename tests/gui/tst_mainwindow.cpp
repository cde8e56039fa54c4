// The main window driven as a user drives it: page buttons, menus, status bar.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/TotalsGrid.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
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

    // A shown, active window, so the keyboard focus is real.
    static void activate(MainWindow &window)
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    // Where the keyboard is: the focus widget's name.
    static QString focusName()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // The page, of those that can be in front, that holds `widget`; -1 for none.
    static int pageOf(const MainWindow &window, const QWidget *widget)
    {
        for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 26, 300}) {
            if (window.page(index)->isAncestorOf(widget))
                return index;
        }
        return -1;
    }

    // Presses `key` where the focus is.
    // The offscreen platform, having no window manager, does not give the window back its
    // activation when a message box closes.
    static void regainFocus()
    {
        if (QApplication::activeWindow())
            return;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<MainWindow *>(top) && top->isVisible()) {
                top->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(top));
            }
        }
    }

    static void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        regainFocus();
        QVERIFY2(QApplication::focusWidget(), "nothing has the focus");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    // Works one line of a keyboard script: "tab:Name" / "backtab:Name" (press until Name has the
    // focus), "pick:Entry" (arrow keys in a list), "=text" (typing), "^N" (Ctrl+N), or a key.
    static void work(const QString &line)
    {
        const QString argument = line.section(QLatin1Char(':'), 1);
        if (line.startsWith(QLatin1String("tab:")) || line.startsWith(QLatin1String("backtab:"))) {
            const bool back = line.startsWith(QLatin1Char('b'));
            for (int i = 0; i < 40 && focusName() != argument; ++i)
                press(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            QVERIFY2(focusName() == argument, qPrintable(line + QStringLiteral(" ends on ") + focusName()));
        } else if (line.startsWith(QLatin1String("pick:"))) {
            auto *list = qobject_cast<QComboBox *>(QApplication::focusWidget());
            QVERIFY2(list, qPrintable(line + QStringLiteral(" on ") + focusName()));
            const int wanted = list->findText(argument);
            QVERIFY2(wanted >= 0, qPrintable(line));
            for (int i = 0; i < 60 && list->currentIndex() != wanted; ++i)
                press(list->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
            QCOMPARE(list->currentText(), argument);
        } else if (line.startsWith(QLatin1Char('='))) {
            regainFocus();
            QVERIFY2(QApplication::focusWidget(), "nothing has the focus");
            QTest::keyClicks(QApplication::focusWidget(), line.mid(1));
        } else if (line.startsWith(QLatin1Char('^'))) {
            press(Qt::Key_0 + line.mid(1).toInt(), Qt::ControlModifier);
        } else {
            press(QKeySequence(line)[0].key());
        }
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
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Program), QStringLiteral("MORTARIX"));
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Subject), QStringLiteral("MASONRY"));
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), QStringLiteral("Start Page"));
        QVERIFY(
            QRegularExpression(QStringLiteral("^Ver\\. [1-9]?[0-9]+\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$"))
                .match(window.statusText(MainWindow::StatusPanel::Version))
                .hasMatch());
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Date), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!window.statusText(MainWindow::StatusPanel::Time).isEmpty());
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
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), buttonCaption);
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
        activate(window);
        QGroupBox *priceList = window.page(MainWindow::kPriceListPage);

        priceList->show();
        priceList->raise();
        window.pageButton(5)->setFocus();
        QTest::keyClick(window.pageButton(5), Qt::Key_Space);
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), QStringLiteral("Block"));
        QVERIFY(priceList->isVisible());
        QVERIFY(isInFront(window, MainWindow::kPriceListPage));
        // Ctrl+6 is the keyboard's page button too; Escape in the price list puts it away.
        QTest::keyClick(window.pageButton(5), Qt::Key_6, Qt::ControlModifier);
        QVERIFY(isInFront(window, MainWindow::kPriceListPage));
        QWidget *entry = window.findChild<QWidget *>(QStringLiteral("text1(0)"));
        QTest::keyClick(entry, Qt::Key_Escape);
        QVERIFY(!priceList->isVisible());
        QVERIFY(isInFront(window, 5));
        priceList->show();
        priceList->raise();

        QTest::mouseClick(window.pageButton(6), Qt::LeftButton);
        QVERIFY(!priceList->isVisible());
        QCOMPARE(visibleCalculatorPages(window), QList<int>{6});

        // Any mouse button's release takes it away, even one that does not click.
        priceList->show();
        QTest::mouseClick(window.pageButton(6), Qt::RightButton);
        QVERIFY(!priceList->isVisible());
    }

    // After the options or the start page, each page button brings a page to the front that hides
    // the page behind completely, and Tab and Shift+Tab reach nothing on a page behind.
    void pageBehindIsCoveredAndUnreachable_data()
    {
        QTest::addColumn<int>("behind");
        QTest::newRow("options") << MainWindow::kOptionsPage;
        QTest::newRow("start page") << MainWindow::kStartPage;
    }

    void pageBehindIsCoveredAndUnreachable()
    {
        QFETCH(int, behind);
        MainWindow window;
        activate(window);
        if (behind == MainWindow::kOptionsPage)
            window.menuAction(QStringLiteral("mnuOptions"))->trigger();
        QGroupBox *back = window.page(behind);
        QVERIFY(isInFront(window, behind));
        // A colour no page uses, so any of it seen in front comes from behind.
        const QColor marker(255, 0, 255);
        QPalette palette = back->palette();
        palette.setColor(QPalette::Window, marker);
        palette.setColor(QPalette::Button, marker);
        palette.setColor(QPalette::Base, marker);
        back->setPalette(palette);
        const auto markerSeen = [&window, marker](const QWidget *page) {
            const QImage shot = window.grab(QRect(page->mapTo(&window, QPoint()), page->size()))
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < shot.height(); ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
                if (std::find(line, line + shot.width(), marker.rgb()) != line + shot.width())
                    return true;
            }
            return false;
        };
        QVERIFY(markerSeen(back));
        for (int i = 0; i < MainWindow::kPageButtonCount; ++i) {
            QTest::mouseClick(window.pageButton(i), Qt::LeftButton);
            QVERIFY(back->isVisible());
            QCOMPARE(window.frontPage(), window.page(i));
            QVERIFY2(!markerSeen(window.page(i)), qPrintable(QStringLiteral("shows through page %1").arg(i)));
            for (const auto key : {Qt::Key_Tab, Qt::Key_Backtab}) {
                window.pageButton(i)->setFocus();
                for (int step = 0; step < 60; ++step) {
                    press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                    QWidget *focus = QApplication::focusWidget();
                    QVERIFY(focus && focus->isVisible());
                    const int page = pageOf(window, focus);
                    QVERIFY2(page == -1 || page == i,
                             qPrintable(focus->objectName() + QStringLiteral(" behind page %1").arg(i)));
                }
            }
        }
    }

    // Tab follows each calculator page top to bottom and left to right, and reaches every input,
    // every step button, the labour field, Send and More Info; Tab and Shift+Tab leave the labour
    // field.
    void tabOrderFollowsThePage_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(MainWindow::pageButtonCaptions().at(i))) << i;
    }

    void tabOrderFollowsThePage()
    {
        QFETCH(int, index);
        MainWindow window;
        activate(window);
        work(QStringLiteral("^%1").arg(index + 1));
        QGroupBox *page = window.page(index);
        QList<QWidget *> reached;
        while (page->isAncestorOf(QApplication::focusWidget()) &&
               !reached.contains(QApplication::focusWidget())) {
            reached << QApplication::focusWidget();
            press(Qt::Key_Tab);
        }
        const auto labour = std::find_if(reached.cbegin(), reached.cend(), [](const QWidget *w) {
            return w->objectName().startsWith(QLatin1String("myADDSigntbx("));
        });
        QVERIFY(labour != reached.cend() && labour != reached.cbegin() && labour + 1 != reached.cend());
        auto *send = qobject_cast<QPushButton *>(labour[1]);
        QVERIFY(send && send->text().startsWith(QLatin1String("Send")));
        labour[0]->setFocus();
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), labour[-1]);
        const auto place = [page](const QWidget *w) { return QRect(w->mapTo(page, QPoint()), w->size()); };
        for (qsizetype i = 1; i < reached.size(); ++i) {
            const QRect before = place(reached.at(i - 1));
            const QRect now = place(reached.at(i));
            // Going back up is only right when moving on to a column further right.
            QVERIFY2(now.top() >= before.top() - 2 || now.left() > before.left(),
                     qPrintable(reached.at(i - 1)->objectName() + QStringLiteral(" before ") +
                                reached.at(i)->objectName()));
        }
        QSet<QWidget *> radioGroups;
        for (QWidget *w : std::as_const(reached)) {
            if (qobject_cast<QRadioButton *>(w))
                radioGroups << w->parentWidget();
        }
        for (QWidget *w : page->findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            auto *line = qobject_cast<QLineEdit *>(w);
            const bool input =
                (line && !line->isReadOnly() && !qobject_cast<QComboBox *>(w->parentWidget())) ||
                qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w);
            if (input)
                QVERIFY2(reached.contains(w), qPrintable(w->objectName()));
            if (qobject_cast<QRadioButton *>(w))
                QVERIFY2(radioGroups.contains(w->parentWidget()), qPrintable(w->objectName()));
        }
    }

    // The user guide's garage, every page worked from the keyboard alone, gives the totals the
    // guide shows.
    void garageByKeyboard()
    {
        QFile::remove(SettingsStore::filePath());
        MainWindow window;
        activate(window);
        // Message boxes are answered with Return as well.
        QStringList messages;
        QTimer answer;
        connect(&answer, &QTimer::timeout, &window, [&messages] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages << box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        answer.start(20);
        // One line per page, its steps separated by " | ".
        // The prices are typed into the price list (Tools > Price List), which Escape puts away.
        window.menuAction(QStringLiteral("mnuPrceList"))->trigger();
        const QStringList pages = {
            "=85 | Tab | =1.60 | Tab | =1.25 | Tab | =120 | Tab | =45 | Tab | =32 | Tab | =.45 | Tab | =.70"
            " | Tab | =.95 | Tab | =1.60 | Tab | =2.45 | Escape",
            // Footing
            "^1 | pick:16\" | tab:MyFNGcbo_Hght | pick:8\" | tab:MyFNGtbx_lngth | =100 | Return"
            " | tab:MyFNGcbx_CPCY | =85 | Return | tab:myADDSigntbx(6) | =450 | Return",
            // Piers
            "^2 | pick:12\" | tab:MyPRScbo_lngth | pick:12\" | tab:MyPRScbo_Depth | pick:48\""
            " | tab:MyPRStbx_Qnty | pick:4 | Return | tab:MyPRStbx_CPY_TWO | =85 | Return"
            " | tab:myADDSigntbx(4) | =200 | Return",
            // Rebar: horizontal, vertical (a typed length), mats, then the total priced by size
            "^3 | tab:MyRbrtbx_TLF | =100 | tab:MYRBRcbo_Qnty | pick:2 | Return"
            " | backtab:rbropt_visible(0) | Right | tab:MyRbrVcbx_OCD | pick:2' | tab:MyRbrVcbx_HOW"
            " | pick:4' | tab:MyRbrVcbx_LOW | =100 | Return | backtab:rbropt_visible(1) | Right"
            " | tab:MyRbrRMcbx_LOM | pick:24\" | tab:MyRbrRMcbx_WOM | pick:24\" | tab:MyRbrRMcbx_DOC"
            " | pick:6\" | tab:MyRbrRMcbx_QOM | pick:4 | Return | tab:Option3(0) | Space"
            " | tab:MyRbrVcmd_TtLLF | Return | tab:MyRbrVtbx_CPLF | Return | tab:myADDSigntbx(1)"
            " | =250 | Return",
            // Flatwork
            "^4 | pick:4\" | tab:MyFWtbx_Lngth | =30 | tab:MyFWtbx_Wdth | =20 | Return"
            " | tab:MyFWtbx_CPCY | =85 | Return | tab:myADDSigntbx(2) | =900 | Return",
            // Welded wire: the roll size brings its price; Send pressed with Space
            "^5 | pick:150 ' | tab:MyFWWWtbx_Length | =30 | tab:MyFWWWtbx_Width | =20 | Return"
            " | tab:MYWWtbx_CPRoll | Return | tab:myADDSigntbx(3) | =100 | tab:MyFWWWcmd_SITS | Space",
            // Block: the size brings its price
            "^6 | pick:4' | tab:MyBLKtbx_length | =100 | Return | tab:BLCKopt(0) | Space"
            " | tab:MyBLKtbx_CPB | Return | tab:myADDSigntbx(5) | =1200 | Return",
            // Poured walls
            "^7 | pick:4' | tab:MyCWcbx_WL | pick:30' | tab:MyCWcbx_WT | pick:8\" | Return"
            " | tab:MyCWtbx_CPCY | =85 | Return | tab:myADDSigntbx(7) | =600 | Return",
            // Brick, then the totals
            "^8 | pick:4 x 2-3/4 x 8 | tab:MYBricktbx_LOW | =20 | tab:MYBRICKcbo_HOW | pick:8'"
            " | Return | tab:MyBRICKtxt_CstOfBrck | =.45 | Return | tab:myADDSigntbx(0) | =800"
            " | Return | ^9",
        };
        for (const QString &page : pages) {
            for (const QString &step : page.split(QStringLiteral(" | "))) {
                work(step);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(QStringLiteral("at ") + step));
            }
        }
        const QString sent = QStringLiteral(
            "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!");
        QCOMPARE(messages, QStringList(8, sent));
        QCOMPARE(window.frontPage(), window.page(MainWindow::kTotalsPage));
        const TotalsGrid *grid = window.totalsGrid();
        const QStringList rows[] = {
            {"$450.00", "$279.65"}, {"$200.00", "$50.15"},   {"$250.00", "$206.45"}, {"$900.00", "$632.40"},
            {"$100.00", "$41.40"},  {"$1200.00", "$562.50"}, {"$600.00", "$253.30"}, {"$800.00", "$486.00"},
        };
        for (int row = 1; row <= 8; ++row)
            QCOMPARE((QStringList{grid->cell(row, 1), grid->cell(row, 2)}), rows[row - 1]);
        QCOMPARE(grid->cell(14, 1), QStringLiteral("$4,500.00"));
        QCOMPARE(grid->cell(14, 2), QStringLiteral("$2,511.85"));
        QCOMPARE(grid->cell(17, 2), QStringLiteral("$7,011.85"));
    }

    void viewStartPageAfterSwitch()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(8), Qt::LeftButton);
        QVERIFY(!isInFront(window, MainWindow::kStartPage));
        window.menuAction(QStringLiteral("mnustrtpge"))->trigger();
        QVERIFY(isInFront(window, MainWindow::kStartPage));
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), QStringLiteral("Start Page"));
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
