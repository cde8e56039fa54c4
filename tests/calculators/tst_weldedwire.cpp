// The welded wire fabric calculator: its arithmetic, roll prices, pop-up menu and coverage window.
#include "support/CalculatorTestKit.h"

#include "core/WeldedWireSteps.h"
#include "shell/MainWindow.h"
#include "totals/PriceListPage.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace CalculatorTestKit;

class TestWeldedWire : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:
    QMenu *popup() const { return m_window->popupMenu(QStringLiteral("mnuPopww")); }

private slots:
    void init() { openWindowAt(4); }

    void cleanup() { closeWindow(); }

    void areaStep_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("width");
        QTest::addColumn<int>("roll");
        QTest::addColumn<QStringList>("outcome");
        const QStringList emptied = {kMaximum, "MyFWWWtbx_TSF=", "MYWWlbl_PercentBox=", "MYWWlbl_TSQOW="};
        QTest::newRow("30 x 20, 150' roll")
            << "30"
            << "20" << 1
            << QStringList{"", "MyFWWWtbx_TSF=600.", "MYWWlbl_PercentBox=690.", "MYWWlbl_TSQOW=0.92"};
        QTest::newRow("12.5 x 10.3, 100' roll allowance on 129")
            << "12.5"
            << "10.3" << 0
            << QStringList{"", "MyFWWWtbx_TSF=128.75", "MYWWlbl_PercentBox=148.35", "MYWWlbl_TSQOW=0.3"};
        QTest::newRow("50 x 50, 500' roll covers 2500")
            << "50"
            << "50" << 2
            << QStringList{"", "MyFWWWtbx_TSF=2500.", "MYWWlbl_PercentBox=2875.", "MYWWlbl_TSQOW=1.15"};
        QTest::newRow("128.5 rounds to even 128")
            << "128.5"
            << "1" << 0
            << QStringList{"", "MyFWWWtbx_TSF=128.5", "MYWWlbl_PercentBox=147.2", "MYWWlbl_TSQOW=0.29"};
        QTest::newRow("129.5 rounds to even 130")
            << "129.5"
            << "1" << 0
            << QStringList{"", "MyFWWWtbx_TSF=129.5", "MYWWlbl_PercentBox=149.5", "MYWWlbl_TSQOW=0.3"};
        QTest::newRow("rolls are not rounded up")
            << "10"
            << "10" << 2
            << QStringList{"", "MyFWWWtbx_TSF=100.", "MYWWlbl_PercentBox=115.", "MYWWlbl_TSQOW=0.05"};
        QTest::newRow("no roll leaves the rolls alone")
            << "30"
            << "20" << -1 << QStringList{"", "MyFWWWtbx_TSF=600.", "MYWWlbl_PercentBox=690."};
        QTest::newRow("typed 0 passes")
            << "0"
            << "20" << 1 << QStringList{"", "MyFWWWtbx_TSF=0.", "MYWWlbl_PercentBox=0.", "MYWWlbl_TSQOW=0."};
        QTest::newRow("empty length") << ""
                                      << "20" << 1 << QStringList{kMissing};
        QTest::newRow("empty width") << "30"
                                     << "" << 1 << QStringList{kMissing};
        QTest::newRow("missing before too large") << ""
                                                  << "99999" << 1 << QStringList{kMissing};
        QTest::newRow("length 10000 accepted")
            << "10000"
            << "1" << 0
            << QStringList{"", "MyFWWWtbx_TSF=10000.", "MYWWlbl_PercentBox=11500.", "MYWWlbl_TSQOW=23."};
        QTest::newRow("length 10001 refused") << "10001"
                                              << "1" << 0 << emptied;
        QTest::newRow("width 10001 refused") << "1"
                                             << "10001" << 0 << emptied;
        QTest::newRow("past the single range refused") << "1E39"
                                                       << "1" << 0 << emptied;
    }

    void areaStep()
    {
        QFETCH(QString, length);
        QFETCH(QString, width);
        QFETCH(int, roll);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(WeldedWire::areaStep(length, width, roll)), outcome);
    }

    void costStep_data()
    {
        QTest::addColumn<QString>("rolls");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("outcome");
        QTest::newRow("0.92 rolls at 45") << "0.92"
                                          << "45" << QStringList{"", "MYWWtbx_TotalCost=$41.40"};
        QTest::newRow("fractional rolls priced fractionally")
            << "1.15"
            << "100" << QStringList{"", "MYWWtbx_TotalCost=$115.00"};
        QTest::newRow("no rolls prices to 0") << ""
                                              << "45" << QStringList{"", "MYWWtbx_TotalCost=$0.00"};
        QTest::newRow("price 0 is not refused") << "2"
                                                << "0" << QStringList{"", "MYWWtbx_TotalCost=$0.00"};
        QTest::newRow("empty price") << "0.92"
                                     << "" << QStringList{kMissing};
        QTest::newRow("10001 rolls accepted") << "10001"
                                              << "1" << QStringList{"", "MYWWtbx_TotalCost=$10,001.00"};
        // The cost field keeps what it showed.
        QTest::newRow("more than 10001 rolls refused") << "10001.5"
                                                       << "1" << QStringList{kMaximum};
        QTest::newRow("cost past any currency refused") << "2"
                                                        << "1E30" << QStringList{kMaximum};
    }

    void costStep()
    {
        QFETCH(QString, rolls);
        QFETCH(QString, price);
        QFETCH(QStringList, outcome);
        QCOMPARE(describe(WeldedWire::costStep(rolls, price)), outcome);
    }

    void rollChoicePricesTheRoll_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("entry");
        QTest::newRow("100'") << 0 << "100 '" << 5;
        QTest::newRow("150'") << 1 << "150 '" << 4;
        QTest::newRow("500'") << 2 << "500 '" << 3;
    }

    void rollChoicePricesTheRoll()
    {
        QFETCH(int, position);
        QFETCH(QString, caption);
        QFETCH(int, entry);
        for (int i = 3; i <= 5; ++i)
            m_window->priceList()->entryField(i)->setText(QString::number(i * 10));
        auto *rolls = field<QComboBox>("MyWWcbo_size");
        QCOMPARE(rolls->count(), 3);
        QCOMPARE(rolls->currentIndex(), -1);
        QCOMPARE(rolls->itemText(position), caption);
        auto *price = field<QLineEdit>("MYWWtbx_CPRoll");
        QCOMPARE(price->text(), QString());
        choose(rolls, position);
        QCOMPARE(price->text(), QString::number(entry * 10));
        // Choosing again copies again, over a typed price; an empty entry empties the field.
        price->setText("99");
        m_window->priceList()->entryField(entry)->clear();
        choose(rolls, position);
        QCOMPARE(price->text(), QString());
    }

    void stepsThroughThePage()
    {
        m_window->priceList()->entryField(4)->setText("45");
        choose(field<QComboBox>("MyWWcbo_size"), 1);
        QTest::keyClicks(field<QLineEdit>("MyFWWWtbx_Length"), "30");
        QTest::keyClicks(field<QLineEdit>("MyFWWWtbx_Width"), "20");
        QTest::mouseClick(field<QPushButton>("MyFWWWcmd_TSF"), Qt::LeftButton);
        QCOMPARE(field<QLineEdit>("MyFWWWtbx_TSF")->text(), QStringLiteral("600."));
        QCOMPARE(field<QLineEdit>("MYWWlbl_PercentBox")->text(), QStringLiteral("690."));
        QCOMPARE(field<QLineEdit>("MYWWlbl_TSQOW")->text(), QStringLiteral("0.92"));
        QTest::mouseClick(field<QPushButton>("MYWWcmd_ToTCst"), Qt::LeftButton);
        QCOMPARE(field<QLineEdit>("MYWWtbx_TotalCost")->text(), QStringLiteral("$41.40"));

        // Another roll prices it but leaves the old count until "Square Feet".
        m_window->priceList()->entryField(3)->setText("120");
        choose(field<QComboBox>("MyWWcbo_size"), 2);
        QCOMPARE(field<QLineEdit>("MYWWtbx_CPRoll")->text(), QStringLiteral("120"));
        QCOMPARE(field<QLineEdit>("MYWWlbl_TSQOW")->text(), QStringLiteral("0.92"));
        QTest::mouseClick(field<QPushButton>("MyFWWWcmd_TSF"), Qt::LeftButton);
        QCOMPARE(field<QLineEdit>("MYWWlbl_TSQOW")->text(), QStringLiteral("0.28"));

        // A refused length empties all three results after the message.
        QLineEdit *length = field<QLineEdit>("MyFWWWtbx_Length");
        length->setText("10001");
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(field<QPushButton>("MyFWWWcmd_TSF"), Qt::LeftButton);
        QVERIFY(seen->shown);
        QCOMPARE(seen->text,
                 QStringLiteral("This program has reached its maximum calculation.\n Please enter new "
                                "values!"));
        for (const char *name : {"MyFWWWtbx_TSF", "MYWWlbl_PercentBox", "MYWWlbl_TSQOW"})
            QCOMPARE(field<QLineEdit>(name)->text(), QString());
        QCOMPARE(field<QLineEdit>("MYWWtbx_TotalCost")->text(), QStringLiteral("$41.40"));
    }

    void fieldLimits()
    {
        for (const char *name : {"MyFWWWtbx_Length", "MyFWWWtbx_Width", "MYWWtbx_CPRoll"})
            QCOMPARE(field<QLineEdit>(name)->maxLength(), 5);
        for (const char *name : {"MyFWWWtbx_TSF", "MYWWlbl_PercentBox", "MYWWlbl_TSQOW", "MYWWtbx_TotalCost"})
            QVERIFY(field<QLineEdit>(name)->isReadOnly());
        QVERIFY(!field<QComboBox>("MyWWcbo_size")->isEditable());
    }

    void moreInfoOpensTheMenuOnTheLeftButtonOnly_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("left") << Qt::LeftButton << true;
        QTest::newRow("right") << Qt::RightButton << false;
    }

    void moreInfoOpensTheMenuOnTheLeftButtonOnly()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opens);
        QVERIFY(!popup()->isVisible());
        QTest::mouseClick(field<QRadioButton>("Option10(4)"), button);
        if (opens) {
            QTRY_VERIFY(popup()->isVisible());
            popup()->hide();
        } else {
            // The release's work is queued; let it run, then make sure it did nothing.
            QTest::qWait(50);
            QVERIFY(!popup()->isVisible());
        }
    }

    void noteFromTheMenu()
    {
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        popup()->findChild<QAction *>(QStringLiteral("mnuNote"))->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        QCOMPARE(seen->icon, QMessageBox::Information);
        const QStringList lines = seen->text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.at(0),
                 QStringLiteral("Common Industry dimension of Welded Wire Fabric is 6\" x  6\" "));
        QCOMPARE(lines.at(1),
                 QStringLiteral("and has a width of 60\". It can be purchase in 100', 150' and 500' rolls."));
        QCOMPARE(lines.at(2), QStringLiteral(" "));
        QCOMPARE(lines.at(3), QStringLiteral(" When installed, the wire is over-lapped 6 "));
        QCOMPARE(lines.at(4), QStringLiteral(" "));
        QCOMPARE(lines.at(5), QString());
        QCOMPARE(lines.at(6), QStringLiteral(" For More Information Select \" AREA COVERAGE \""));
        QCOMPARE(lines.at(7), QString());
    }

    void coverageWindow_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("squareFeet");
        QTest::newRow("100'") << "MYAREAopt_100"
                              << "100 ' Roll"
                              << "500 Sq.Ft.";
        QTest::newRow("150'") << "MYAREAopt_150"
                              << "150 '  Roll"
                              << "750 Sq.Ft.";
        QTest::newRow("500'") << "MYAREAopt_500"
                              << "500 '  Roll"
                              << "2500 Sq.Ft.";
    }

    void coverageWindow()
    {
        QFETCH(QString, option);
        QFETCH(QString, caption);
        QFETCH(QString, squareFeet);
        // Opened twice: the second opening remembers nothing of the first.
        for (int opening = 0; opening < 2; ++opening) {
            QPointer<QWidget> shown;
            QStringList checkedAtOpen;
            QString displayAtOpen = QStringLiteral("unread");
            QString displayAfterChoice;
            auto watch = TestSupport::onNextModalWidget([&](QWidget *w) {
                shown = w;
                const auto options = w->findChildren<QRadioButton *>();
                for (QRadioButton *o : options) {
                    if (o->isChecked())
                        checkedAtOpen << o->objectName();
                }
                auto *display = w->findChild<QLabel *>(QStringLiteral("MYAREAlbl_TotSF"));
                displayAtOpen = display ? display->text() : QStringLiteral("no display");
                auto *choice = w->findChild<QRadioButton *>(option);
                QVERIFY(choice);
                QCOMPARE(choice->text(), caption);
                choice->click();
                displayAfterChoice = display ? display->text() : QString();
                QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("MYfrmWWcmd_close")),
                                  Qt::LeftButton);
            });
            popup()->findChild<QAction *>(QStringLiteral("mnuPAreaCOv"))->trigger();
            QTRY_VERIFY(shown.isNull() && !displayAfterChoice.isEmpty());
            QCOMPARE(checkedAtOpen, QStringList());
            QCOMPARE(displayAtOpen, QString());
            QCOMPARE(displayAfterChoice, squareFeet);
        }
    }

    void coverageWindowIsModalOverTheMainWindow()
    {
        popup()->findChild<QAction *>(QStringLiteral("mnuPAreaCOv"))->trigger();
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget *coverage = QApplication::activeModalWidget();
        QCOMPARE(coverage->objectName(), QStringLiteral("frmMYWWCoverage"));
        QCOMPARE(coverage->windowTitle(), QStringLiteral("Mortarix"));
        QCOMPARE(coverage->parentWidget(), m_window.get());
        QVERIFY(coverage->findChild<QGroupBox *>()->title() ==
                QStringLiteral("Sq.Ft. Coverage Area Of Welded Wire Roll"));
        QPointer<QWidget> guard = coverage;
        coverage->close();
        QTRY_VERIFY(guard.isNull());
    }
};

MORTARIX_TEST_MAIN(TestWeldedWire)
#include "tst_weldedwire.moc"
