// The footing calculator: its two steps, its fields and its page.
#include "support/CalculatorTestKit.h"

#include "core/ConcreteSteps.h"
#include "calculators/FootingPage.h"
#include "totals/PriceListPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestFooting : public QObject, private PageFixture<FootingPage>
{
    Q_OBJECT

private slots:
    void init() { openPage(); }

    void cleanup() { closePage(); }

    void steps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("inputs"); // volume: width, depth, length; cost: price, volume
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("writes");
        const QStringList noWrites;
        const QStringList volumeEmptied{"MyFNGtbx_TLCY="};
        const QStringList costEmptied{"MyFNGtbx_TC="};

        QTest::newRow("16 by 8 in, 100 ft")
            << "volume" << QStringList{"16\"", "8\"", "100"} << "" << QStringList{"MyFNGtbx_TLCY=3.29"};
        QTest::newRow("3.29 yards at 85")
            << "cost" << QStringList{"85", "3.29"} << "" << QStringList{"MyFNGtbx_TC=$279.65"};
        QTest::newRow("24 by 24 in, 50 ft")
            << "volume" << QStringList{"24\"", "24\"", "50"} << "" << QStringList{"MyFNGtbx_TLCY=7.40"};
        QTest::newRow("8 by 8 in, 10 ft, no leading zero")
            << "volume" << QStringList{"8\"", "8\"", "10"} << "" << QStringList{"MyFNGtbx_TLCY=.16"};
        QTest::newRow("text after the length")
            << "volume" << QStringList{"16\"", "8\"", "100 ft"} << "" << QStringList{"MyFNGtbx_TLCY=3.29"};
        QTest::newRow("length 10001 accepted")
            << "volume" << QStringList{"8\"", "8\"", "10001"} << "" << QStringList{"MyFNGtbx_TLCY=164.50"};
        QTest::newRow("length 10001.5 refused")
            << "volume" << QStringList{"8\"", "8\"", "10001.5"} << "maximum" << volumeEmptied;
        QTest::newRow("depth 10001 accepted")
            << "volume" << QStringList{"1", "10001", "1"} << "" << QStringList{"MyFNGtbx_TLCY=2.57"};
        QTest::newRow("width 10002 refused")
            << "volume" << QStringList{"10002", "1", "1"} << "maximum" << volumeEmptied;
        QTest::newRow("section past the whole 16-bit range")
            << "volume" << QStringList{"10001", "10001", "1"} << "maximum" << volumeEmptied;
        QTest::newRow("absurd length")
            << "volume" << QStringList{"8\"", "8\"", "1E999"} << "maximum" << volumeEmptied;
        // Width and depth are whole numbers, ties to even.
        QTest::newRow("8.5 in counts as 8")
            << "volume" << QStringList{"8.5\"", "8\"", "100"} << "" << QStringList{"MyFNGtbx_TLCY=1.64"};
        QTest::newRow("9.5 in counts as 10")
            << "volume" << QStringList{"9.5\"", "8\"", "100"} << "" << QStringList{"MyFNGtbx_TLCY=2.06"};
        QTest::newRow("width rounding to 0")
            << "volume" << QStringList{"0.4\"", "8\"", "100"} << "missing" << noWrites;
        QTest::newRow("no width chosen")
            << "volume" << QStringList{"", "8\"", "100"} << "missing" << noWrites;
        QTest::newRow("no depth chosen")
            << "volume" << QStringList{"16\"", "", "100"} << "missing" << noWrites;
        QTest::newRow("length empty") << "volume" << QStringList{"16\"", "8\"", ""} << "missing" << noWrites;
        QTest::newRow("length 0") << "volume" << QStringList{"16\"", "8\"", "0"} << "missing" << noWrites;
        QTest::newRow("length not a number")
            << "volume" << QStringList{"16\"", "8\"", "ft 100"} << "missing" << noWrites;
        QTest::newRow("length negative")
            << "volume" << QStringList{"16\"", "8\"", "-3"} << "missing" << noWrites;

        QTest::newRow("7.40 yards at 85")
            << "cost" << QStringList{"85", "7.40"} << "" << QStringList{"MyFNGtbx_TC=$629.00"};
        QTest::newRow(".16 yards at 85")
            << "cost" << QStringList{"85", ".16"} << "" << QStringList{"MyFNGtbx_TC=$13.60"};
        QTest::newRow("price 10001 accepted")
            << "cost" << QStringList{"10001", "1"} << "" << QStringList{"MyFNGtbx_TC=$10,001.00"};
        QTest::newRow("price 10002 refused")
            << "cost" << QStringList{"10002", "1"} << "maximum" << costEmptied;
        QTest::newRow("volume 10001 accepted")
            << "cost" << QStringList{"85", "10001"} << "" << QStringList{"MyFNGtbx_TC=$850,085.00"};
        QTest::newRow("volume 10002 refused")
            << "cost" << QStringList{"85", "10002"} << "maximum" << costEmptied;
        // Exact: 100,020,001 has no exact single.
        QTest::newRow("largest cost")
            << "cost" << QStringList{"10001", "10001"} << "" << QStringList{"MyFNGtbx_TC=$100,020,001.00"};
        QTest::newRow("price with a dollar sign")
            << "cost" << QStringList{"$85", "3.29"} << "missing" << noWrites;
        QTest::newRow("price empty") << "cost" << QStringList{"", "3.29"} << "missing" << noWrites;
        QTest::newRow("price 0") << "cost" << QStringList{"0", "3.29"} << "missing" << noWrites;
        QTest::newRow("volume empty") << "cost" << QStringList{"85", ""} << "missing" << noWrites;
    }

    void steps()
    {
        QFETCH(QString, step);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(QStringList, writes);
        const StepOutcome outcome = step == QStringLiteral("volume")
                                        ? ConcreteSteps::footingVolume(inputs[0], inputs[1], inputs[2])
                                        : ConcreteSteps::footingCost(inputs[0], inputs[1]);
        QCOMPARE(messageOf(outcome), message);
        QCOMPARE(writesOf(outcome), writes);
    }

    void lists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("width") << "MyFNGcbo_Wdth"
                               << "Width";
        QTest::newRow("depth") << "MyFNGcbo_Hght"
                               << "Depth";
    }

    void lists()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        auto *list = m_page->findChild<QComboBox *>(name);
        QVERIFY(list);
        const QStringList items = entriesOf(list);
        // The same eight sizes in both lists, without 22 inches.
        QCOMPARE(items, (QStringList{"8\"", "10\"", "12\"", "14\"", "16\"", "18\"", "20\"", "24\""}));
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentText(), QString());
        const bool labelled = isLabelled(m_page, list, label);
        QVERIFY2(labelled, qPrintable(label));
        QCOMPARE(list->parentWidget()->objectName(), QStringLiteral("myframe(17)"));
    }

    void otherControls()
    {
        QCOMPARE(field<QPushButton>("MyFNGcmd_TLCY")->text(), QStringLiteral("Cubic Yards"));
        QCOMPARE(field<QPushButton>("MyFNGcmd_TC")->text(), QStringLiteral("Cost Of Material"));
        QCOMPARE(field<QPushButton>("Myfngcmd_send")->text(), QStringLiteral("Send "));
        QVERIFY(field<QLineEdit>("MyFNGtbx_TLCY")->isReadOnly());
        QVERIFY(field<QLineEdit>("MyFNGtbx_TC")->isReadOnly());
        QCOMPARE(field<QLineEdit>("myADDSigntbx(6)")->maxLength(), 10);
        QVERIFY(!m_page->findChild<QRadioButton *>()); // no "More Info" on this page
        const QStringList texts = labelTexts(m_page);
        for (const char *text :
             {"Enter Size Of Footing", "Enter Total Length Of Footing.", "Enter Cost Per Cubic Yard.",
              "Add Labor Cost (Optional)", "Click \"SEND\" Button To Copy Total Cost To The Totals Page."})
            QVERIFY2(texts.contains(QLatin1String(text)), text);
    }

    void fieldLengths()
    {
        // The length has no limit of its own; the price takes six characters.
        auto *length = field<QLineEdit>("MyFNGtbx_lngth");
        QTest::keyClicks(length, "10001.50000");
        QCOMPARE(length->text(), QStringLiteral("10001.50000"));
        auto *price = field<QLineEdit>("MyFNGcbx_CPCY");
        QTest::keyClicks(price, "1234567");
        QCOMPARE(price->text(), QStringLiteral("123456"));
    }

    void stepsThroughThePage()
    {
        pick("MyFNGcbo_Wdth", "16\"");
        pick("MyFNGcbo_Hght", "8\"");
        QTest::keyClicks(field<QLineEdit>("MyFNGtbx_lngth"), "100");
        QCOMPARE(press("MyFNGcmd_TLCY"), QString());
        QCOMPARE(field<QLineEdit>("MyFNGtbx_TLCY")->text(), QStringLiteral("3.29"));

        m_prices->entryField(PriceListPage::kConcrete)->setText("85");
        auto *price = field<QLineEdit>("MyFNGcbx_CPCY");
        QTest::keyClicks(price, "60");
        QTest::mouseClick(price, Qt::LeftButton);
        QCOMPARE(price->text(), QStringLiteral("85"));
        QCOMPARE(press("MyFNGcmd_TC"), QString());
        QCOMPARE(field<QLineEdit>("MyFNGtbx_TC")->text(), QStringLiteral("$279.65"));

        // Past the length bound: the volume is emptied, the cost stays.
        field<QLineEdit>("MyFNGtbx_lngth")->setText("10001.5");
        QCOMPARE(press("MyFNGcmd_TLCY"), kMaximumText);
        QCOMPARE(field<QLineEdit>("MyFNGtbx_TLCY")->text(), QString());
        QCOMPARE(field<QLineEdit>("MyFNGtbx_TC")->text(), QStringLiteral("$279.65"));

        // Now the volume is missing, so the cost step changes nothing.
        QCOMPARE(press("MyFNGcmd_TC"), kDataMissingText);
        QCOMPARE(field<QLineEdit>("MyFNGtbx_TC")->text(), QStringLiteral("$279.65"));

        // An empty price-list entry empties the price field.
        m_prices->entryField(PriceListPage::kConcrete)->clear();
        QTest::mouseClick(price, Qt::LeftButton);
        QCOMPARE(price->text(), QString());
    }
};

MORTARIX_TEST_MAIN(TestFooting)
#include "tst_footing.moc"
