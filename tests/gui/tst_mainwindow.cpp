// The main window driven as a user drives it: page buttons, keyboard, menus, status bar.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/TotalsGrid.h"

#include <QtWidgets>

#include <span>

namespace {

// The calculator pages (0 to 9) that are visible.
QList<int> visiblePages(const MainWindow &window)
{
    QList<int> visible;
    for (int i = 0; i < MainWindow::kPageButtonCount; ++i) {
        if (window.page(i)->isVisibleTo(&window))
            visible << i;
    }
    return visible;
}

void activate(MainWindow &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// The offscreen platform, having no window manager, does not give the window back its activation
// when a message box closes.
QWidget *regainFocus()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!QApplication::activeWindow() && qobject_cast<MainWindow *>(top) && top->isVisible()) {
            top->activateWindow();
            (void)QTest::qWaitForWindowActive(top);
        }
    }
    return QApplication::focusWidget();
}

void press(int key, Qt::KeyboardModifiers modifiers = {})
{
    QVERIFY2(regainFocus(), "nothing has the focus");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// One step of a keyboard script: "tab:Name" / "backtab:Name" (press until Name has the focus),
// "pick:Entry" (arrow keys in a list), "=text" (typing), "^N" (Ctrl+N), or a key's name.
void work(const QString &step)
{
    const QString argument = step.section(':', 1);
    if (step.startsWith("tab:") || step.startsWith("backtab:")) {
        const bool back = step.startsWith('b');
        for (int i = 0; i < 40 && focusName() != argument; ++i)
            press(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY2(focusName() == argument, qPrintable(step + " ends on " + focusName()));
    } else if (step.startsWith("pick:")) {
        auto *list = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY2(list && list->findText(argument) >= 0, qPrintable(step + " on " + focusName()));
        for (int i = 0; i < 60 && list->currentText() != argument; ++i)
            press(list->currentIndex() < list->findText(argument) ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(list->currentText(), argument);
    } else if (step.startsWith('=')) {
        QVERIFY2(regainFocus(), "nothing has the focus");
        QTest::keyClicks(QApplication::focusWidget(), step.mid(1));
    } else if (step.startsWith('^')) {
        press(Qt::Key_0 + step.mid(1).toInt(), Qt::ControlModifier);
    } else {
        press(QKeySequence(step)[0].key());
    }
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void freshStartAndView()
    {
        MainWindow window; window.show();
        QCOMPARE(window.objectName() + " | " + window.windowTitle(), "frmMain | Mortarix (Masonry)");
        QGroupBox *start = window.page(MainWindow::kStartPage);
        QVERIFY(start->isVisible() && window.frontPage() == start);
        QVERIFY(visiblePages(window).isEmpty() && !window.page(MainWindow::kPriceListPage)->isVisible() &&
                !window.page(MainWindow::kOptionsPage)->isVisible());
        using Panel = MainWindow::StatusPanel;
        QCOMPARE(window.statusText(Panel::Program) + " | " + window.statusText(Panel::Subject) + " | " +
                     window.statusText(Panel::Page) + " | " + window.statusText(Panel::Date),
                 "MORTARIX | MASONRY | Start Page | " + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(QRegularExpression("^Ver\\. [1-9]?[0-9]+\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$")
                    .match(window.statusText(Panel::Version)).hasMatch());
        QVERIFY(!window.statusText(Panel::Time).isEmpty());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint) && window.minimumSize() == window.maximumSize());
        QCOMPARE(window.centralWidget()->size(), QSize(622, 469));
        auto *link = window.page(MainWindow::kStartPage)->findChild<QLabel *>("Label3");
        QCOMPARE(link->toolTip() + " | " + window.page(MainWindow::kStartPage)->title(), "go to website | ");
        QVERIFY(!link->text().isEmpty() && link->text() == link->text().toUpper());
        // The status bar comes and goes with its menu entry.
        QAction *statusBar = window.menuAction("mnuStatusBar");
        QCOMPARE(window.statusBar()->objectName(), "StatusBar1");
        QVERIFY(statusBar->isChecked() && window.statusBar()->isVisible());
        statusBar->trigger();
        QVERIFY(!statusBar->isChecked() && !window.statusBar()->isVisible());
        statusBar->trigger();
        QVERIFY(statusBar->isChecked() && window.statusBar()->isVisible());
        // View > Start Page brings the start page back in front of the page last shown.
        QAction *startPage = window.menuAction("mnustrtpge");
        QVERIFY(!startPage->isEnabled());
        QTest::mouseClick(window.pageButton(8), Qt::LeftButton);
        QVERIFY(window.frontPage() != window.page(MainWindow::kStartPage) && startPage->isEnabled());
        startPage->trigger();
        QVERIFY(window.frontPage() == window.page(MainWindow::kStartPage) && startPage->isEnabled());
        QCOMPARE(window.statusText(Panel::Page), "Start Page");
        QCOMPARE(visiblePages(window), QList<int>{8});
    }
    // A page button worked with the mouse takes the price list away (any mouse button's release,
    // even one that does not click); the keyboard's (Space, Ctrl+6) does not; Escape in it does.
    void priceListHiddenByMouseButNotByKeyboard()
    {
        MainWindow window;
        activate(window);
        QGroupBox *priceList = window.page(MainWindow::kPriceListPage);
        window.showPriceList();
        window.pageButton(5)->setFocus();
        QTest::keyClick(window.pageButton(5), Qt::Key_Space);
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), "Block");
        QTest::keyClick(window.pageButton(5), Qt::Key_6, Qt::ControlModifier);
        QVERIFY(priceList->isVisible() && window.frontPage() == priceList);
        QTest::keyClick(window.findChild<QWidget *>("text1(0)"), Qt::Key_Escape);
        QVERIFY(!priceList->isVisible() && window.frontPage() == window.page(5));
        window.showPriceList();
        QTest::mouseClick(window.pageButton(6), Qt::LeftButton);
        QVERIFY(!priceList->isVisible());
        QCOMPARE(visiblePages(window), QList<int>{6});
        priceList->show();
        QTest::mouseClick(window.pageButton(6), Qt::RightButton);
        QVERIFY(!priceList->isVisible());
    }
    // After the options or the start page, each page button brings its page in front of it, hiding
    // it completely (none of its colour shows through), and Tab and Shift+Tab reach nothing behind.
    void pageButtonsCoverThePageBehind_data()
    {
        QTest::addColumn<int>("behind");
        QTest::newRow("options") << MainWindow::kOptionsPage;
        QTest::newRow("start page") << MainWindow::kStartPage;
    }
    void pageButtonsCoverThePageBehind()
    {
        QFETCH(int, behind);
        MainWindow window;
        activate(window);
        if (behind == MainWindow::kOptionsPage)
            window.menuAction("mnuOptions")->trigger();
        QGroupBox *back = window.page(behind);
        QVERIFY(window.frontPage() == back);
        const QColor marker(255, 0, 255);
        QPalette palette = back->palette();
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
            palette.setColor(role, marker);
        back->setPalette(palette);
        const auto markerSeen = [&window, marker](const QWidget *page) {
            const QImage shot = window.grab(QRect(page->mapTo(&window, QPoint()), page->size()))
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < shot.height(); ++y) {
                const std::span line(reinterpret_cast<const QRgb *>(shot.constScanLine(y)), shot.width());
                if (std::ranges::count(line, marker.rgb()))
                    return true;
            }
            return false;
        };
        QVERIFY(markerSeen(back));
        QStringList captions; // the button's, the page's, the status bar's
        for (int i = 0; i < MainWindow::kPageButtonCount; ++i) {
            QTest::mouseClick(window.pageButton(i), Qt::LeftButton);
            captions << window.pageButton(i)->text() + "|" + window.page(i)->title() + "|" +
                            window.statusText(MainWindow::StatusPanel::Page);
            QVERIFY(back->isVisible() && window.frontPage() == window.page(i) && visiblePages(window) == QList{i});
            QVERIFY2(!markerSeen(window.page(i)), qPrintable(QString("shows through page %1").arg(i)));
            for (const auto key : {Qt::Key_Tab, Qt::Key_Backtab}) {
                window.pageButton(i)->setFocus();
                for (int step = 0; step < 60; ++step) {
                    press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                    QWidget *focus = QApplication::focusWidget();
                    QVERIFY(focus && focus->isVisible());
                    for (int other : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 26, 300})
                        QVERIFY2(other == i || !window.page(other)->isAncestorOf(focus),
                                 qPrintable(focus->objectName()));
                }
            }
        }
        QCOMPARE(captions.join("; "), "Footing|Footing|Footing; Piers|Piers|Piers; Rebar|Rebar|Rebar; "
                                      "Flatwork|Flatwork|Flatwork; Weld Wire|Welded Wire|Weld Wire; Block|Block|Block; "
                                      "PRD Walls|Poured Concrete Walls|PRD Walls; Brick|Brick|Brick; "
                                      "Totals|Totals|Totals; Text Editor|Text Editor|Text Editor");
    }
    // Tab follows each calculator page top to bottom and left to right (back up only into a column
    // further right) and reaches every input, step button, the labour field, Send and More Info.
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
        work(QString("^%1").arg(index + 1));
        QGroupBox *page = window.page(index);
        QList<QWidget *> reached;
        for (QWidget *w = QApplication::focusWidget(); page->isAncestorOf(w) && !reached.contains(w);
             w = QApplication::focusWidget()) {
            reached << w;
            press(Qt::Key_Tab);
        }
        const auto labour =
            std::ranges::find_if(reached, [](auto *w) { return w->objectName().startsWith("myADDSigntbx("); });
        QVERIFY(labour != reached.cend() && labour != reached.cbegin() && labour + 1 != reached.cend());
        auto *send = qobject_cast<QPushButton *>(labour[1]);
        QVERIFY(send && send->text().startsWith("Send"));
        labour[0]->setFocus();
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), labour[-1]); // Tab and Shift+Tab leave the labour field
        const auto place = [page](const QWidget *w) { return QRect(w->mapTo(page, QPoint()), w->size()); };
        for (qsizetype i = 1; i < reached.size(); ++i)
            QVERIFY2(place(reached.at(i)).top() >= place(reached.at(i - 1)).top() - 2 ||
                         place(reached.at(i)).left() > place(reached.at(i - 1)).left(),
                     qPrintable(reached.at(i - 1)->objectName() + " before " + reached.at(i)->objectName()));
        for (QWidget *w : page->findChildren<QWidget *>()) {
            auto *line = qobject_cast<QLineEdit *>(w);
            const bool input = (line && !line->isReadOnly() && !qobject_cast<QComboBox *>(w->parentWidget())) ||
                               qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w);
            QVERIFY2(!w->isVisible() || !input || reached.contains(w), qPrintable(w->objectName()));
            // A group of option buttons is reached through one of them.
            QVERIFY2(!w->isVisible() || !qobject_cast<QRadioButton *>(w) ||
                         std::ranges::any_of(reached, [w](auto *r) {
                             return qobject_cast<QRadioButton *>(r) && r->parentWidget() == w->parentWidget();
                         }),
                     qPrintable(w->objectName()));
        }
    }
    // The user guide's garage, every page worked from the keyboard alone (message boxes answered
    // with Return too), gives the totals the guide shows.
    void garageByKeyboard()
    {
        QFile::remove(SettingsStore::filePath());
        MainWindow window;
        activate(window);
        QStringList messages;
        QTimer answer;
        connect(&answer, &QTimer::timeout, &window, [&messages] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages << box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        answer.start(20);
        window.menuAction("mnuPrceList")->trigger(); // the prices first, then a line per page
        const QStringList pages = {
            "=85 | Tab | =1.60 | Tab | =1.25 | Tab | =120 | Tab | =45 | Tab | =32 | Tab | =.45 | Tab | =.70"
            " | Tab | =.95 | Tab | =1.60 | Tab | =2.45 | Escape",
            "^1 | pick:16\" | tab:MyFNGcbo_Hght | pick:8\" | tab:MyFNGtbx_lngth | =100 | Return"
            " | tab:MyFNGcbx_CPCY | =85 | Return | tab:myADDSigntbx(6) | =450 | Return",
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
            "^4 | pick:4\" | tab:MyFWtbx_Lngth | =30 | tab:MyFWtbx_Wdth | =20 | Return"
            " | tab:MyFWtbx_CPCY | =85 | Return | tab:myADDSigntbx(2) | =900 | Return",
            // Welded wire: the roll size brings its price; Send pressed with Space
            "^5 | pick:150 ' | tab:MyFWWWtbx_Length | =30 | tab:MyFWWWtbx_Width | =20 | Return"
            " | tab:MYWWtbx_CPRoll | Return | tab:myADDSigntbx(3) | =100 | tab:MyFWWWcmd_SITS | Space",
            // Block: the size brings its price
            "^6 | pick:4' | tab:MyBLKtbx_length | =100 | Return | tab:BLCKopt(0) | Space"
            " | tab:MyBLKtbx_CPB | Return | tab:myADDSigntbx(5) | =1200 | Return",
            "^7 | pick:4' | tab:MyCWcbx_WL | pick:30' | tab:MyCWcbx_WT | pick:8\" | Return"
            " | tab:MyCWtbx_CPCY | =85 | Return | tab:myADDSigntbx(7) | =600 | Return",
            "^8 | pick:4 x 2-3/4 x 8 | tab:MYBricktbx_LOW | =20 | tab:MYBRICKcbo_HOW | pick:8'"
            " | Return | tab:MyBRICKtxt_CstOfBrck | =.45 | Return | tab:myADDSigntbx(0) | =800"
            " | Return | ^9",
        };
        for (const QString &page : pages) {
            for (const QString &step : page.split(" | ")) {
                work(step);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable("at " + step));
            }
        }
        QCOMPARE(messages, QStringList(8, "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, "
                                          "Click On Totals Button!"));
        QCOMPARE(window.frontPage(), window.page(MainWindow::kTotalsPage));
        QStringList totals;
        for (int row : {1, 2, 3, 4, 5, 6, 7, 8, 14, 17})
            totals << window.totalsGrid()->cell(row, 1) << window.totalsGrid()->cell(row, 2);
        QCOMPARE(totals.join(' '), "$450.00 $279.65 $200.00 $50.15 $250.00 $206.45 $900.00 $632.40 $100.00 $41.40 "
                                   "$1200.00 $562.50 $600.00 $253.30 $800.00 $486.00 $4,500.00 $2,511.85  $7,011.85");
    }
    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entries"); // "name|caption", "---" a separator, joined by "; "
        QTest::newRow("menu bar") << "" << "&File; &View; &Tools; &Help";
        QTest::newRow("File") << "mnuFile" << "mnuopen|Open . . .; ---; mnuminimize|&Minimize To Sys Tray; ---; "
                                              "mnuprinter|Printer . . .; ---; mnuExit|E&xit";
        QTest::newRow("View") << "mnuView" << "mnuStatusBar|&Status Bar; ---; mnustrtpge|&View Start Page";
        QTest::newRow("Tools") << "mnuTools" << "mnuCalendar|&Calendar . . .; ---; mnuCalc|&Calculator . . .; ---; "
                                                "mnuOptions|&Options ; ---; mnuScrSize|Screen &Display Size; ---; "
                                                "mnuPrceList|&Price List ";
        QTest::newRow("Screen size") << "mnuScrSize" << "mnuChngRes|Disp&lay Setting . . .";
        QTest::newRow("Help") << "mnuHelp" << "mnureedme|Readme . . .; ---; "
                                              "mnuMortarixWeb|&Mortarix Online Help. . .; ---; "
                                              "mnuAbout|&About Mortarix . . .";
        QTest::newRow("PopUp") << "mnuPop" << "mnuPopNote|NOTE:; ---; mnuPopACovr|AREA Coverage";
        QTest::newRow("PopUpWW") << "mnuPopww" << "mnuNote|NOTE:; ---; mnuPAreaCOv|AREA COVERAGE";
        QTest::newRow("PopUPRTFile") << "mnurtf" << "mnuRTFFLEOPN|Open . . .; mnuPopClse|Close; ---; mnuRFSave|Save; "
                                                    "mnuRTFSaveAs|Save As . . .; ---; mnuPopPrnt|Print . . .; ---; "
                                                    "mnuxprToWrd|Export To Word . . . ";
        QTest::newRow("PoPupFormat") << "mnuPopRTformat" << "mnuPopRTfntedt|Font . . .; mnuPopRTcoloredit|Color . . .; "
                                                            "---; mnuPopcaps|All Caps; mnuPopRTboldedit|Bold; "
                                                            "mnuPopRTitalicedit|Italic; "
                                                            "mnuPopRTundrlneedit|Underline; ---; mnuPopRTfntcut|Cut; "
                                                            "mnuPopRTfntcopy|Copy; mnuPopRTfntpaste|Paste";
        QTest::newRow("PopUpEdit") << "mnuPopEdit"
                                   << "mnuPopEDcut|Cut; ---; mnuPOPEDcopy|Copy; ---; mnuPopEDpaste|Paste";
        QTest::newRow("Grid Edit") << "mnugridEdit" << "mnugridcopy|Copy Grid ; ---; mnugridselect|Select All";
        QTest::newRow("Systemtray") << "mnuSystemtray" << "";
    }
    void menus()
    {
        QFETCH(QString, menu); QFETCH(QString, entries);
        MainWindow window; window.show();
        QMenu *found = menu.isEmpty() ? nullptr : window.findChild<QMenu *>(menu);
        QVERIFY2(menu.isEmpty() || found, qPrintable(menu));
        QStringList seen;
        for (QAction *action : found ? found->actions() : window.menuBar()->actions())
            seen << (action->isSeparator() ? QString("---")
                                           : (found ? action->objectName() + "|" : QString()) + action->text());
        QCOMPARE(seen.join("; "), entries);
        const bool popup = !QStringList{"", "mnuFile", "mnuView", "mnuTools", "mnuScrSize", "mnuHelp"}.contains(menu);
        QVERIFY(!popup || (window.popupMenu(menu) == found && !found->isVisible())); // hidden until asked for
    }
};

MORTARIX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
