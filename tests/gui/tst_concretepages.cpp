// The four concrete calculators driven through the main window, from the first pick to the totals.
#include "support/TestSupport.h"

#include "calculators/SlabCoverageWindow.h"
#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString sentToTotals = QStringLiteral(
    "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!");

} // namespace

class TestConcretePages : public QObject
{
    Q_OBJECT

private:
    template <class T> static T *find(const MainWindow &window, const QString &name)
    {
        T *widget = window.findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }

    // Chooses an entry of a list by its text, or types into a text field.
    static void enter(const MainWindow &window, const QString &name, const QString &text)
    {
        if (auto *list = window.findChild<QComboBox *>(name)) {
            const int index = list->findText(text);
            QVERIFY2(index >= 0, qPrintable(name + QLatin1Char(' ') + text));
            list->setCurrentIndex(index);
        } else {
            auto *line = find<QLineEdit>(window, name);
            line->clear();
            QTest::keyClicks(line, text);
        }
    }

    // Clicks a button and returns the text of the message it showed, or an empty text.
    static QString press(const MainWindow &window, const QString &button)
    {
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(find<QPushButton>(window, button), Qt::LeftButton);
        return seen->shown ? seen->text : QString();
    }

    static QString text(const MainWindow &window, const QString &field)
    {
        return find<QLineEdit>(window, field)->text();
    }

    static QStringList row(const TotalsGrid *grid, int r)
    {
        QStringList cells;
        for (int c = 0; c < TotalsGrid::kColumns; ++c)
            cells << grid->cell(r, c);
        return cells;
    }

    // PRD Walls, 8 ft by 100 ft by 8 in, its volume, the concrete price 85 and its cost.
    static void pricePouredWall(MainWindow &window)
    {
        QTest::mouseClick(window.pageButton(6), Qt::LeftButton);
        enter(window, "MyCWcbx_WH", "8'");
        enter(window, "MyCWcbx_WL", "100'");
        enter(window, "MyCWcbx_WT", "8\"");
        QCOMPARE(press(window, "MYTQCUcmd"), QString());
        window.priceList()->entryField(PriceListPage::kConcrete)->setText("85");
        QTest::mouseClick(find<QLineEdit>(window, "MyCWtbx_CPCY"), Qt::LeftButton);
        QCOMPARE(press(window, "MYCYPLF"), QString());
    }

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    void typicalUse()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(6), Qt::LeftButton);
        QVERIFY(window.page(6)->isVisible());
        QCOMPARE(window.page(6)->title(), QStringLiteral("Poured Concrete Walls"));
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), QStringLiteral("PRD Walls"));

        enter(window, "MyCWcbx_WH", "8'");
        enter(window, "MyCWcbx_WL", "100'");
        enter(window, "MyCWcbx_WT", "8\"");
        QCOMPARE(press(window, "MYTQCUcmd"), QString());
        QCOMPARE(text(window, "MyCWtbx_TQCY"), QStringLiteral("19.84"));

        // The price list's concrete price is copied in by a click into the price field.
        window.priceList()->entryField(PriceListPage::kConcrete)->setText("85");
        auto *price = find<QLineEdit>(window, "MyCWtbx_CPCY");
        QCOMPARE(price->text(), QString());
        QTest::mouseClick(price, Qt::LeftButton);
        QCOMPARE(price->text(), QStringLiteral("85"));
        QCOMPARE(press(window, "MYCYPLF"), QString());
        QCOMPARE(text(window, "MyCWtbx_TCOM"), QStringLiteral("$1,686.40"));

        auto *labour = find<QLineEdit>(window, "myADDSigntbx(7)");
        QCOMPARE(labour->text(), QStringLiteral("$0.00"));
        labour->clear();
        QTest::keyClicks(labour, "500");

        TotalsGrid *grid = window.totalsGrid();
        QCOMPARE(press(window, "MYCWcmd_Send"), sentToTotals);
        // Posted as written; nothing is recomputed yet.
        QCOMPARE(row(grid, 7), (QStringList{"Poured Walls", "500", "$1,686.40", "$0.00"}));
        QCOMPARE(grid->cell(14, 2), QStringLiteral("$0.00")); // as the last page switch left it

        QTest::mouseClick(window.pageButton(MainWindow::kTotalsPage), Qt::LeftButton);
        QVERIFY(window.page(MainWindow::kTotalsPage)->isVisible());
        QCOMPARE(row(grid, 7), (QStringList{"Poured Walls", "$500.00", "$1686.40", "$2,186.40"}));
        QCOMPARE(grid->cell(14, 1), QStringLiteral("$500.00"));
        QCOMPARE(grid->cell(14, 2), QStringLiteral("$1,686.40"));
        QCOMPARE(grid->cell(17, 2), QStringLiteral("$2,186.40"));
        // The other calculators' rows are untouched.
        QCOMPARE(row(grid, 1), (QStringList{"Footings", "$0.00", "$0.00", "$0.00"}));
    }

    void sendWithoutLabourWritesNothing()
    {
        MainWindow window;
        window.show();
        pricePouredWall(window);
        auto *labour = find<QLineEdit>(window, "myADDSigntbx(7)");
        labour->clear();
        find<QLineEdit>(window, "MyCWtbx_CPCY")->setFocus();

        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(find<QPushButton>(window, "MYCWcmd_Send"), Qt::LeftButton);
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, QStringLiteral("Please Insert A Value Into The \n\"ADD LABOR\" \nText Box."));
        QCOMPARE(seen->icon, QMessageBox::Critical);
        QCOMPARE(window.focusWidget(), labour);
        QCOMPARE(row(window.totalsGrid(), 7), (QStringList{"Poured Walls", "$0.00", "$0.00", "$0.00"}));
    }

    void costStaysUntilPressedAgain()
    {
        MainWindow window;
        window.show();
        pricePouredWall(window);
        QCOMPARE(text(window, "MyCWtbx_TCOM"), QStringLiteral("$1,686.40"));

        enter(window, "MyCWcbx_WT", "12\"");
        QCOMPARE(press(window, "MYTQCUcmd"), QString());
        QCOMPARE(text(window, "MyCWtbx_TQCY"), QStringLiteral("29.76"));
        QCOMPARE(text(window, "MyCWtbx_TCOM"), QStringLiteral("$1,686.40"));

        // Send posts the cost as it stands.
        QCOMPARE(press(window, "MYCWcmd_Send"), sentToTotals);
        QCOMPARE(window.totalsGrid()->cell(7, 2), QStringLiteral("$1,686.40"));

        QCOMPARE(press(window, "MYCYPLF"), QString());
        QCOMPARE(text(window, "MyCWtbx_TCOM"), QStringLiteral("$2,529.60"));
    }

    void eachPagePostsToItsRow_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("entries"); // field, text, field, text, ...
        QTest::addColumn<QStringList>(
            "fields"); // volume button, volume, price, cost button, cost, labour, send
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<int>("gridRow");
        QTest::addColumn<QStringList>("rowAfterTotals");

        QTest::newRow("footing") << 0 << QStringList{"MyFNGcbo_Wdth", "16\"",           "MyFNGcbo_Hght",
                                                     "8\"",           "MyFNGtbx_lngth", "100"}
                                 << QStringList{"MyFNGcmd_TLCY", "MyFNGtbx_TLCY", "MyFNGcbx_CPCY",
                                                "MyFNGcmd_TC",   "MyFNGtbx_TC",   "myADDSigntbx(6)",
                                                "Myfngcmd_send"}
                                 << "3.29"
                                 << "$279.65" << 1
                                 << QStringList{"Footings", "$250.00", "$279.65", "$529.65"};
        QTest::newRow("piers") << 1 << QStringList{"MyPRScbo_Width", "12\"", "MyPRScbo_lngth", "12\"",
                                                   "MyPRScbo_Depth", "48\"", "MyPRStbx_Qnty",  "4"}
                               << QStringList{"MYPRScmd_TCY", "MyPRStbx_TCY",   "MyPRStbx_CPY_TWO",
                                              "MYPRScmd_TC",  "MyPRStbx_TCOCY", "myADDSigntbx(4)",
                                              "MYPRScmd_Send"}
                               << "0.59"
                               << "$50.15" << 2 << QStringList{"Piers", "$250.00", "$50.15", "$300.15"};
        QTest::newRow("flatwork") << 3 << QStringList{"MyFWcbo_Thkns", "4\"", "MyFWtbx_Lngth", "20",
                                                      "MyFWtbx_Wdth",  "10"}
                                  << QStringList{"MyFWcmd_TLCY",   "MyFWtbx_TLCY", "MyFWtbx_CPCY",
                                                 "MyFWcmd_TC",     "MyFwtbx_TC",   "myADDSigntbx(2)",
                                                 "MyFNGFWcmd_send"}
                                  << "2.48"
                                  << "$210.80" << 4
                                  << QStringList{"Flatwork", "$250.00", "$210.80", "$460.80"};
        QTest::newRow("poured walls")
            << 6 << QStringList{"MyCWcbx_WH", "8'", "MyCWcbx_WL", "100'", "MyCWcbx_WT", "8\""}
            << QStringList{"MYTQCUcmd",    "MyCWtbx_TQCY",    "MyCWtbx_CPCY", "MYCYPLF",
                           "MyCWtbx_TCOM", "myADDSigntbx(7)", "MYCWcmd_Send"}
            << "19.84"
            << "$1,686.40" << 7 << QStringList{"Poured Walls", "$250.00", "$1686.40", "$1,936.40"};
    }

    void eachPagePostsToItsRow()
    {
        QFETCH(int, page);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, fields);
        QFETCH(QString, volume);
        QFETCH(QString, cost);
        QFETCH(int, gridRow);
        QFETCH(QStringList, rowAfterTotals);
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(page), Qt::LeftButton);
        for (qsizetype i = 0; i + 1 < entries.size(); i += 2)
            enter(window, entries.at(i), entries.at(i + 1));
        QCOMPARE(press(window, fields.at(0)), QString());
        QCOMPARE(text(window, fields.at(1)), volume);

        window.priceList()->entryField(PriceListPage::kConcrete)->setText("85");
        auto *price = find<QLineEdit>(window, fields.at(2));
        QTest::keyClicks(price, "70");
        QTest::mouseClick(price, Qt::LeftButton);
        QCOMPARE(price->text(), QStringLiteral("85"));
        QCOMPARE(press(window, fields.at(3)), QString());
        QCOMPARE(text(window, fields.at(4)), cost);

        enter(window, fields.at(5), "250");
        QCOMPARE(press(window, fields.at(6)), sentToTotals);
        TotalsGrid *grid = window.totalsGrid();
        QCOMPARE(grid->cell(gridRow, 1), QStringLiteral("250"));
        QCOMPARE(grid->cell(gridRow, 2), cost);
        QTest::mouseClick(window.pageButton(MainWindow::kTotalsPage), Qt::LeftButton);
        QCOMPARE(row(grid, gridRow), rowAfterTotals);
        QCOMPARE(grid->cell(17, 2), rowAfterTotals.at(3));
    }

    void flatworkMoreInfoOpensTheMenu_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("left") << Qt::LeftButton << true;
        QTest::newRow("right") << Qt::RightButton << false;
        QTest::newRow("middle") << Qt::MiddleButton << false;
    }

    void flatworkMoreInfoOpensTheMenu()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opens);
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(3), Qt::LeftButton);
        QMenu *menu = window.popupMenu(QStringLiteral("mnuPop"));
        QVERIFY(!menu->isVisible());
        QTest::mouseClick(find<QRadioButton>(window, "Option10(3)"), button);
        if (opens) {
            QTRY_VERIFY(menu->isVisible());
            menu->hide();
        } else {
            QTest::qWait(100);
            QVERIFY(!menu->isVisible());
        }
    }

    void flatworkNote()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(3), Qt::LeftButton);
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        window.popupMenu(QStringLiteral("mnuPop"))
            ->findChild<QAction *>(QStringLiteral("mnuPopNote"))
            ->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, QStringLiteral("Flatwork includes, but is not limited to :\n\n"
                                            "Driveways, Patios, Sidewalks, Garages,\n"
                                            "Pool Areas and Basement Flooring\n"
                                            " just to name a few typical installations."));
        QCOMPARE(seen->icon, QMessageBox::Information);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
    }

    void areaCoverageIsModalOverTheMainWindow()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(3), Qt::LeftButton);
        QAction *coverage =
            window.popupMenu(QStringLiteral("mnuPop"))->findChild<QAction *>(QStringLiteral("mnuPopACovr"));
        coverage->trigger();
        QPointer<SlabCoverageWindow> dialog =
            window.findChild<SlabCoverageWindow *>(QStringLiteral("frmMYSQFTCoverage"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), dialog.data());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Mortarix"));

        auto *thickness = dialog->findChild<QComboBox *>(QStringLiteral("MyFWsq2cycbx_thickness"));
        thickness->setCurrentIndex(thickness->findText("5.5\""));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("MYACtbx_TSF"))->text(), QStringLiteral("58.9090909090909"));

        // The program can close it (as it does when it shuts down); it is then gone.
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        // Opened again, it remembers nothing.
        coverage->trigger();
        dialog = window.findChild<SlabCoverageWindow *>(QStringLiteral("frmMYSQFTCoverage"));
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("MYACtbx_TSF"))->text(), QString());
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("MYSQFTfrmcmd_close")),
                          Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
    }
};

MORTARIX_TEST_MAIN(TestConcretePages)
#include "tst_concretepages.moc"
