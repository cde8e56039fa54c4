// The poured concrete wall calculator: its two steps, its fields and its page.
#include "support/CalculatorTestKit.h"

#include "core/ConcreteSteps.h"
#include "calculators/PouredWallsPage.h"
#include "totals/PriceListPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestPouredWalls : public QObject, private PageFixture<PouredWallsPage>
{
    Q_OBJECT

private slots:
    void init() { openPage(); }

    void cleanup() { closePage(); }

    void steps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("inputs"); // volume: height, length, thickness; cost: price, volume
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("writes");
        const QStringList noWrites;
        const QStringList volumeEmptied{"MyCWtbx_TQCY="};
        const QStringList costEmptied{"MyCWtbx_TCOM="};

        QTest::newRow("8 ft by 100 ft by 8 in")
            << "volume" << QStringList{"8'", "100'", "8\""} << "" << QStringList{"MyCWtbx_TQCY=19.84"};
        QTest::newRow("19.84 yards at 85")
            << "cost" << QStringList{"85", "19.84"} << "" << QStringList{"MyCWtbx_TCOM=$1,686.40"};
        QTest::newRow("under a yard, no leading zero")
            << "volume" << QStringList{"4'", "10'", "8\""} << "" << QStringList{"MyCWtbx_TQCY=.99"};
        QTest::newRow("cost works with the shown .99")
            << "cost" << QStringList{"85", ".99"} << "" << QStringList{"MyCWtbx_TCOM=$84.15"};
        QTest::newRow("typed length 137")
            << "volume" << QStringList{"10'", "137", "12\""} << "" << QStringList{"MyCWtbx_TQCY=50.96"};
        QTest::newRow("length 5000 accepted")
            << "volume" << QStringList{"2'", "5000", "3.5\""} << "" << QStringList{"MyCWtbx_TQCY=108.50"};
        QTest::newRow("length just under the strict bound")
            << "volume" << QStringList{"2'", "5000.99", "3.5\""} << "" << QStringList{"MyCWtbx_TQCY=108.52"};
        QTest::newRow("length 5001 refused")
            << "volume" << QStringList{"2'", "5001", "3.5\""} << "maximum" << volumeEmptied;
        QTest::newRow("height 101 refused")
            << "volume" << QStringList{"101", "10", "4"} << "maximum" << volumeEmptied;
        QTest::newRow("height 100.99 accepted")
            << "volume" << QStringList{"100.99", "10", "4"} << "" << QStringList{"MyCWtbx_TQCY=12.52"};
        QTest::newRow("thickness 13 refused")
            << "volume" << QStringList{"2", "10", "13"} << "maximum" << volumeEmptied;
        QTest::newRow("absurd length")
            << "volume" << QStringList{"8'", "1E999", "8\""} << "maximum" << volumeEmptied;
        QTest::newRow("1,200 reads as 1")
            << "volume" << QStringList{"10'", "1,200", "12\""} << "" << QStringList{"MyCWtbx_TQCY=.37"};
        QTest::newRow("blanks inside the number")
            << "volume" << QStringList{"2'", "12 5", "4\""} << "" << QStringList{"MyCWtbx_TQCY=3.10"};
        QTest::newRow("length empty") << "volume" << QStringList{"8'", "", "8\""} << "missing" << noWrites;
        QTest::newRow("length 0") << "volume" << QStringList{"8'", "0", "8\""} << "missing" << noWrites;
        QTest::newRow("length not a number")
            << "volume" << QStringList{"8'", "abc", "8\""} << "missing" << noWrites;
        QTest::newRow("length negative")
            << "volume" << QStringList{"8'", "-5", "8\""} << "missing" << noWrites;
        QTest::newRow("no height chosen")
            << "volume" << QStringList{"", "100'", "8\""} << "missing" << noWrites;
        QTest::newRow("no thickness chosen")
            << "volume" << QStringList{"8'", "100'", ""} << "missing" << noWrites;

        QTest::newRow("price 10001 accepted")
            << "cost" << QStringList{"10001", "19.84"} << "" << QStringList{"MyCWtbx_TCOM=$198,419.84"};
        QTest::newRow("price 10002 refused")
            << "cost" << QStringList{"10002", "19.84"} << "maximum" << costEmptied;
        QTest::newRow("volume 10001 accepted")
            << "cost" << QStringList{"85", "10001"} << "" << QStringList{"MyCWtbx_TCOM=$850,085.00"};
        QTest::newRow("volume past 10001 refused")
            << "cost" << QStringList{"85", "10001.01"} << "maximum" << costEmptied;
        QTest::newRow("price with a dollar sign")
            << "cost" << QStringList{"$85", "19.84"} << "missing" << noWrites;
        QTest::newRow("price empty") << "cost" << QStringList{"", "19.84"} << "missing" << noWrites;
        QTest::newRow("price 0") << "cost" << QStringList{"0", "19.84"} << "missing" << noWrites;
        QTest::newRow("volume empty") << "cost" << QStringList{"85", ""} << "missing" << noWrites;
        // Fixed point: the product is exact to the cent, with no binary drift.
        QTest::newRow("exact cents") << "cost" << QStringList{"0.1", "3"} << ""
                                     << QStringList{"MyCWtbx_TCOM=$0.30"};
    }

    void steps()
    {
        QFETCH(QString, step);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(QStringList, writes);
        const StepOutcome outcome = step == QStringLiteral("volume")
                                        ? ConcreteSteps::pouredWallVolume(inputs[0], inputs[1], inputs[2])
                                        : ConcreteSteps::pouredWallCost(inputs[0], inputs[1]);
        QCOMPARE(messageOf(outcome), message);
        QCOMPARE(writesOf(outcome), writes);
    }

    void fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("editable");
        QStringList heights;
        for (int foot = 2; foot <= 25; ++foot)
            heights << QString::number(foot) + "'";
        QTest::newRow("height") << "MyCWcbx_WH"
                                << "Enter Wall Height" << heights << false;
        QTest::newRow("length") << "MyCWcbx_WL"
                                << "Enter Wall Length"
                                << QStringList{"10'",  "15'",  "20'",  "25'",  "30'",  "35'",  "40'",
                                               "45'",  "50'",  "55'",  "60'",  "65'",  "70'",  "75'",
                                               "100'", "125'", "150'", "175'", "200'", "225'", "250'",
                                               "275'", "300'", "350'", "400'", "450'", "500'"}
                                << true;
        QTest::newRow("thickness") << "MyCWcbx_WT"
                                   << "Enter Wall Thickness"
                                   << QStringList{"3.5\"", "4\"", "5\"",   "5.5\"", "6\"",  "7\"",    "7.5\"",
                                                  "8\"",   "9\"", "9.5\"", "10\"",  "11\"", "11.5\"", "12\""}
                                   << false;
    }

    void fields()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(QStringList, entries);
        QFETCH(bool, editable);
        auto *list = m_page->findChild<QComboBox *>(name);
        QVERIFY(list);
        const QStringList items = entriesOf(list);
        QCOMPARE(items, entries);
        QCOMPARE(list->isEditable(), editable);
        QCOMPARE(list->currentText(), QString()); // nothing chosen at start
        const bool labelled = isLabelled(m_page, list, label);
        QVERIFY2(labelled, qPrintable(label));
        // Inputs sit in the page's inner frame.
        QCOMPARE(list->parentWidget()->objectName(), QStringLiteral("myframe(18)"));
    }

    void otherControls()
    {
        QCOMPARE(field<QPushButton>("MYTQCUcmd")->text(), QStringLiteral("Cubic Yards"));
        QCOMPARE(field<QPushButton>("MYCYPLF")->text(), QStringLiteral("Cost Of Material"));
        QCOMPARE(field<QPushButton>("MYCWcmd_Send")->text(), QStringLiteral("Send "));
        QVERIFY(field<QLineEdit>("MyCWtbx_TQCY")->isReadOnly());
        QVERIFY(field<QLineEdit>("MyCWtbx_TCOM")->isReadOnly());
        QVERIFY(!field<QLineEdit>("MyCWtbx_CPCY")->isReadOnly());
        QCOMPARE(field<QLineEdit>("myADDSigntbx(7)")->maxLength(), 10);
        QCOMPARE(field<QRadioButton>("Option10(0)")->text(), QStringLiteral("More Info"));
        const QStringList texts = labelTexts(m_page);
        QVERIFY(texts.contains(QStringLiteral("Enter Cost Per Cubic Yard")));
        QVERIFY(texts.contains(QStringLiteral("Add Labor Cost (Optional)")));
        QVERIFY(
            texts.contains(QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page.")));
    }

    void priceFieldTakesFiveCharacters()
    {
        auto *price = field<QLineEdit>("MyCWtbx_CPCY");
        QTest::keyClicks(price, "123456");
        QCOMPARE(price->text(), QStringLiteral("12345"));
    }

    void stepsThroughThePage()
    {
        pick("MyCWcbx_WH", "8'");
        pick("MyCWcbx_WL", "100'");
        pick("MyCWcbx_WT", "8\"");
        QCOMPARE(press("MYTQCUcmd"), QString());
        QCOMPARE(field<QLineEdit>("MyCWtbx_TQCY")->text(), QStringLiteral("19.84"));

        // A click into the price field copies the price list's concrete price over a typed one.
        m_prices->entryField(PriceListPage::kConcrete)->setText("85");
        auto *price = field<QLineEdit>("MyCWtbx_CPCY");
        price->setText("70");
        QTest::mouseClick(price, Qt::LeftButton);
        QCOMPARE(price->text(), QStringLiteral("85"));
        QCOMPARE(press("MYCYPLF"), QString());
        QCOMPARE(field<QLineEdit>("MyCWtbx_TCOM")->text(), QStringLiteral("$1,686.40"));

        // A typed length past the bound empties the volume and leaves the cost.
        auto *length = field<QComboBox>("MyCWcbx_WL");
        length->clearEditText();
        QTest::keyClicks(length, "5001");
        QCOMPARE(press("MYTQCUcmd"), kMaximumText);
        QCOMPARE(field<QLineEdit>("MyCWtbx_TQCY")->text(), QString());
        QCOMPARE(field<QLineEdit>("MyCWtbx_TCOM")->text(), QStringLiteral("$1,686.40"));

        // Missing data changes nothing.
        field<QLineEdit>("MyCWtbx_TQCY")->setText("19.84");
        price->setText("$85");
        QCOMPARE(press("MYCYPLF"), kDataMissingText);
        QCOMPARE(field<QLineEdit>("MyCWtbx_TCOM")->text(), QStringLiteral("$1,686.40"));

        // A price past the bound empties the cost.
        price->setText("10002");
        QCOMPARE(press("MYCYPLF"), kMaximumText);
        QCOMPARE(field<QLineEdit>("MyCWtbx_TCOM")->text(), QString());
    }

    void moreInfoShowsTheWallNote_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }

    void moreInfoShowsTheWallNote()
    {
        QFETCH(Qt::MouseButton, button);
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(field<QRadioButton>("Option10(0)"), button);
        QTRY_VERIFY(seen->shown);
        QCOMPARE(seen->text, QStringLiteral("To Deduct Window And Door Openings:\n\n"
                                            "Multiply the sq. ft. area of the opening\n"
                                            "times the wall thickness in inches.\n"
                                            "Then multiply that result by  .0031"));
        QCOMPARE(seen->icon, QMessageBox::Information);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

MORTARIX_TEST_MAIN(TestPouredWalls)
#include "tst_pouredwalls.moc"
