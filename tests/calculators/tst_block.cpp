// The block calculator: count and cost with their bounds, the wall heights, sizes and note.
#include "support/CalculatorTestKit.h"

#include "core/BlockSteps.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestBlock : public QObject
{
    Q_OBJECT

private slots:
    void quantity_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("8 ft x 20 ft") << "8'"
                                      << "20" << QStringList{"", "MyBLKtbx_TQ=180"};
        QTest::newRow("3 ft: 4.5 courses round to 4") << "3'"
                                                      << "10" << QStringList{"", "MyBLKtbx_TQ=30"};
        QTest::newRow("5 ft: 7.5 courses round to 8") << "5'"
                                                      << "10" << QStringList{"", "MyBLKtbx_TQ=60"};
        QTest::newRow("count not rounded") << "8'"
                                           << "12.5" << QStringList{"", "MyBLKtbx_TQ=112.5"};
        // Shown in the precision of the single-precision length, not as binary noise.
        QTest::newRow("12.3 ft gives 110.7") << "8'"
                                             << "12.3" << QStringList{"", "MyBLKtbx_TQ=110.7"};
        // A length of 4 feet is 3 blocks per course, so the count is three times the courses.
        QTest::newRow("9 ft: 14 courses") << "9'"
                                          << "4" << QStringList{"", "MyBLKtbx_TQ=42"};
        QTest::newRow("11 ft: 16 courses") << "11'"
                                           << "4" << QStringList{"", "MyBLKtbx_TQ=48"};
        QTest::newRow("13 ft: 20 courses") << "13'"
                                           << "4" << QStringList{"", "MyBLKtbx_TQ=60"};
        QTest::newRow("15 ft: 22 courses") << "15'"
                                           << "4" << QStringList{"", "MyBLKtbx_TQ=66"};
        QTest::newRow("25 ft: 38 courses") << "25'"
                                           << "4" << QStringList{"", "MyBLKtbx_TQ=114"};
        QTest::newRow("length 10000 accepted") << "25'"
                                               << "10000" << QStringList{"", "MyBLKtbx_TQ=285000"};
        QTest::newRow("length 10001 refused") << "8'"
                                              << "10001" << QStringList{kMaximum, "MyBLKtbx_TQ="};
        QTest::newRow("no height") << ""
                                   << "20" << QStringList{kMissing};
        QTest::newRow("no length") << "8'"
                                   << "" << QStringList{kMissing};
        QTest::newRow("negative length") << "8'"
                                         << "-20" << QStringList{kMissing};
        QTest::newRow("missing before too large") << ""
                                                  << "99999" << QStringList{kMissing};
    }

    void quantity()
    {
        QFETCH(QString, height);
        QFETCH(QString, length);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Block::quantityStep(height, length)), outcome);
    }

    void cost_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("180 at 1.25") << "180"
                                     << "1.25" << QStringList{"", "MyBLKtbx_TC=$225.00"};
        QTest::newRow("fractional count") << "112.5"
                                          << "2" << QStringList{"", "MyBLKtbx_TC=$225.00"};
        QTest::newRow("grouped currency") << "285000"
                                          << "1.1" << QStringList{"", "MyBLKtbx_TC=$313,500.00"};
        QTest::newRow("price 300001 accepted") << "1"
                                               << "300001" << QStringList{"", "MyBLKtbx_TC=$300,001.00"};
        QTest::newRow("price 300002 refused") << "1"
                                              << "300002" << QStringList{kMaximum, "MyBLKtbx_TC="};
        QTest::newRow("count 300001 accepted") << "300001"
                                               << "1" << QStringList{"", "MyBLKtbx_TC=$300,001.00"};
        QTest::newRow("count above 300001 refused") << "300001.5"
                                                    << "1" << QStringList{kMaximum, "MyBLKtbx_TC="};
        QTest::newRow("no count") << ""
                                  << "1.25" << QStringList{kMissing};
        QTest::newRow("no price") << "180"
                                  << "" << QStringList{kMissing};
        QTest::newRow("zero price") << "180"
                                    << "0" << QStringList{kMissing};
    }

    void cost()
    {
        QFETCH(QString, count);
        QFETCH(QString, price);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Block::costStep(count, price)), outcome);
    }

    void fields()
    {
        MainWindow window;
        QWidget *page = window.page(5);
        auto *heights = page->findChild<QComboBox *>(QStringLiteral("MyBLCKcbx_WallHght"));
        QVERIFY(heights);
        QVERIFY(!heights->isEditable());
        const QStringList entries = entriesOf(heights);
        QCOMPARE(entries, (QStringList{"2'",  "3'",  "4'",  "5'",  "6'",  "8'",  "9'",  "10'",
                                       "11'", "12'", "13'", "14'", "15'", "16'", "17'", "18'",
                                       "19'", "20'", "21'", "22'", "23'", "24'", "25'"}));
        QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("MyBLKtbx_length"))->maxLength(), 5);
        QCOMPARE(page->findChild<QLineEdit *>(QStringLiteral("MyBLKtbx_CPB"))->maxLength(), 5);
        QVERIFY(page->findChild<QLineEdit *>(QStringLiteral("MyBLKtbx_TQ"))->isReadOnly());
        QVERIFY(page->findChild<QLineEdit *>(QStringLiteral("MyBLKtbx_TC"))->isReadOnly());
        auto *sizes = page->findChild<QGroupBox *>(QStringLiteral("myframe(11)"));
        QVERIFY(sizes);
        QCOMPARE(sizes->findChild<QRadioButton *>(QStringLiteral("BLCKopt(0)"))->text(),
                 QStringLiteral("8 x 8 x 16"));
        QCOMPARE(sizes->findChild<QRadioButton *>(QStringLiteral("BLCKopt(1)"))->text(),
                 QStringLiteral("8 x 12 x 16"));
    }

    void note()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(5), Qt::LeftButton);
        auto *moreInfo = window.page(5)->findChild<QRadioButton *>(QStringLiteral("Option10(5)"));
        QVERIFY(moreInfo);
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(moreInfo, Qt::RightButton);
        QTRY_VERIFY(seen->shown);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        QCOMPARE(seen->icon, QMessageBox::Information);
        QCOMPARE(seen->text.split(QLatin1Char('\n')),
                 (QStringList{"This application is for calculating quantity of block ",
                              "units in selected height and length of walls.", "",
                              "These calculations do not include:", "",
                              "Corner Block - Window Block or Door Blocks"}));
    }
};

MORTARIX_TEST_MAIN(TestBlock)
#include "tst_block.moc"
