// The main window driven as a user drives it: page buttons, keyboard, menus, status bar.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"

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
                    QTest::keyClick(QApplication::focusWidget(), key,
                                    key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
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
    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entries"); // "name|caption", "---" a separator, joined by "; "
        QTest::newRow("menu bar") << "" << "&File; &View; &Tools; &Help";
        QTest::newRow("File") << "mnuFile"
                              << "mnuNewJob|&New Job; mnuOpenJob|Open &Job . . .; ---; mnuSaveJob|&Save Job; "
                                 "mnuSaveJobAs|Save Job &As . . .; ---; mnuRecentJobs|Recent Jobs; ---; "
                                 "mnuJobDetails|Job &Details . . .; ---; mnuPreviewEstimate|Estimate Pre&view . . .; "
                                 "mnuPrintEstimate|&Print Estimate . . .; "
                                 "mnuExportEstimate|&Export Estimate (PDF) . . .; ---; mnuopen|Open . . .; ---; "
                                 "mnuminimize|&Minimize To Sys Tray; ---; mnuprinter|Printer . . .; ---; mnuExit|E&xit";
        QTest::newRow("View") << "mnuView" << "mnuStatusBar|&Status Bar; ---; mnustrtpge|&View Start Page";
        QTest::newRow("Tools") << "mnuTools" << "mnuCalendar|&Calendar . . .; ---; mnuCalc|&Calculator . . .; ---; "
                                                "mnuOptions|&Options ; ---; mnuScrSize|Screen &Display Size; ---; "
                                                "mnuPrceList|&Price List ; ---; "
                                                "mnuBusiness|&Business Details . . .; "
                                                "mnuFactors|&Material Factors . . .; "
                                                "mnuOrderList|Material &Order List . . .";
        QTest::newRow("Screen size") << "mnuScrSize" << "mnuChngRes|Disp&lay Setting . . .";
        QTest::newRow("Help") << "mnuHelp" << "mnureedme|Readme . . .; ---; "
                                              "mnuMortarixWeb|&Mortarix Online Help. . .; ---; "
                                              "mnuAbout|&About Mortarix . . .";
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
