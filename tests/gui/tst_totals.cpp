// The totals grid and the price list, driven through the main window.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"
#include "core/NumberFormat.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

class TestTotals : public QObject
{
    Q_OBJECT

private:
    static void clickTotals(MainWindow &window) { QTest::mouseClick(window.pageButton(8), Qt::LeftButton); }

    static QStringList row(const TotalsGrid *grid, int r)
    {
        QStringList cells;
        for (int c = 0; c < TotalsGrid::kColumns; ++c)
            cells << grid->cell(r, c);
        return cells;
    }

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    void freshGrid()
    {
        MainWindow window;
        TotalsGrid *grid = window.findChild<TotalsGrid *>(QStringLiteral("MY_Grid"));
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 18);
        QCOMPARE(grid->columnCount(), 4);
        QCOMPARE(row(grid, 0), (QStringList{"", "Labor Cost", "Material Cost", "Total"}));
        const QStringList captions = {"Footings",    "Piers", "Rebar",        "Flatwork",
                                      "Welded Wire", "Block", "Poured Walls", "Brick"};
        for (int r = 1; r <= 8; ++r)
            QCOMPARE(row(grid, r), (QStringList{captions.at(r - 1), "$0.00", "$0.00", "$0.00"}));
        for (int r = 9; r <= 13; ++r)
            QCOMPARE(row(grid, r), (QStringList{"", "", "", ""}));
        QCOMPARE(row(grid, 14), (QStringList{"Sub Total", "", "", ""}));
        QCOMPARE(row(grid, 17), (QStringList{"Grand Total", "", "", ""}));
        QCOMPARE(grid->columnWidth(0), 100);
        QCOMPARE(grid->columnWidth(2), 120);
    }

    void recalculation_data()
    {
        QTest::addColumn<int>("gridRow");
        QTest::addColumn<QString>("labour");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QStringList>("rowAfter");
        QTest::addColumn<QString>("labourSubTotal");
        QTest::addColumn<QString>("materialSubTotal");
        QTest::addColumn<QString>("grandTotal");
        QTest::newRow("block example")
            << 6 << "100"
            << "$1,234.50" << QStringList{"Block", "$100.00", "$1234.50", "$1,334.50"} << "$100.00"
            << "$1,234.50"
            << "$1,334.50";
        // Summed exactly: a contractor's total is never a cent off.
        QTest::newRow("large amount exact")
            << 7 << "$0.00"
            << "1234567.89" << QStringList{"Poured Walls", "$0.00", "$1234567.89", "$1,234,567.89"} << "$0.00"
            << "$1,234,567.89"
            << "$1,234,567.89";
        QTest::newRow("cents add up")
            << 1 << "$0.10"
            << "$0.20" << QStringList{"Footings", "$0.10", "$0.20", "$0.30"} << "$0.10"
            << "$0.20"
            << "$0.30";
        // Text that is no amount counts as nothing and is left as it stands.
        QTest::newRow("not a number")
            << 8 << "abc"
            << "$12.00" << QStringList{"Brick", "abc", "$12.00", "$12.00"} << "$0.00"
            << "$12.00"
            << "$12.00";
        QTest::newRow("empty labour") << 2 << ""
                                      << "$5.00" << QStringList{"Piers", "", "$5.00", "$5.00"} << "$0.00"
                                      << "$5.00"
                                      << "$5.00";
        QTest::newRow("parenthesised negative")
            << 3 << "($5.00)"
            << "$7.50" << QStringList{"Rebar", "-$5.00", "$7.50", "$2.50"} << "($5.00)"
            << "$7.50"
            << "$2.50";
    }

    void recalculation()
    {
        QFETCH(int, gridRow);
        QFETCH(QString, labour);
        QFETCH(QString, material);
        QFETCH(QStringList, rowAfter);
        QFETCH(QString, labourSubTotal);
        QFETCH(QString, materialSubTotal);
        QFETCH(QString, grandTotal);
        MainWindow window;
        window.show();
        TotalsGrid *grid = window.totalsGrid();
        grid->setCell(gridRow, 1, labour);
        grid->setCell(gridRow, 2, material);
        // Posting alone changes no total.
        QCOMPARE(grid->cell(gridRow, 3), QStringLiteral("$0.00"));
        QCOMPARE(grid->cell(14, 1), QString());

        clickTotals(window);
        QCOMPARE(row(grid, gridRow), rowAfter);
        QCOMPARE(grid->cell(14, 1), labourSubTotal);
        QCOMPARE(grid->cell(14, 2), materialSubTotal);
        QCOMPARE(grid->cell(17, 2), grandTotal);
        for (const auto &[r, c] : {std::pair{14, 3}, {17, 1}, {17, 3}})
            QCOMPARE(grid->cell(r, c), QString());
    }

    void clickOnGridTurnsTotalsIntoGridForm()
    {
        MainWindow window;
        window.show();
        TotalsGrid *grid = window.totalsGrid();
        grid->setCell(6, 1, "100");
        grid->setCell(6, 2, "$1,234.50");
        clickTotals(window);
        QCOMPARE(grid->cell(6, 3), QStringLiteral("$1,334.50"));
        const QRect cellRect = grid->visualItemRect(grid->item(6, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellRect.center());
        QCOMPARE(grid->cell(6, 3), QStringLiteral("$1334.50"));
        QCOMPARE(grid->cell(14, 2), QStringLiteral("$1234.50"));
        QCOMPARE(grid->cell(17, 2), QStringLiteral("$1334.50"));
        QCOMPARE(grid->cell(14, 0), QStringLiteral("Sub Total"));
    }

    // The grid remembers what it read and wrote; neither a new amount nor a new locale may find a
    // stale answer.
    void repeatedSwitchesFollowNewAmountsAndLocale()
    {
        MainWindow window;
        window.show();
        TotalsGrid *grid = window.totalsGrid();
        grid->setCell(6, 1, "100");
        grid->setCell(6, 2, "$1,234.50");
        for (int i = 0; i < 3; ++i)
            clickTotals(window);
        QCOMPARE(grid->cell(17, 2), QStringLiteral("$1,334.50"));
        grid->setCell(6, 1, "200");
        clickTotals(window);
        QCOMPARE(grid->cell(6, 3), QStringLiteral("$1,434.50"));
        QCOMPARE(grid->cell(17, 2), QStringLiteral("$1,434.50"));

        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        grid->setCell(6, 1, "200");
        grid->setCell(6, 2, "1234,5");
        clickTotals(window);
        const QString german = Numbers::formatCurrency(Numbers::Currency::fromTicks(14345000));
        QLocale::setDefault(before);
        QVERIFY(german != QStringLiteral("$1,434.50"));
        QCOMPARE(grid->cell(6, 3), german);
        QCOMPARE(grid->cell(17, 2), german);
    }

    void grandTotalAddsTheSubTotalsAsShown()
    {
        MainWindow window;
        window.show();
        TotalsGrid *grid = window.totalsGrid();
        // Each sub total rounds to a cent when shown; the grand total adds what is shown.
        grid->setCell(1, 1, "0.005");
        grid->setCell(1, 2, "0.005");
        clickTotals(window);
        QCOMPARE(grid->cell(14, 1), QStringLiteral("$0.01"));
        QCOMPARE(grid->cell(14, 2), QStringLiteral("$0.01"));
        QCOMPARE(grid->cell(17, 2), QStringLiteral("$0.02"));
    }

    void selectAllThenCopyGrid()
    {
        MainWindow window;
        window.show();
        window.totalsGrid()->setCell(6, 1, "100");
        clickTotals(window);
        QMenu *menu = window.popupMenu(QStringLiteral("mnugridEdit"));
        menu->findChild<QAction *>(QStringLiteral("mnugridselect"))->trigger();
        menu->findChild<QAction *>(QStringLiteral("mnugridcopy"))->trigger();
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines.at(0), QStringLiteral("\tLabor Cost\tMaterial Cost\tTotal"));
        QCOMPARE(lines.at(6), QStringLiteral("Block\t$100.00\t$0.00\t$100.00"));
        QCOMPARE(lines.at(14), QStringLiteral("Sub Total\t$100.00\t$0.00\t"));
        QCOMPARE(lines.at(17), QStringLiteral("Grand Total\t\t$100.00\t"));
    }

    void copyOfAPartialSelection()
    {
        MainWindow window;
        TotalsGrid *grid = window.totalsGrid();
        grid->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
        QCOMPARE(grid->clipText(), QStringLiteral("Footings\t$0.00\nPiers\t$0.00"));
    }

    void priceListOpensAndClosesAndSaves()
    {
        {
            MainWindow window;
            window.show();
            QGroupBox *page = window.page(MainWindow::kPriceListPage);
            QVERIFY(!page->isVisible());
            window.menuAction(QStringLiteral("mnuPrceList"))->trigger();
            QVERIFY(page->isVisible());
            QCOMPARE(page->title(), QStringLiteral("Price List"));
            QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), QStringLiteral("Price List"));

            for (int i = 0; i < PriceListPage::kEntryCount; ++i) {
                auto *entry = window.findChild<QLineEdit *>(QStringLiteral("text1(%1)").arg(i));
                QVERIFY(entry);
                QCOMPARE(entry->text(), QString()); // first run: empty, not zero
                QCOMPARE(entry->maxLength(), 4);
            }
            auto *concrete = window.findChild<QLineEdit *>(QStringLiteral("text1(0)"));
            QTest::keyClicks(concrete, "95");
            auto *rebar = window.findChild<QLineEdit *>(QStringLiteral("text1(10)"));
            QTest::keyClicks(rebar, "12345");
            QCOMPARE(rebar->text(), QStringLiteral("1234")); // a fifth character is refused

            auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("MyPriceListcmd_Save")),
                              Qt::LeftButton);
            QVERIFY(seen->shown);
            QCOMPARE(seen->text, QStringLiteral("Your Data Has Been Saved To A File."));
            QCOMPARE(seen->title, QStringLiteral("Mortarix"));
            QCOMPARE(seen->icon, QMessageBox::Information);
            QCOMPARE(SettingsStore::get("Prices", "Price(0)"), QStringLiteral("95"));
            QCOMPARE(SettingsStore::get("Prices", "Price(3)", "absent"),
                     QString()); // empty entries stored empty

            // A page button worked with the mouse takes the price list away.
            QTest::mouseClick(window.pageButton(0), Qt::LeftButton);
            QVERIFY(!page->isVisible());
        }
        MainWindow next;
        QCOMPARE(next.priceList()->entry(0), QStringLiteral("95"));
        QCOMPARE(next.priceList()->entry(10), QStringLiteral("1234"));
        QCOMPARE(next.priceList()->entry(1), QString());
    }

    void priceListSaveThatFailsSaysSo()
    {
        // The store's file is a folder, so nothing can be written there.
        QVERIFY(QDir().mkpath(SettingsStore::filePath()));
        MainWindow window;
        window.show();
        window.priceList()->entryField(0)->setText(QStringLiteral("95"));
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        window.priceList()->save();
        QVERIFY(seen->shown);
        QCOMPARE(seen->icon, QMessageBox::Warning);
        QVERIFY2(seen->text.startsWith(QStringLiteral("Your Prices Could Not Be Saved To ")),
                 qPrintable(seen->text));
        QVERIFY(QDir().rmdir(SettingsStore::filePath()));
    }

    void priceListLabels()
    {
        MainWindow window;
        QStringList groups;
        for (int i = 21; i <= 25; ++i)
            groups << window.findChild<QGroupBox *>(QStringLiteral("myframe(%1)").arg(i))->title();
        QCOMPARE(groups, (QStringList{" Concrete Cost ", "Local Block Cost", "Welded Wire Cost", "Rebar Cost",
                                      "Brick Cost"}));
        auto labelOf = [&](int i) {
            auto *field = window.findChild<QLineEdit *>(QStringLiteral("text1(%1)").arg(i));
            for (QLabel *label : window.page(MainWindow::kPriceListPage)->findChildren<QLabel *>()) {
                if (label->buddy() == field)
                    return label->text();
            }
            return QString();
        };
        QCOMPARE(labelOf(0), QStringLiteral("Enter Cost Per Cubic Yard"));
        QCOMPARE(labelOf(1), QStringLiteral("Enter Cost 8 x 12 x 16  ea."));
        QCOMPARE(labelOf(2), QStringLiteral("Enter Cost 8 x 8 x 16   ea."));
        QCOMPARE(labelOf(3), QStringLiteral("Enter Cost 500 ' Roll   ea."));
        QCOMPARE(labelOf(5), QStringLiteral("Enter Cost 100 ' Roll   ea."));
        QVERIFY(labelOf(8).startsWith(QStringLiteral("3/4\"")));
        QVERIFY(labelOf(8).endsWith(QStringLiteral("L.F.")));
    }
};

MORTARIX_TEST_MAIN(TestTotals)
#include "tst_totals.moc"
