// The pier calculator: its two steps, its fields and its page.
#include "support/CalculatorTestKit.h"

#include "core/ConcreteSteps.h"
#include "calculators/PiersPage.h"
#include "totals/PriceListPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestPiers : public QObject, private PageFixture<PiersPage>
{
    Q_OBJECT

private slots:
    void init() { openPage(); }

    void cleanup() { closePage(); }

    void steps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>(
            "inputs"); // volume: width, length, depth, quantity; cost: price, volume
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("writes");
        // Neither step empties its result on a bound failure.
        const QStringList noWrites;

        QTest::newRow("4 piers 12 by 12 in, 48 in deep")
            << "volume" << QStringList{"12\"", "12\"", "48\"", "4"} << "" << QStringList{"MyPRStbx_TCY=0.59"};
        QTest::newRow("0.59 yards at 85")
            << "cost" << QStringList{"85", "0.59"} << "" << QStringList{"MyPRStbx_TCOCY=$50.15"};
        QTest::newRow("10 piers 16 by 16 in, 36 in deep")
            << "volume" << QStringList{"16\"", "16\"", "36\"", "10"} << ""
            << QStringList{"MyPRStbx_TCY=1.97"};
        QTest::newRow("1 pier 24 by 24 in, 144 in deep")
            << "volume" << QStringList{"24\"", "24\"", "144\"", "1"} << ""
            << QStringList{"MyPRStbx_TCY=1.78"};
        QTest::newRow("depth not a whole number of feet")
            << "volume" << QStringList{"24\"", "24\"", "20\"", "25"} << ""
            << QStringList{"MyPRStbx_TCY=6.17"};
        QTest::newRow("whole result keeps its point")
            << "volume" << QStringList{"8\"", "16\"", "96\"", "19"} << "" << QStringList{"MyPRStbx_TCY=5."};
        QTest::newRow("trailing zero dropped") << "volume" << QStringList{"12\"", "12\"", "48\"", "2.5"} << ""
                                               << QStringList{"MyPRStbx_TCY=0.3"};
        QTest::newRow("quantity 3.5 counts as 4") << "volume" << QStringList{"12\"", "12\"", "48\"", "3.5"}
                                                  << "" << QStringList{"MyPRStbx_TCY=0.59"};
        QTest::newRow("quantity 51 accepted") << "volume" << QStringList{"12\"", "12\"", "48\"", "51"} << ""
                                              << QStringList{"MyPRStbx_TCY=7.55"};
        QTest::newRow("quantity 52 refused")
            << "volume" << QStringList{"12\"", "12\"", "48\"", "52"} << "maximum" << noWrites;
        QTest::newRow("width 51 accepted")
            << "volume" << QStringList{"51", "12\"", "48\"", "1"} << "" << QStringList{"MyPRStbx_TCY=0.63"};
        QTest::newRow("width 52 refused")
            << "volume" << QStringList{"52", "12\"", "48\"", "1"} << "maximum" << noWrites;
        QTest::newRow("depth 145 refused")
            << "volume" << QStringList{"12\"", "12\"", "145", "1"} << "maximum" << noWrites;
        QTest::newRow("length has no bound of its own")
            << "volume" << QStringList{"12\"", "1000", "12\"", "1"} << "" << QStringList{"MyPRStbx_TCY=3.08"};
        QTest::newRow("section past the whole 16-bit range")
            << "volume" << QStringList{"51", "1000", "12\"", "1"} << "maximum" << noWrites;
        QTest::newRow("no width chosen")
            << "volume" << QStringList{"", "12\"", "48\"", "4"} << "missing" << noWrites;
        QTest::newRow("no length chosen")
            << "volume" << QStringList{"12\"", "", "48\"", "4"} << "missing" << noWrites;
        QTest::newRow("no depth chosen")
            << "volume" << QStringList{"12\"", "12\"", "", "4"} << "missing" << noWrites;
        QTest::newRow("no quantity chosen")
            << "volume" << QStringList{"12\"", "12\"", "48\"", ""} << "missing" << noWrites;

        // Ready-mixed concrete costs more than 101 a yard; prices go up to 10001 as on the other pages.
        QTest::newRow("price 101 accepted")
            << "cost" << QStringList{"101", "1"} << "" << QStringList{"MyPRStbx_TCOCY=$101.00"};
        QTest::newRow("price 101.5 accepted")
            << "cost" << QStringList{"101.5", "1"} << "" << QStringList{"MyPRStbx_TCOCY=$101.50"};
        QTest::newRow("price 110 accepted")
            << "cost" << QStringList{"110", "1"} << "" << QStringList{"MyPRStbx_TCOCY=$110.00"};
        QTest::newRow("price 10001 accepted")
            << "cost" << QStringList{"10001", "1"} << "" << QStringList{"MyPRStbx_TCOCY=$10,001.00"};
        QTest::newRow("price 10002 refused") << "cost" << QStringList{"10002", "1"} << "maximum" << noWrites;
        QTest::newRow("volume 10001 accepted")
            << "cost" << QStringList{"85", "10001"} << "" << QStringList{"MyPRStbx_TCOCY=$850,085.00"};
        QTest::newRow("volume 10001.5 refused")
            << "cost" << QStringList{"85", "10001.5"} << "maximum" << noWrites;
        QTest::newRow("price with a dollar sign")
            << "cost" << QStringList{"$85", "0.59"} << "missing" << noWrites;
        QTest::newRow("price empty") << "cost" << QStringList{"", "0.59"} << "missing" << noWrites;
        QTest::newRow("price 0") << "cost" << QStringList{"0", "0.59"} << "missing" << noWrites;
        QTest::newRow("volume empty") << "cost" << QStringList{"85", ""} << "missing" << noWrites;
    }

    void steps()
    {
        QFETCH(QString, step);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(QStringList, writes);
        const StepOutcome outcome =
            step == QStringLiteral("volume")
                ? ConcreteSteps::pierVolume(inputs[0], inputs[1], inputs[2], inputs[3])
                : ConcreteSteps::pierCost(inputs[0], inputs[1]);
        QCOMPARE(messageOf(outcome), message);
        QCOMPARE(writesOf(outcome), writes);
    }

    void lists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("entries");
        const QStringList sides{"8\"", "10\"", "12\"", "14\"", "16\"", "18\"", "20\"", "22\"", "24\""};
        QStringList quantities;
        for (int n = 1; n <= 25; ++n)
            quantities << QString::number(n);
        QTest::newRow("width") << "MyPRScbo_Width"
                               << "Width" << sides;
        QTest::newRow("length") << "MyPRScbo_lngth"
                                << "Length" << sides;
        QTest::newRow("depth") << "MyPRScbo_Depth"
                               << "Depth" << QStringList{"8\"",   "10\"",  "12\"",  "14\"", "16\"", "18\"",
                                                         "20\"",  "22\"",  "24\"",  "30\"", "32\"", "36\"",
                                                         "40\"",  "48\"",  "60\"",  "72\"", "84\"", "96\"",
                                                         "108\"", "120\"", "132\"", "144\""};
        QTest::newRow("quantity") << "MyPRStbx_Qnty"
                                  << "Enter Quantity Of Piers" << quantities;
    }

    void lists()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(QStringList, entries);
        auto *list = m_page->findChild<QComboBox *>(name);
        QVERIFY(list);
        const QStringList items = entriesOf(list);
        QCOMPARE(items, entries);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentText(), QString());
        const bool labelled = isLabelled(m_page, list, label);
        QVERIFY2(labelled, qPrintable(label));
        QCOMPARE(list->parentWidget()->objectName(), QStringLiteral("myframe(14)"));
    }

    void otherControls()
    {
        QCOMPARE(field<QPushButton>("MYPRScmd_TCY")->text(), QStringLiteral("Cubic Yards"));
        QCOMPARE(field<QPushButton>("MYPRScmd_TC")->text(), QStringLiteral("Cost Of Material"));
        QCOMPARE(field<QPushButton>("MYPRScmd_Send")->text(), QStringLiteral("Send "));
        QVERIFY(field<QLineEdit>("MyPRStbx_TCY")->isReadOnly());
        QVERIFY(field<QLineEdit>("MyPRStbx_TCOCY")->isReadOnly());
        QCOMPARE(field<QLineEdit>("myADDSigntbx(4)")->maxLength(), 10);
        QVERIFY(!m_page->findChild<QRadioButton *>()); // no "More Info" on this page
        const QStringList texts = labelTexts(m_page);
        for (const char *text :
             {"Enter Size Of Piers", "Enter Cost Per Cubic Yard", "Add Labor Cost (Optional)",
              "Click \"SEND\" Button To Copy Total Cost To The Totals Page."})
            QVERIFY2(texts.contains(QLatin1String(text)), text);
    }

    void stepsThroughThePage()
    {
        pick("MyPRScbo_Width", "12\"");
        pick("MyPRScbo_lngth", "12\"");
        pick("MyPRScbo_Depth", "48\"");
        pick("MyPRStbx_Qnty", "4");
        QCOMPARE(press("MYPRScmd_TCY"), QString());
        QCOMPARE(field<QLineEdit>("MyPRStbx_TCY")->text(), QStringLiteral("0.59"));

        m_prices->entryField(PriceListPage::kConcrete)->setText("85");
        auto *price = field<QLineEdit>("MyPRStbx_CPY_TWO");
        QTest::keyClicks(price, "60");
        QTest::mouseClick(price, Qt::LeftButton);
        QCOMPARE(price->text(), QStringLiteral("85"));
        QCOMPARE(press("MYPRScmd_TC"), QString());
        QCOMPARE(field<QLineEdit>("MyPRStbx_TCOCY")->text(), QStringLiteral("$50.15"));

        // The price field keeps its five characters; 10001 fits and is accepted.
        price->clear();
        QTest::keyClicks(price, "100015");
        QCOMPARE(price->text(), QStringLiteral("10001"));
        QCOMPARE(press("MYPRScmd_TC"), QString());
        QCOMPARE(field<QLineEdit>("MyPRStbx_TCOCY")->text(), QStringLiteral("$5,900.59"));

        // Past the bound the cost keeps its text.
        price->setText("10002");
        QCOMPARE(press("MYPRScmd_TC"), kMaximumText);
        QCOMPARE(field<QLineEdit>("MyPRStbx_TCOCY")->text(), QStringLiteral("$5,900.59"));
        price->setText("$85");
        QCOMPARE(press("MYPRScmd_TC"), kDataMissingText);
        QCOMPARE(field<QLineEdit>("MyPRStbx_TCOCY")->text(), QStringLiteral("$5,900.59"));
    }
};

MORTARIX_TEST_MAIN(TestPiers)
#include "tst_piers.moc"
