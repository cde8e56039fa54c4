// The flatwork calculator: its two steps, its fields and its page, and the slab coverage window.
#include "support/CalculatorTestKit.h"

#include "core/ConcreteSteps.h"
#include "calculators/FlatworkPage.h"
#include "calculators/SlabCoverageWindow.h"
#include "totals/PriceListPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestFlatwork : public QObject, private PageFixture<FlatworkPage>
{
    Q_OBJECT

private slots:
    void init() { openPage(); }

    void cleanup() { closePage(); }

    void steps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("inputs"); // volume: thickness, length, width; cost: price, volume
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("writes");
        const QStringList noWrites;
        const QStringList bothEmptied{"MyFWtbx_TLCY=", "MyFWlbl_TSFt="};
        const QStringList costEmptied{"MyFwtbx_TC="};

        QTest::newRow("slab 20 by 10 ft, 4 in") << "volume" << QStringList{"4\"", "20", "10"} << ""
                                                << QStringList{"MyFWtbx_TLCY=2.48", "MyFWlbl_TSFt=200."};
        QTest::newRow("2.48 yards at 85")
            << "cost" << QStringList{"85", "2.48"} << "" << QStringList{"MyFwtbx_TC=$210.80"};
        QTest::newRow("walk 30 by 3 ft, 3.5 in") << "volume" << QStringList{"3.5\"", "30", "3"} << ""
                                                 << QStringList{"MyFWtbx_TLCY=0.98", "MyFWlbl_TSFt=90."};
        QTest::newRow("area 37.5") << "volume" << QStringList{"2\"", "7.5", "5"} << ""
                                   << QStringList{"MyFWtbx_TLCY=0.23", "MyFWlbl_TSFt=37.5"};
        QTest::newRow("length 10001 accepted") << "volume" << QStringList{"2\"", "10001", "1"} << ""
                                               << QStringList{"MyFWtbx_TLCY=62.01", "MyFWlbl_TSFt=10001."};
        QTest::newRow("width 10001 accepted") << "volume" << QStringList{"2\"", "1", "10001"} << ""
                                              << QStringList{"MyFWtbx_TLCY=62.01", "MyFWlbl_TSFt=10001."};
        QTest::newRow("length 10001.5 refused")
            << "volume" << QStringList{"2\"", "10001.5", "1"} << "maximum" << bothEmptied;
        QTest::newRow("width 10002 refused")
            << "volume" << QStringList{"2\"", "1", "10002"} << "maximum" << bothEmptied;
        QTest::newRow("thickness 10002 refused")
            << "volume" << QStringList{"10002", "1", "1"} << "maximum" << bothEmptied;
        QTest::newRow("absurd width")
            << "volume" << QStringList{"4\"", "20", "1E999"} << "maximum" << bothEmptied;
        QTest::newRow("no thickness chosen")
            << "volume" << QStringList{"", "20", "10"} << "missing" << noWrites;
        QTest::newRow("length empty") << "volume" << QStringList{"4\"", "", "10"} << "missing" << noWrites;
        QTest::newRow("length 0") << "volume" << QStringList{"4\"", "0", "10"} << "missing" << noWrites;
        QTest::newRow("length not a number")
            << "volume" << QStringList{"4\"", "abc", "10"} << "missing" << noWrites;
        QTest::newRow("width empty") << "volume" << QStringList{"4\"", "20", ""} << "missing" << noWrites;
        QTest::newRow("width negative")
            << "volume" << QStringList{"4\"", "20", "-2"} << "missing" << noWrites;

        // Only the price must be there.
        QTest::newRow("no volume costs nothing")
            << "cost" << QStringList{"85", ""} << "" << QStringList{"MyFwtbx_TC=$0.00"};
        QTest::newRow("price 1000 accepted")
            << "cost" << QStringList{"1000", "1"} << "" << QStringList{"MyFwtbx_TC=$1,000.00"};
        QTest::newRow("price 1000.5 accepted")
            << "cost" << QStringList{"1000.5", "1"} << "" << QStringList{"MyFwtbx_TC=$1,000.50"};
        QTest::newRow("price 1001 refused") << "cost" << QStringList{"1001", "1"} << "maximum" << costEmptied;
        // Exact to the dollar: 25,499,915 has no exact single.
        QTest::newRow("volume 299999 accepted")
            << "cost" << QStringList{"85", "299999"} << "" << QStringList{"MyFwtbx_TC=$25,499,915.00"};
        QTest::newRow("volume 300000 refused")
            << "cost" << QStringList{"85", "300000"} << "maximum" << costEmptied;
        QTest::newRow("price with a dollar sign")
            << "cost" << QStringList{"$85", "2.48"} << "missing" << noWrites;
        QTest::newRow("price empty") << "cost" << QStringList{"", "2.48"} << "missing" << noWrites;
        QTest::newRow("price 0") << "cost" << QStringList{"0", "2.48"} << "missing" << noWrites;
    }

    void steps()
    {
        QFETCH(QString, step);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(QStringList, writes);
        const StepOutcome outcome = step == QStringLiteral("volume")
                                        ? ConcreteSteps::flatworkVolume(inputs[0], inputs[1], inputs[2])
                                        : ConcreteSteps::flatworkCost(inputs[0], inputs[1]);
        QCOMPARE(messageOf(outcome), message);
        QCOMPARE(writesOf(outcome), writes);
    }

    void fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("maxLength"); // -1: a read-only result
        QTest::newRow("length") << "MyFWtbx_Lngth"
                                << "Enter Length Of Area (In Ft.)" << 5;
        QTest::newRow("width") << "MyFWtbx_Wdth"
                               << "Enter Width Of Area (In Ft.)" << 5;
        QTest::newRow("area") << "MyFWlbl_TSFt"
                              << "Total Square Feet" << -1;
        QTest::newRow("price") << "MyFWtbx_CPCY"
                               << "Enter Cost Per Cubic Yard" << 5;
    }

    void fields()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(int, maxLength);
        auto *line = m_page->findChild<QLineEdit *>(name);
        QVERIFY(line);
        QCOMPARE(line->isReadOnly(), maxLength < 0);
        if (maxLength > 0) {
            QTest::keyClicks(line, "1234567");
            QCOMPARE(line->text(), QStringLiteral("1234567").left(maxLength));
        }
        const bool labelled = isLabelled(m_page, line, label);
        QVERIFY2(labelled, qPrintable(label));
        QCOMPARE(line->parentWidget()->objectName(), QStringLiteral("myframe(12)"));
    }

    void otherControls()
    {
        auto *thickness = field<QComboBox>("MyFWcbo_Thkns");
        const QStringList items = entriesOf(thickness);
        QCOMPARE(items, (QStringList{"2\"", "3\"", "3.5\"", "4\"", "5\"", "5.5\"", "6\""}));
        QVERIFY(!thickness->isEditable());
        QCOMPARE(thickness->currentText(), QString());
        QCOMPARE(field<QPushButton>("MyFWcmd_TLCY")->text(), QStringLiteral("Cubic Yards"));
        QCOMPARE(field<QPushButton>("MyFWcmd_TC")->text(), QStringLiteral("Cost Of Material"));
        QCOMPARE(field<QPushButton>("MyFNGFWcmd_send")->text(), QStringLiteral("Send "));
        QVERIFY(field<QLineEdit>("MyFWtbx_TLCY")->isReadOnly());
        QVERIFY(field<QLineEdit>("MyFwtbx_TC")->isReadOnly());
        QCOMPARE(field<QLineEdit>("myADDSigntbx(2)")->maxLength(), 10);
        QCOMPARE(field<QRadioButton>("Option10(3)")->text(), QStringLiteral("More Info"));
        const QStringList texts = labelTexts(m_page);
        for (const char *text : {"Enter Thickness of Concrete", "Add Labor Cost (Optional)",
                                 "Click \"SEND\" Button To Copy Total Cost  To The Totals Page."})
            QVERIFY2(texts.contains(QLatin1String(text)), text);
    }

    void stepsThroughThePage()
    {
        auto *thickness = field<QComboBox>("MyFWcbo_Thkns");
        thickness->setCurrentIndex(thickness->findText("4\""));
        QTest::keyClicks(field<QLineEdit>("MyFWtbx_Lngth"), "20");
        QTest::keyClicks(field<QLineEdit>("MyFWtbx_Wdth"), "10");
        QCOMPARE(press("MyFWcmd_TLCY"), QString());
        QCOMPARE(field<QLineEdit>("MyFWtbx_TLCY")->text(), QStringLiteral("2.48"));
        QCOMPARE(field<QLineEdit>("MyFWlbl_TSFt")->text(), QStringLiteral("200."));

        m_prices->entryField(PriceListPage::kConcrete)->setText("85");
        auto *price = field<QLineEdit>("MyFWtbx_CPCY");
        QTest::keyClicks(price, "60");
        QTest::mouseClick(price, Qt::LeftButton);
        QCOMPARE(price->text(), QStringLiteral("85"));
        QCOMPARE(press("MyFWcmd_TC"), QString());
        QCOMPARE(field<QLineEdit>("MyFwtbx_TC")->text(), QStringLiteral("$210.80"));

        // A price of 1001 empties the cost; missing data changes nothing.
        price->setText("1001");
        QCOMPARE(press("MyFWcmd_TC"), kMaximumText);
        QCOMPARE(field<QLineEdit>("MyFwtbx_TC")->text(), QString());
        field<QLineEdit>("MyFWtbx_Lngth")->setText("abc");
        QCOMPARE(press("MyFWcmd_TLCY"), kDataMissingText);
        QCOMPARE(field<QLineEdit>("MyFWtbx_TLCY")->text(), QStringLiteral("2.48"));
        QCOMPARE(field<QLineEdit>("MyFWlbl_TSFt")->text(), QStringLiteral("200."));

        // Past the length bound both results are emptied.
        field<QLineEdit>("MyFWtbx_Lngth")->setText("10002");
        QCOMPARE(press("MyFWcmd_TLCY"), kMaximumText);
        QCOMPARE(field<QLineEdit>("MyFWtbx_TLCY")->text(), QString());
        QCOMPARE(field<QLineEdit>("MyFWlbl_TSFt")->text(), QString());

        // With no volume the cost is 0.
        price->setText("85");
        QCOMPARE(press("MyFWcmd_TC"), QString());
        QCOMPARE(field<QLineEdit>("MyFwtbx_TC")->text(), QStringLiteral("$0.00"));
    }

    void coverage_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1") << "1\""
                           << "324";
        QTest::newRow("2") << "2\""
                           << "162";
        QTest::newRow("3") << "3\""
                           << "108";
        QTest::newRow("3.5 counts as chosen") << "3.5\""
                                              << "92.5714285714286";
        QTest::newRow("4") << "4\""
                           << "81";
        QTest::newRow("5") << "5\""
                           << "64.8";
        QTest::newRow("5.5 counts as chosen") << "5.5\""
                                              << "58.9090909090909";
        QTest::newRow("6") << "6\""
                           << "54";
        QTest::newRow("7") << "7\""
                           << "46.2857142857143";
        QTest::newRow("8") << "8\""
                           << "40.5";
        QTest::newRow("9") << "9\""
                           << "36";
        QTest::newRow("10") << "10\""
                            << "32.4";
        QTest::newRow("11") << "11\""
                            << "29.4545454545455";
        QTest::newRow("12") << "12\""
                            << "27";
    }

    void coverage()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        SlabCoverageWindow window(m_window);
        window.show();
        auto *thickness = window.findChild<QComboBox *>(QStringLiteral("MyFWsq2cycbx_thickness"));
        auto *total = window.findChild<QLabel *>(QStringLiteral("MYACtbx_TSF"));
        QVERIFY(thickness && total);
        QCOMPARE(thickness->count(), 14);
        QCOMPARE(total->text(), QString()); // starts empty
        const int index = thickness->findText(entry);
        QVERIFY(index >= 0);
        thickness->setCurrentIndex(index);
        QCOMPARE(total->text(), shown);
    }

    void coverageWithoutThickness()
    {
        SlabCoverageWindow window(m_window);
        window.show();
        auto *thickness = window.findChild<QComboBox *>(QStringLiteral("MyFWsq2cycbx_thickness"));
        auto *total = window.findChild<QLabel *>(QStringLiteral("MYACtbx_TSF"));
        thickness->setCurrentIndex(thickness->findText("4\""));
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        thickness->setCurrentIndex(-1);
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, QStringLiteral("Please enter thickness of concrete floor"));
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        QCOMPARE(seen->icon, QMessageBox::Warning);
        QCOMPARE(total->text(), QStringLiteral("81")); // the display keeps its text
        QVERIFY(!ConcreteSteps::slabCoverage(QStringLiteral("0\"")).has_value());
        QVERIFY(!ConcreteSteps::slabCoverage(QStringLiteral("-2\"")).has_value());
        QVERIFY(!ConcreteSteps::slabCoverage(QStringLiteral("1E999")).has_value());
        QCOMPARE(ConcreteSteps::slabCoverage(QStringLiteral("0.5\"")).value_or(QString()),
                 QStringLiteral("648"));
    }

    void coverageWindowOpensModalAndCloses()
    {
        QPointer<SlabCoverageWindow> window = SlabCoverageWindow::openOver(m_window);
        QVERIFY(window->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), window.data());
        QCOMPARE(window->objectName(), QStringLiteral("frmMYSQFTCoverage"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Mortarix"));
        auto *frame = window->findChild<QGroupBox *>();
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("Sq. Ft. Area 1 C.Y. will cover"));
        auto *thickness = window->findChild<QComboBox *>(QStringLiteral("MyFWsq2cycbx_thickness"));
        QVERIFY(!thickness->isEditable());
        QCOMPARE(thickness->currentText(), QString());
        const QStringList texts = labelTexts(window);
        QVERIFY(texts.contains(QStringLiteral("Enter Thickness of Concrete")));
        QVERIFY(texts.contains(QStringLiteral("Total Sq. Ft.")));
        auto *close = window->findChild<QPushButton *>(QStringLiteral("MYSQFTfrmcmd_close"));
        QCOMPARE(close->text(), QStringLiteral("Close"));
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY(window.isNull()); // destroyed: the next opening starts afresh
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

MORTARIX_TEST_MAIN(TestFlatwork)
#include "tst_flatwork.moc"
