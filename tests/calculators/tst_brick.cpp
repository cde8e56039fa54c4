// The brick calculator: sizes and their bricks per 100 square feet, area and count, the recount on
// another size, cost, the start hint and the note.
#include "support/CalculatorTestKit.h"

#include "core/BrickSteps.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestBrick : public QObject, private MainWindowFixture
{
    Q_OBJECT

private slots:
    void init() { openWindowAt(7); }

    void cleanup() { closeWindow(); }

    void sizesOutsideTheListCountNoBricks()
    {
        const int sizes = int(Brick::brickSizes().size());
        QVERIFY(Brick::bricksPerHundred(sizes - 1) > 0);
        QCOMPARE(Brick::bricksPerHundred(sizes), 0);
        QCOMPARE(Brick::bricksPerHundred(-1), 0);
    }

    void squareFeet_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("perHundred");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("20 ft x 8 ft at 675")
            << "20"
            << "8'"
            << "675" << QStringList{"", "MyBRICKlbl_CLCSqFt=160", "MyBRICKlbl_Count=1080"};
        // 675 x 0.3 in single precision is 202.50002, just past the half.
        QTest::newRow("10 ft x 3 ft at 675")
            << "10"
            << "3'"
            << "675" << QStringList{"", "MyBRICKlbl_CLCSqFt=30", "MyBRICKlbl_Count=203"};
        QTest::newRow("10 ft x 3 ft at 563")
            << "10"
            << "3'"
            << "563" << QStringList{"", "MyBRICKlbl_CLCSqFt=30", "MyBRICKlbl_Count=169"};
        QTest::newRow("half a brick to even")
            << "10"
            << "5'"
            << "225" << QStringList{"", "MyBRICKlbl_CLCSqFt=50", "MyBRICKlbl_Count=112"};
        QTest::newRow("area in single precision")
            << "12.3"
            << "3'"
            << "450" << QStringList{"", "MyBRICKlbl_CLCSqFt=36.9", "MyBRICKlbl_Count=166"};
        QTest::newRow("no height gives no area")
            << "20"
            << ""
            << "675" << QStringList{"", "MyBRICKlbl_CLCSqFt=0", "MyBRICKlbl_Count=0"};
        QTest::newRow("no size gives no count")
            << "20"
            << "8'"
            << "" << QStringList{"", "MyBRICKlbl_CLCSqFt=160", "MyBRICKlbl_Count=0"};
        QTest::newRow("typed 0 passes")
            << "0"
            << "8'"
            << "675" << QStringList{"", "MyBRICKlbl_CLCSqFt=0", "MyBRICKlbl_Count=0"};
        QTest::newRow("length 10000 accepted")
            << "10000"
            << "25'"
            << "675" << QStringList{"", "MyBRICKlbl_CLCSqFt=250000", "MyBRICKlbl_Count=1687500"};
        QTest::newRow("length 10001 refused and emptied")
            << "10001"
            << "8'"
            << "675" << QStringList{kMaximum, "MYBricktbx_LOW="};
        QTest::newRow("empty length") << ""
                                      << "8'"
                                      << "675" << QStringList{kMissing};
    }

    void squareFeet()
    {
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, perHundred);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Brick::squareFeetStep(length, height, perHundred)), outcome);
    }

    void recount_data()
    {
        QTest::addColumn<QString>("perHundred");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("30 sq ft at 563 is not rounded") << "563"
                                                        << "30" << QStringList{"", "MyBRICKlbl_Count=168.9"};
        QTest::newRow("160 sq ft at 450") << "450"
                                          << "160" << QStringList{"", "MyBRICKlbl_Count=720"};
        QTest::newRow("no area yet: nothing") << "563"
                                              << "" << QStringList{""};
    }

    void recount()
    {
        QFETCH(QString, perHundred);
        QFETCH(QString, area);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Brick::recount(perHundred, area)), outcome);
    }

    void cost_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("1080 at 0.45") << "1080"
                                      << "0.45" << QStringList{"", "MYBRICKlbl_Ccost=$486.00"};
        QTest::newRow("no count prices to 0") << ""
                                              << "0.45" << QStringList{"", "MYBRICKlbl_Ccost=$0.00"};
        // Exact however large: a single would round this to a multiple of 16384.
        QTest::newRow("no upper bound") << "1687500"
                                        << "99999" << QStringList{"", "MYBRICKlbl_Ccost=$168,748,312,500.00"};
        QTest::newRow("no price") << "1080"
                                  << "" << QStringList{kMissing};
        QTest::newRow("zero price") << "1080"
                                    << "0" << QStringList{kMissing};
        QTest::newRow("past any currency refused") << "1080"
                                                   << "1E30" << QStringList{kMaximum, "MYBRICKlbl_Ccost="};
    }

    void cost()
    {
        QFETCH(QString, count);
        QFETCH(QString, price);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(Brick::costStep(count, price)), outcome);
    }

    void sizeListFilledOnce()
    {
        auto *sizes = field<QComboBox>("MyBrickcbo_Size");
        QVERIFY(!sizes->isEditable());
        const QStringList entries = entriesOf(sizes);
        QCOMPARE(entries, (QStringList{"4 x 2-3/4 x 8", "4 x 3 x 8", "4 x 4 x 8", "4 x 5-1/4 x 8",
                                       "4 x 2 x 12", "4 x 2-3/4 x 12", "4 x 3 x 12", "4 x 4 x 12",
                                       "4 x 5-1/4 x 12", "6 x 2-3/4 x 12", "6 x 3-1/4 x 12", "6 x 4 x 12"}));
        QCOMPARE(sizes->currentIndex(), -1);
        QCOMPARE(field<QLineEdit>("MyBrickLBL_persqft")->text(), QString());
        auto *heights = field<QComboBox>("MYBRICKcbo_HOW");
        QCOMPARE(heights->count(), 24);
        QCOMPARE(heights->itemText(0), QStringLiteral("2'"));
        QCOMPARE(heights->itemText(23), QStringLiteral("25'"));
        QCOMPARE(field<QLineEdit>("MYBricktbx_LOW")->maxLength(), 5);
        QCOMPARE(field<QLineEdit>("MyBRICKtxt_CstOfBrck")->maxLength(), 5);
        QCOMPARE(field<QGroupBox>("myframe(19)")->title(), QStringLiteral("Brick Calculator"));
    }

    void sizeSetsBricksPerHundred_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("perHundred");
        const int table[] = {675, 563, 450, 338, 600, 450, 375, 300, 225, 450, 375, 300};
        for (int i = 0; i < 12; ++i)
            QTest::addRow("position %d", i) << i << QString::number(table[i]);
    }

    void sizeSetsBricksPerHundred()
    {
        QFETCH(int, position);
        QFETCH(QString, perHundred);
        choose(field<QComboBox>("MyBrickcbo_Size"), position);
        QCOMPARE(field<QLineEdit>("MyBrickLBL_persqft")->text(), perHundred);
        QVERIFY(field<QLineEdit>("MyBrickLBL_persqft")->isReadOnly());
    }

    void walkThrough()
    {
        choose(field<QComboBox>("MyBrickcbo_Size"), 0);
        QTest::keyClicks(field<QLineEdit>("MYBricktbx_LOW"), "10");
        auto *heights = field<QComboBox>("MYBRICKcbo_HOW");
        heights->setCurrentIndex(heights->findText(QStringLiteral("3'")));
        QTest::mouseClick(field<QPushButton>("MYBRICKcmd_SqFT"), Qt::LeftButton);
        QCOMPARE(field<QLineEdit>("MyBRICKlbl_CLCSqFt")->text(), QStringLiteral("30"));
        QCOMPARE(field<QLineEdit>("MyBRICKlbl_Count")->text(), QStringLiteral("203"));
        // Another size counts again at once, without rounding to whole bricks.
        choose(field<QComboBox>("MyBrickcbo_Size"), 1);
        QCOMPARE(field<QLineEdit>("MyBRICKlbl_Count")->text(), QStringLiteral("168.9"));
        QTest::mouseClick(field<QPushButton>("MYBRICKcmd_SqFT"), Qt::LeftButton);
        QCOMPARE(field<QLineEdit>("MyBRICKlbl_Count")->text(), QStringLiteral("169"));
        QTest::keyClicks(field<QLineEdit>("MyBRICKtxt_CstOfBrck"), "0.5");
        QTest::mouseClick(field<QPushButton>("MYBRICKcmd_TotalCost"), Qt::LeftButton);
        QCOMPARE(field<QLineEdit>("MYBRICKlbl_Ccost")->text(), QStringLiteral("$84.50"));

        // A refused length is taken out of its box after the message.
        field<QLineEdit>("MYBricktbx_LOW")->setText("10001");
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(field<QPushButton>("MYBRICKcmd_SqFT"), Qt::LeftButton);
        QVERIFY(seen->shown);
        QCOMPARE(field<QLineEdit>("MYBricktbx_LOW")->text(), QString());
        QCOMPARE(field<QLineEdit>("MyBRICKlbl_Count")->text(), QStringLiteral("169"));
    }

    void startHint_data()
    {
        QTest::addColumn<bool>("sizeChosen");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("hint");
        QTest::newRow("no size, left button") << false << Qt::LeftButton << true;
        QTest::newRow("no size, right button") << false << Qt::RightButton << true;
        QTest::newRow("size chosen") << true << Qt::LeftButton << false;
    }

    void startHint()
    {
        QFETCH(bool, sizeChosen);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, hint);
        if (sizeChosen)
            choose(field<QComboBox>("MyBrickcbo_Size"), 2);
        auto *length = field<QLineEdit>("MYBricktbx_LOW");
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok, hint ? 5000 : 300);
        QTest::mouseClick(length, button);
        if (hint) {
            QTRY_VERIFY(seen->shown);
            QCOMPARE(seen->text, QStringLiteral("To Begin - \nEnter Values Into The Brick Calculator."));
            QCOMPARE(seen->title, QStringLiteral("Mortarix"));
            QCOMPARE(seen->icon, QMessageBox::Critical);
            QCOMPARE(m_window->focusWidget(), field<QComboBox>("MyBrickcbo_Size"));
        } else {
            QTest::qWait(400);
            QVERIFY(!seen->shown);
        }
    }

    void note()
    {
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(field<QRadioButton>("Option10(1)"), Qt::LeftButton);
        QTRY_VERIFY(seen->shown);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        QCOMPARE(seen->icon, QMessageBox::Information);
        QCOMPARE(
            seen->text.split(QLatin1Char('\n')),
            (QStringList{"Brick Style Criteria", "", "Modular Brick For Single Wythe Walls In running Bond.",
                         "", "No Allowances For Breakage Or Waste."}));
    }
};

MORTARIX_TEST_MAIN(TestBrick)
#include "tst_brick.moc"
