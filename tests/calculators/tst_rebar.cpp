// The rebar calculator: horizontal, vertical and mat quantities, their total and its cost, and the
// page's bar sizes, lists and note.
#include "support/CalculatorTestKit.h"

#include "core/RebarSteps.h"
#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/PriceListPage.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestRebar : public QObject
{
    Q_OBJECT

private slots:
    void horizontal_data()
    {
        QTest::addColumn<QString>("feet");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("100 ft x 3 rows") << "100"
                                         << "3" << QStringList{"", "MyRbrtbx_TQLF=300"};
        QTest::newRow("fraction of a foot") << "12.5"
                                            << "5" << QStringList{"", "MyRbrtbx_TQLF=62.5"};
        // 33.3 in single precision times 3 rounds to the single below 99.9.
        QTest::newRow("single precision") << "33.3"
                                          << "3" << QStringList{"", "MyRbrtbx_TQLF=99.89999"};
        QTest::newRow("no row chosen gives 0") << "100"
                                               << "" << QStringList{"", "MyRbrtbx_TQLF=0"};
        QTest::newRow("10000 accepted") << "10000"
                                        << "6" << QStringList{"", "MyRbrtbx_TQLF=60000"};
        QTest::newRow("10001 refused") << "10001"
                                       << "2" << QStringList{kMaximum, "MyRbrtbx_TQLF="};
        QTest::newRow("no feet") << ""
                                 << "3" << QStringList{kMissing};
        QTest::newRow("zero feet") << "0"
                                   << "3" << QStringList{kMissing};
        QTest::newRow("negative feet") << "-5"
                                       << "3" << QStringList{kMissing};
    }

    void horizontal()
    {
        QFETCH(QString, feet);
        QFETCH(QString, rows);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Rebar::horizontalStep(feet, rows)), outcome);
    }

    void vertical_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("20 ft wall at 2 ft, 8 high") << "8'"
                                                    << "20'"
                                                    << "2'" << QStringList{"", "MyRbrVtbx_QLF=80.00"};
        QTest::newRow("grouped thousands") << "16'"
                                           << "200"
                                           << "2'" << QStringList{"", "MyRbrVtbx_QLF=1,600.00"};
        QTest::newRow("uneven spacing") << "8'"
                                        << "25'"
                                        << "6'" << QStringList{"", "MyRbrVtbx_QLF=33.33"};
        QTest::newRow("length 10001 accepted") << "2'"
                                               << "10001"
                                               << "2'" << QStringList{"", "MyRbrVtbx_QLF=10,001.00"};
        QTest::newRow("length 10001.5 refused") << "2'"
                                                << "10001.5"
                                                << "2'" << QStringList{kMaximum, "MyRbrVtbx_QLF="};
        QTest::newRow("no height") << ""
                                   << "20'"
                                   << "2'" << QStringList{kMissing};
        QTest::newRow("no length") << "8'"
                                   << ""
                                   << "2'" << QStringList{kMissing};
        QTest::newRow("no spacing") << "8'"
                                    << "20'"
                                    << "" << QStringList{kMissing};
        QTest::newRow("missing before too large") << "8'"
                                                  << "99999"
                                                  << "" << QStringList{kMissing};
    }

    void vertical()
    {
        QFETCH(QString, height);
        QFETCH(QString, length);
        QFETCH(QString, spacing);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Rebar::verticalStep(height, length, spacing)), outcome);
    }

    void mats_data()
    {
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("36 x 24 at 6, 2 mats") << "6\""
                                              << "36\""
                                              << "24\""
                                              << "2" << QStringList{"", "MyRbrRMtbx_QLF=46.72"};
        QTest::newRow("12 x 12 at 6, 1 mat") << "6\""
                                             << "12\""
                                             << "12\""
                                             << "1" << QStringList{"", "MyRbrRMtbx_QLF=3.36"};
        QTest::newRow("whole result keeps its point") << "2\""
                                                      << "12\""
                                                      << "14\""
                                                      << "2" << QStringList{"", "MyRbrRMtbx_QLF=24."};
        QTest::newRow("30 mats accepted") << "6\""
                                          << "12\""
                                          << "12\""
                                          << "30" << QStringList{"", "MyRbrRMtbx_QLF=100.83"};
        QTest::newRow("31 mats refused") << "6\""
                                         << "12\""
                                         << "12\""
                                         << "31" << QStringList{kMaximum, "MyRbrRMtbx_QLF="};
        QTest::newRow("no count") << "6\""
                                  << "12\""
                                  << "12\""
                                  << "" << QStringList{kMissing};
        QTest::newRow("no spacing") << ""
                                    << "12\""
                                    << "12\""
                                    << "1" << QStringList{kMissing};
        QTest::newRow("no width") << "6\""
                                  << "12\""
                                  << ""
                                  << "1" << QStringList{kMissing};
    }

    void mats()
    {
        QFETCH(QString, spacing);
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(QString, count);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Rebar::matStep(spacing, length, width, count)), outcome);
    }

    void total_data()
    {
        QTest::addColumn<QString>("horizontal");
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("mats");
        QTest::addColumn<QStringList>("outcome");
        const QStringList emptied = {
            kMaximum, "MyRbrtbx_TQLF=", "MyRbrVtbx_QLF=", "MyRbrRMtbx_QLF=", "MyRbrVtbx_TtlLF="};
        QTest::newRow("all three") << "300"
                                   << "80.00"
                                   << "46.72" << QStringList{"", "MyRbrVtbx_TtlLF=426.72"};
        QTest::newRow("grouping skipped") << ""
                                          << "1,600.00"
                                          << "" << QStringList{"", "MyRbrVtbx_TtlLF=1600"};
        QTest::newRow("grouped with the others") << "60000"
                                                 << "10,001.00"
                                                 << "24." << QStringList{"", "MyRbrVtbx_TtlLF=70025"};
        QTest::newRow("nothing to add") << ""
                                        << ""
                                        << "" << QStringList{kMissing};
        QTest::newRow("zeros are nothing") << "0"
                                           << "0.00"
                                           << "0." << QStringList{kMissing};
        QTest::newRow("horizontal 100000 accepted") << "100000"
                                                    << ""
                                                    << "" << QStringList{"", "MyRbrVtbx_TtlLF=100000"};
        QTest::newRow("horizontal 100001 refused") << "100001"
                                                   << ""
                                                   << "" << emptied;
        QTest::newRow("vertical 100,001.00 refused") << ""
                                                     << "100,001.00"
                                                     << "" << emptied;
        QTest::newRow("mats 750000 accepted") << ""
                                              << ""
                                              << "750000." << QStringList{"", "MyRbrVtbx_TtlLF=750000"};
        QTest::newRow("mats 750001 refused") << ""
                                             << ""
                                             << "750001." << emptied;
    }

    void total()
    {
        QFETCH(QString, horizontal);
        QFETCH(QString, vertical);
        QFETCH(QString, mats);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Rebar::totalStep(horizontal, vertical, mats)), outcome);
    }

    void cost_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("426.72 at 0.45") << "426.72"
                                        << "0.45" << QStringList{"", "MyRbrtVtbx_TC=$192.02"};
        QTest::newRow("grouped currency") << "10000"
                                          << "1.25" << QStringList{"", "MyRbrtVtbx_TC=$12,500.00"};
        QTest::newRow("empty total prices to 0") << ""
                                                 << "0.45" << QStringList{"", "MyRbrtVtbx_TC=$0.00"};
        QTest::newRow("zero price is not refused") << "100"
                                                   << "0" << QStringList{"", "MyRbrtVtbx_TC=$0.00"};
        QTest::newRow("empty price") << "426.72"
                                     << "" << QStringList{kMissing};
        QTest::newRow("total 110001 accepted") << "110001"
                                               << "1" << QStringList{"", "MyRbrtVtbx_TC=$110,001.00"};
        QTest::newRow("total past 110001 refused") << "110002"
                                                   << "1" << QStringList{kMaximum, "MyRbrtVtbx_TC="};
        QTest::newRow("price past 110001 refused") << "1"
                                                   << "2E+05" << QStringList{kMaximum, "MyRbrtVtbx_TC="};
    }

    void cost()
    {
        QFETCH(QString, total);
        QFETCH(QString, price);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Rebar::costStep(total, price)), outcome);
    }

    void lists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("editable");
        QTest::newRow("rows") << "MYRBRcbo_Qnty" << QStringList{"2", "3", "4", "5", "6"} << false;
        QTest::newRow("spacing") << "MyRbrVcbx_OCD" << QStringList{"2'", "4'", "6'", "8'", "10'"} << false;
        QTest::newRow("wall height") << "MyRbrVcbx_HOW"
                                     << QStringList{"2'", "4'", "6'", "8'", "10'", "12'", "14'", "16'"}
                                     << false;
        QTest::newRow("wall length") << "MyRbrVcbx_LOW" << QStringList{"10'", "15'", "20'", "25'", "30'",
                                                                       "35'", "40'", "45'", "50'"}
                                     << true;
        QTest::newRow("mat length") << "MyRbrRMcbx_LOM"
                                    << QStringList{"12\"", "24\"", "36\"", "48\"", "60\"", "72\""} << false;
        QTest::newRow("mat width") << "MyRbrRMcbx_WOM"
                                   << QStringList{"12\"", "24\"", "36\"", "48\"", "60\"", "72\""} << false;
        QTest::newRow("mat spacing") << "MyRbrRMcbx_DOC"
                                     << QStringList{"2\"", "4\"", "6\"", "8\"", "10\"", "12\""} << false;
        QTest::newRow("mat count") << "MyRbrRMcbx_QOM"
                                   << QStringList{"2",  "4",  "6",  "8",  "10", "12", "14", "16",
                                                  "18", "20", "22", "24", "26", "28", "30"}
                                   << true;
    }

    void lists()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        QFETCH(bool, editable);
        MainWindow window;
        auto *list = window.page(2)->findChild<QComboBox *>(name);
        QVERIFY(list);
        const QStringList shown = entriesOf(list);
        QCOMPARE(shown, entries);
        QCOMPARE(list->isEditable(), editable);
        QCOMPARE(list->currentText(), QString());
    }

    void sizeChoicePricesTheBar_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1/2") << 0 << "1/2\"";
        QTest::newRow("5/8") << 1 << "5/8\"";
        QTest::newRow("3/4") << 2 << "3/4\"";
        QTest::newRow("1") << 3 << "1\"";
        QTest::newRow("1 1/4") << 4 << "1 1/4\"";
    }

    void sizeChoicePricesTheBar()
    {
        QFETCH(int, size);
        QFETCH(QString, caption);
        QFile::remove(SettingsStore::filePath());
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(2), Qt::LeftButton);
        for (int entry = 0; entry < PriceListPage::kEntryCount; ++entry)
            window.priceList()->entryField(entry)->setText(QStringLiteral("%1.5").arg(entry));
        auto *price = window.page(2)->findChild<QLineEdit *>(QStringLiteral("MyRbrVtbx_CPLF"));
        QCOMPARE(price->text(), QString()); // no size is chosen at start
        QCOMPARE(price->maxLength(), 5);
        price->setText(QStringLiteral("9"));
        auto *option = window.page(2)->findChild<QRadioButton *>(QStringLiteral("Option3(%1)").arg(size));
        QVERIFY(option);
        QCOMPARE(option->text(), caption);
        QVERIFY(!option->isChecked());
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY(option->isChecked());
        QCOMPARE(price->text(), QStringLiteral("%1.5").arg(6 + size));
    }

    void note()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(2), Qt::LeftButton);
        auto *moreInfo = window.page(2)->findChild<QRadioButton *>(QStringLiteral("Option10(2)"));
        QVERIFY(moreInfo);
        // Any button shows the note.
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
            QTest::mouseClick(moreInfo, button);
            QTRY_VERIFY(seen->shown);
            QCOMPARE(seen->title, QStringLiteral("Mortarix"));
            QCOMPARE(seen->icon, QMessageBox::Information);
            QCOMPARE(seen->text.split(QLatin1Char('\n')),
                     (QStringList{"This application is for estimating the quantity of steel ",
                                  "reinforcement bars (rebar) set into pre-formed footings",
                                  "or bond beams. ", " ", "These calculations can also be used for vertical",
                                  "columns, rebar matts and reinforced concrete", "installations.", " "}));
        }
    }
};

MORTARIX_TEST_MAIN(TestRebar)
#include "tst_rebar.moc"
