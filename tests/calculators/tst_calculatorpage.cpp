// The rules every calculator page shares: steps, labour field, price-list filling, "Send ".
#include "support/TestSupport.h"

#include "calculators/CalculatorPage.h"
#include "core/NumberFormat.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A page with one quantity and one cost result, posting to the Block row.
class FakePage final : public CalculatorPage
{
public:
    FakePage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
    {
        price = newInput(QStringLiteral("Price"), 5);
        quantity = newResult(QStringLiteral("Qty"));
        cost = newResult(QStringLiteral("Cost"));
        fillFromPriceListOnClick(price, PriceListPage::kConcrete);
        column()->addWidget(price);
        column()->addWidget(quantity);
        column()->addWidget(cost);
        column()->addWidget(newStepButton(QStringLiteral("Step"), QStringLiteral("Step"), [this] {
            const double value = Numbers::readNumber(fieldText(QStringLiteral("Price")));
            if (!(value > 0))
                return StepOutcome::dataMissing();
            if (value > 100)
                return StepOutcome::tooLarge({QStringLiteral("Qty")});
            return StepOutcome::write(QStringLiteral("Qty"), Numbers::plainText(value * 2));
        }));
        addPostingArea(
            PostTarget{5, 6, {QStringLiteral("Qty"), QStringLiteral("Cost")}, QStringLiteral("Cost")},
            QStringLiteral("Send"), QStringLiteral("Send "), QStringLiteral("hint"));
    }

    QLineEdit *price = nullptr;
    QLineEdit *quantity = nullptr;
    QLineEdit *cost = nullptr;
};

} // namespace

class TestCalculatorPage : public QObject
{
    Q_OBJECT

private:
    QWidget *m_window = nullptr;
    TotalsGrid *m_grid = nullptr;
    PriceListPage *m_prices = nullptr;
    FakePage *m_page = nullptr;

    QPushButton *button(const char *name) const
    {
        return m_page->findChild<QPushButton *>(QLatin1String(name));
    }

private slots:
    void init()
    {
        m_window = new QWidget;
        auto *pricesFrame = new QGroupBox(m_window);
        m_prices = new PriceListPage(pricesFrame);
        m_grid = new TotalsGrid(m_window);
        m_grid->LoadGrid();
        Workspace workspace;
        workspace.priceList = m_prices;
        workspace.totals = m_grid;
        auto *frame = new QGroupBox(m_window);
        m_page = new FakePage(frame, workspace);
        m_page->labourField()->setText(Numbers::formatCurrency(Numbers::Currency()));
        m_window->show();
    }

    void cleanup() { delete m_window; }

    void stepOutcomes_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("quantityAfter");
        QTest::newRow("result") << "12.5"
                                << ""
                                << "25";
        QTest::newRow("missing") << "abc"
                                 << "Please Enter Data To Complete Calculation"
                                 << "old";
        QTest::newRow("past bound empties")
            << "101"
            << "This program has reached its maximum calculation.\n Please enter new values!"
            << "";
    }

    void stepOutcomes()
    {
        QFETCH(QString, price);
        QFETCH(QString, message);
        QFETCH(QString, quantityAfter);
        m_page->quantity->setText("old");
        m_page->price->setText(price);
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok, message.isEmpty() ? 300 : 5000);
        QTest::mouseClick(button("Step"), Qt::LeftButton);
        QCOMPARE(seen->shown, !message.isEmpty());
        if (seen->shown) {
            QCOMPARE(seen->text, message);
            QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        }
        QCOMPARE(m_page->quantity->text(), quantityAfter);
        QVERIFY(m_page->quantity->isReadOnly());
    }

    void digitsOnlyKey_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("result");
        QTest::newRow("backspace") << 8 << 8;
        QTest::newRow("0") << int('0') << int('0');
        QTest::newRow("9") << int('9') << int('9');
        QTest::newRow("period") << int('.') << 0;
        QTest::newRow("minus") << int('-') << 0;
        QTest::newRow("comma") << int(',') << 0;
        QTest::newRow("dollar") << int('$') << 0;
        QTest::newRow("letter") << int('a') << 0;
        QTest::newRow("space") << int(' ') << 0;
        // Moving and editing keys are not typing: they work as in any other field.
        QTest::newRow("tab") << 9 << 9;
        QTest::newRow("return") << 13 << 13;
        QTest::newRow("escape") << 27 << 27;
        QTest::newRow("select all") << 1 << 1;
        QTest::newRow("copy") << 3 << 3;
        QTest::newRow("paste") << 22 << 22;
        QTest::newRow("cut") << 24 << 24;
        QTest::newRow("arabic-indic digit") << 0x0663 << 0;
    }

    void digitsOnlyKey()
    {
        QFETCH(int, code);
        QFETCH(int, result);
        QCOMPARE(DigitsOnlyKey(code), result);
    }

    void labourFieldTakesOnlyDigits()
    {
        QLineEdit *labour = m_page->labourField();
        QCOMPARE(labour->objectName(), QStringLiteral("myADDSigntbx(5)"));
        QCOMPARE(labour->maxLength(), 10);
        labour->clear();
        QTest::keyClicks(labour, "1.2-3a$,4");
        QCOMPARE(labour->text(), QStringLiteral("1234"));
        QTest::keyClick(labour, Qt::Key_Backspace);
        QCOMPARE(labour->text(), QStringLiteral("123"));
        QTest::keyClick(labour, Qt::Key_Home);
        QTest::keyClick(labour, Qt::Key_Delete);
        QCOMPARE(labour->text(), QStringLiteral("23"));
        labour->selectAll();
        QTest::keyClicks(labour, "7");
        QCOMPARE(labour->text(), QStringLiteral("7"));
        QTest::keyClicks(labour, "12345678901");
        QCOMPARE(labour->text(), QStringLiteral("7123456789"));
    }

    void labourFieldEditing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboardAfter");
        const auto keys = [](auto... combos) { return QKeySequence(QKeyCombination(combos)...); };
        const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
        QTest::newRow("select all, type over") << "$0.00"
                                               << "" << keys(ctrl(Qt::Key_A)) << "400"
                                               << "400"
                                               << "";
        QTest::newRow("copy") << "1234"
                              << "" << keys(ctrl(Qt::Key_A), ctrl(Qt::Key_C)) << ""
                              << "1234"
                              << "1234";
        QTest::newRow("cut") << "1234"
                             << "" << keys(ctrl(Qt::Key_A), ctrl(Qt::Key_X)) << ""
                             << ""
                             << "1234";
        QTest::newRow("paste digits over start value")
            << "$0.00"
            << "450" << keys(ctrl(Qt::Key_A), ctrl(Qt::Key_V)) << ""
            << "450"
            << "450";
        QTest::newRow("paste digits at end") << "12"
                                             << "34" << keys(Qt::Key_End, ctrl(Qt::Key_V)) << ""
                                             << "1234"
                                             << "34";
        QTest::newRow("paste with letter refused") << "7"
                                                   << "12a" << keys(Qt::Key_End, ctrl(Qt::Key_V)) << ""
                                                   << "7"
                                                   << "12a";
        QTest::newRow("paste over selection refused") << "$0.00"
                                                      << "1.5" << keys(ctrl(Qt::Key_A), ctrl(Qt::Key_V)) << ""
                                                      << "$0.00"
                                                      << "1.5";
        QTest::newRow("undo typing") << "5"
                                     << "" << keys(Qt::Key_End) << "67"
                                     << "567"
                                     << "";
        QTest::newRow("arrows and delete") << "123"
                                           << "" << keys(Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete) << "9"
                                           << "193"
                                           << "";
    }

    void labourFieldEditing()
    {
        QFETCH(QString, start);
        QFETCH(QString, clipboard);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(QString, clipboardAfter);
        QLineEdit *labour = m_page->labourField();
        labour->setText(start);
        QGuiApplication::clipboard()->setText(clipboard);
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(labour, keys[i].key(), keys[i].keyboardModifiers());
        QTest::keyClicks(labour, typed);
        QCOMPARE(labour->text(), after);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
        if (QTest::currentDataTag() == QLatin1String("undo typing")) {
            QTest::keyClick(labour, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(labour->text(), start);
        }
    }

    // A click into the field while it holds its start value selects it, so typing replaces it; a
    // typed value is kept and the click only places the cursor.
    void clickIntoLabourField_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("after");
        QTest::newRow("start value") << "$0.00"
                                     << "400";
        QTest::newRow("typed value") << "25"
                                     << "25400";
    }

    void clickIntoLabourField()
    {
        QFETCH(QString, start);
        QFETCH(QString, after);
        QLineEdit *labour = m_page->labourField();
        labour->setText(start);
        QTest::mouseClick(labour, Qt::LeftButton, {}, labour->rect().center());
        QTest::keyClicks(labour, "400");
        QCOMPARE(labour->text(), after);
    }

    // Return in an input presses the step that follows it; Return on a step or Send presses it.
    void returnPresses_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("message");
        const QString sent =
            "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!";
        QTest::newRow("in the price") << "Price"
                                      << "24"
                                      << "";
        QTest::newRow("on the step") << "Step"
                                     << "24"
                                     << "";
        QTest::newRow("in the labour field") << "myADDSigntbx(5)"
                                             << "19.84" << sent;
        QTest::newRow("on Send") << "Send"
                                 << "19.84" << sent;
    }

    void returnPresses()
    {
        QFETCH(QString, focus);
        QFETCH(QString, quantity);
        QFETCH(QString, message);
        m_page->price->setText("12");
        m_page->quantity->setText("19.84");
        m_page->cost->setText("$5.00");
        auto *target = m_page->findChild<QWidget *>(focus);
        QVERIFY(target);
        target->setFocus();
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok, 500);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(m_page->quantity->text(), quantity);
        QCOMPARE(seen->shown ? seen->text : QString(), message);
    }

    void clickFillsPriceFromTheList()
    {
        m_prices->entryField(0)->setText("95");
        m_page->price->setText("80");
        QTest::mouseClick(m_page->price, Qt::LeftButton);
        QCOMPARE(m_page->price->text(), QStringLiteral("95"));
        m_prices->entryField(0)->clear();
        QTest::mouseClick(m_page->price, Qt::LeftButton);
        QCOMPARE(m_page->price->text(), QString()); // an empty entry empties the field
    }

    void send_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("labour");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("posted");
        QTest::addColumn<bool>("focusOnLabour");
        const QString missing = "Please Enter Data To Complete Calculation";
        const QString labourMissing = "Please Insert A Value Into The \n\"ADD LABOR\" \nText Box.";
        const QString sent =
            "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!";
        QTest::newRow("posts") << "19.84"
                               << "$1,234.50"
                               << "100" << sent << true << false;
        QTest::newRow("zero labour is posted") << "19.84"
                                               << "$1,234.50"
                                               << "$0.00" << sent << true << false;
        QTest::newRow("cost missing") << "19.84"
                                      << ""
                                      << "100" << missing << false << false;
        QTest::newRow("data check before labour") << ""
                                                  << "$5.00"
                                                  << "" << missing << false << false;
        QTest::newRow("labour missing") << "19.84"
                                        << "$5.00"
                                        << "" << labourMissing << false << true;
    }

    void send()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, cost);
        QFETCH(QString, labour);
        QFETCH(QString, message);
        QFETCH(bool, posted);
        QFETCH(bool, focusOnLabour);
        m_page->quantity->setText(quantity);
        m_page->cost->setText(cost);
        m_page->labourField()->setText(labour);
        m_page->price->setFocus();

        // The cells are written only after the notice is closed.
        QString materialWhileShown;
        auto watch = TestSupport::onNextModalWidget([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            QCOMPARE(box->text(), message);
            QCOMPARE(box->windowTitle(), QStringLiteral("Mortarix"));
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            materialWhileShown = m_grid->cell(6, 2);
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(button("Send"), Qt::LeftButton);
        QCOMPARE(materialWhileShown, QStringLiteral("$0.00"));
        QCOMPARE(m_grid->cell(6, 2), posted ? cost : QStringLiteral("$0.00"));
        QCOMPARE(m_grid->cell(6, 1), posted ? labour : QStringLiteral("$0.00"));
        // The focus goes into the labour field only when it is the one missing.
        QCOMPARE(m_window->focusWidget() == m_page->labourField(), focusOnLabour);
    }

    void sendTwiceKeepsTheSecond()
    {
        m_page->quantity->setText("1");
        m_page->cost->setText("$2.00");
        for (const char *labour : {"100", "250"}) {
            m_page->labourField()->setText(QLatin1String(labour));
            auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
            QTest::mouseClick(button("Send"), Qt::LeftButton);
            QVERIFY(seen->shown);
        }
        QCOMPARE(m_grid->cell(6, 1), QStringLiteral("250"));
        QCOMPARE(m_grid->cell(6, 2), QStringLiteral("$2.00"));
    }
};

MORTARIX_TEST_MAIN(TestCalculatorPage)
#include "tst_calculatorpage.moc"
