// The welded wire, rebar, block and brick pages driven through the main window as a user drives
// them, up to their rows of the totals grid.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kSent = QStringLiteral(
    "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!");
const QString kMissing = QStringLiteral("Please Enter Data To Complete Calculation");

} // namespace

class TestMasonryPages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;

    template <typename T> T *field(int page, const QString &name) const
    {
        T *widget = m_window->page(page)->findChild<T *>(name);
        if (!widget)
            qFatal("no field %s", qPrintable(name));
        return widget;
    }
    void openPage(int page) { QTest::mouseClick(m_window->pageButton(page), Qt::LeftButton); }
    void click(int page, const char *button)
    {
        QTest::mouseClick(field<QPushButton>(page, QLatin1String(button)), Qt::LeftButton);
    }
    void type(int page, const char *name, const QString &text)
    {
        auto *line = field<QLineEdit>(page, QLatin1String(name));
        line->clear();
        QTest::keyClicks(line, text);
    }
    void pick(int page, const char *name, const QString &entry)
    {
        auto *list = field<QComboBox>(page, QLatin1String(name));
        if (list->isEditable()) {
            list->setEditText(entry);
            return;
        }
        const int index = list->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        list->setCurrentIndex(index);
    }
    QString text(int page, const char *name) const
    {
        return field<QLineEdit>(page, QLatin1String(name))->text();
    }
    QRadioButton *option(int page, const QString &name) const { return field<QRadioButton>(page, name); }
    // Clicks an option button on its indicator, where a click always lands.
    static void clickOption(QRadioButton *button, Qt::MouseButton mouseButton = Qt::LeftButton)
    {
        QTest::mouseClick(button, mouseButton, {}, QPoint(6, button->height() / 2));
    }

private slots:
    void init()
    {
        QFile::remove(SettingsStore::filePath());
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void rebarKindShowsOnlyItsFrame_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("horizontal") << 0;
        QTest::newRow("vertical") << 1;
        QTest::newRow("mats") << 2;
    }

    void rebarKindShowsOnlyItsFrame()
    {
        QFETCH(int, kind);
        openPage(2);
        // Horizontal is shown first.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(field<QGroupBox>(2, QStringLiteral("RBRFrame(%1)").arg(i))->isVisible(), i == 0);
        clickOption(option(2, QStringLiteral("rbropt_visible(%1)").arg(kind)));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(field<QGroupBox>(2, QStringLiteral("RBRFrame(%1)").arg(i))->isVisible(), i == kind);
        QVERIFY(field<QGroupBox>(2, QStringLiteral("RBRFrame(4)"))->isVisible());
    }

    void storedChoicesAtStart()
    {
        m_window.reset();
        SettingsStore::save(QStringLiteral("Values"), QStringLiteral("rbropt_visible(0)"),
                            QStringLiteral("False"));
        SettingsStore::save(QStringLiteral("Values"), QStringLiteral("rbropt_visible(1)"),
                            QStringLiteral("True"));
        SettingsStore::save(QStringLiteral("Values"), QStringLiteral("rbropt_visible(2)"),
                            QStringLiteral("False"));
        SettingsStore::save(QStringLiteral("Values"), QStringLiteral("BLCKopt(1)"), QStringLiteral("True"));
        SettingsStore::save(QStringLiteral("Values"), QStringLiteral("Option3(2)"), QStringLiteral("True"));
        SettingsStore::save(QStringLiteral("Prices"), QStringLiteral("Price(8)"), QStringLiteral("0.6"));
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        openPage(2);
        // The stored rebar kind is shown; sizes are never carried over, so nothing is priced.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(field<QGroupBox>(2, QStringLiteral("RBRFrame(%1)").arg(i))->isVisible(), i == 1);
        for (int i = 0; i < 5; ++i)
            QVERIFY(!option(2, QStringLiteral("Option3(%1)").arg(i))->isChecked());
        QCOMPARE(text(2, "MyRbrVtbx_CPLF"), QString());
        QVERIFY(!option(5, QStringLiteral("BLCKopt(0)"))->isChecked());
        QVERIFY(!option(5, QStringLiteral("BLCKopt(1)"))->isChecked());
        QCOMPARE(field<QComboBox>(7, QStringLiteral("MyBrickcbo_Size"))->count(), 12);
    }

    void rebarTotalAddsHiddenFrames()
    {
        openPage(2);
        type(2, "MyRbrtbx_TLF", "100");
        pick(2, "MYRBRcbo_Qnty", "3");
        click(2, "MyRbrcmd_TQ");
        QCOMPARE(text(2, "MyRbrtbx_TQLF"), QStringLiteral("300"));

        clickOption(option(2, QStringLiteral("rbropt_visible(1)")));
        pick(2, "MyRbrVcbx_OCD", "2'");
        pick(2, "MyRbrVcbx_HOW", "8'");
        pick(2, "MyRbrVcbx_LOW", "20'");
        click(2, "MyRbrVcmd_QLF");
        QCOMPARE(text(2, "MyRbrVtbx_QLF"), QStringLiteral("80.00"));

        clickOption(option(2, QStringLiteral("rbropt_visible(2)")));
        pick(2, "MyRbrRMcbx_LOM", "36\"");
        pick(2, "MyRbrRMcbx_WOM", "24\"");
        pick(2, "MyRbrRMcbx_DOC", "6\"");
        pick(2, "MyRbrRMcbx_QOM", "2");
        click(2, "MyRbrRMcmd_QLF");
        QCOMPARE(text(2, "MyRbrRMtbx_QLF"), QStringLiteral("46.72"));

        // Only the mat frame is in view, yet all three count.
        QVERIFY(!field<QGroupBox>(2, QStringLiteral("RBRFrame(0)"))->isVisible());
        QCOMPARE(text(2, "MyRbrtbx_TQLF"), QStringLiteral("300"));
        click(2, "MyRbrVcmd_TtLLF");
        QCOMPARE(text(2, "MyRbrVtbx_TtlLF"), QStringLiteral("426.72"));

        m_window->priceList()->entryField(7)->setText(QStringLiteral(".45"));
        clickOption(option(2, QStringLiteral("Option3(1)")));
        QCOMPARE(text(2, "MyRbrVtbx_CPLF"), QStringLiteral(".45"));
        click(2, "MyRbrVcmd_TC");
        QCOMPARE(text(2, "MyRbrtVtbx_TC"), QStringLiteral("$192.02"));

        // A total past its bound empties all four quantities, the hidden ones too.
        field<QLineEdit>(2, QStringLiteral("MyRbrtbx_TQLF"))->setText(QStringLiteral("100001"));
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        click(2, "MyRbrVcmd_TtLLF");
        QVERIFY(seen->shown);
        for (const char *name : {"MyRbrtbx_TQLF", "MyRbrVtbx_QLF", "MyRbrRMtbx_QLF", "MyRbrVtbx_TtlLF"})
            QCOMPARE(text(2, name), QString());
    }

    void blockSizePricesFromTheList_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("byKeyboard");
        QTest::addColumn<QString>("price");
        QTest::newRow("8 x 8 x 16 clicked") << 0 << false << "1.25";
        QTest::newRow("8 x 12 x 16 clicked") << 1 << false << "1.75";
        QTest::newRow("8 x 8 x 16 by a key") << 0 << true << "1.25";
        QTest::newRow("8 x 12 x 16 by a key") << 1 << true << "1.75";
    }

    void blockSizePricesFromTheList()
    {
        QFETCH(int, size);
        QFETCH(bool, byKeyboard);
        QFETCH(QString, price);
        m_window->priceList()->entryField(1)->setText(QStringLiteral("1.75"));
        m_window->priceList()->entryField(2)->setText(QStringLiteral("1.25"));
        openPage(5);
        auto *costPerBlock = field<QLineEdit>(5, QStringLiteral("MyBLKtbx_CPB"));
        // No size is chosen at start, so a click in the price field leaves a typed price alone.
        QVERIFY(!option(5, QStringLiteral("BLCKopt(0)"))->isChecked());
        QVERIFY(!option(5, QStringLiteral("BLCKopt(1)"))->isChecked());
        type(5, "MyBLKtbx_CPB", QStringLiteral("3"));
        QTest::mouseClick(costPerBlock, Qt::LeftButton);
        QCOMPARE(costPerBlock->text(), QStringLiteral("3"));

        QRadioButton *chosen = option(5, QStringLiteral("BLCKopt(%1)").arg(size));
        if (byKeyboard)
            QTest::keyClick(chosen, Qt::Key_Space);
        else
            clickOption(chosen);
        QVERIFY(chosen->isChecked());
        QCOMPARE(costPerBlock->text(), price);

        // A click in the price field copies the chosen size's price again, over a typed one.
        costPerBlock->setText(QStringLiteral("9"));
        QTest::mouseClick(costPerBlock, Qt::LeftButton);
        QCOMPARE(costPerBlock->text(), price);
        // An empty entry empties the field.
        m_window->priceList()->entryField(size == 0 ? 2 : 1)->clear();
        QTest::mouseClick(costPerBlock, Qt::LeftButton);
        QCOMPARE(costPerBlock->text(), QString());
    }

    void blockThroughThePage()
    {
        openPage(5);
        pick(5, "MyBLCKcbx_WallHght", "8'");
        type(5, "MyBLKtbx_length", "20");
        click(5, "MyBLKcmd_TQ");
        QCOMPARE(text(5, "MyBLKtbx_TQ"), QStringLiteral("180"));
        type(5, "MyBLKtbx_length", "12.3");
        click(5, "MyBLKcmd_TQ");
        QCOMPARE(text(5, "MyBLKtbx_TQ"), QStringLiteral("110.7"));
        type(5, "MyBLKtbx_length", "20");
        click(5, "MyBLKcmd_TQ");
        type(5, "MyBLKtbx_CPB", "1.25");
        click(5, "MyBLKcmd_TC");
        QCOMPARE(text(5, "MyBLKtbx_TC"), QStringLiteral("$225.00"));
    }

    void brickSendsWithoutACount()
    {
        openPage(7);
        QCOMPARE(text(7, "MyBRICKlbl_Count"), QString());
        type(7, "MyBRICKtxt_CstOfBrck", "0.45");
        click(7, "MYBRICKcmd_TotalCost");
        QCOMPARE(text(7, "MYBRICKlbl_Ccost"), QStringLiteral("$0.00"));
        type(7, "myADDSigntbx(0)", "120");
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        click(7, "MyBRICKcmd_Send");
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, kSent);
        QCOMPARE(m_window->totalsGrid()->cell(8, 1), QStringLiteral("120"));
        QCOMPARE(m_window->totalsGrid()->cell(8, 2), QStringLiteral("$0.00"));
    }

    void brickNeedsItsCost()
    {
        openPage(7);
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        click(7, "MyBRICKcmd_Send");
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, kMissing);
        QCOMPARE(m_window->totalsGrid()->cell(8, 2), QStringLiteral("$0.00"));
    }

    void sendReachesItsOwnRow_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("results"); // fields filled before Send: name=text
        QTest::addColumn<QString>("labourField");
        QTest::addColumn<QString>("sendButton");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::newRow("welded wire") << 4 << QStringList{"MYWWlbl_TSQOW=0.92", "MYWWtbx_TotalCost=$41.40"}
                                     << "myADDSigntbx(3)"
                                     << "MyFWWWcmd_SITS" << 5 << "Welded Wire";
        QTest::newRow("rebar") << 2 << QStringList{"MyRbrVtbx_TtlLF=426.72", "MyRbrtVtbx_TC=$192.02"}
                               << "myADDSigntbx(1)"
                               << "MyRbrRMcmd_STOS" << 3 << "Rebar";
        QTest::newRow("block") << 5 << QStringList{"MyBLKtbx_TQ=180", "MyBLKtbx_TC=$225.00"}
                               << "myADDSigntbx(5)"
                               << "MyBLKcmd_Send" << 6 << "Block";
        QTest::newRow("brick") << 7 << QStringList{"MyBRICKlbl_Count=1080", "MYBRICKlbl_Ccost=$486.00"}
                               << "myADDSigntbx(0)"
                               << "MyBRICKcmd_Send" << 8 << "Brick";
    }

    void sendReachesItsOwnRow()
    {
        QFETCH(int, page);
        QFETCH(QStringList, results);
        QFETCH(QString, labourField);
        QFETCH(QString, sendButton);
        QFETCH(int, row);
        QFETCH(QString, caption);
        openPage(page);
        for (const QString &result : std::as_const(results)) {
            const QString name = result.section(QLatin1Char('='), 0, 0);
            field<QLineEdit>(page, name)->setText(result.section(QLatin1Char('='), 1));
        }
        auto *labour = field<QLineEdit>(page, labourField);
        QCOMPARE(labour->text(), QStringLiteral("$0.00"));

        // An emptied labour field is asked for, and nothing is posted.
        labour->clear();
        auto missing = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(field<QPushButton>(page, sendButton), Qt::LeftButton);
        QVERIFY(missing->shown);
        QCOMPARE(missing->text, QStringLiteral("Please Insert A Value Into The \n\"ADD LABOR\" \nText Box."));
        QCOMPARE(m_window->focusWidget(), labour);

        QTest::keyClicks(labour, QStringLiteral("250"));
        auto sent = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(field<QPushButton>(page, sendButton), Qt::LeftButton);
        QVERIFY(sent->shown);
        QCOMPARE(sent->text, kSent);
        const TotalsGrid *grid = m_window->totalsGrid();
        QCOMPARE(grid->cell(row, 0), caption);
        QCOMPARE(grid->cell(row, 1), QStringLiteral("250"));
        QCOMPARE(grid->cell(row, 2), results.last().section(QLatin1Char('='), 1));
        // No other row was written.
        for (int other = 1; other <= 8; ++other) {
            if (other != row)
                QCOMPARE(grid->cell(other, 2), QStringLiteral("$0.00"));
        }
    }
};

MORTARIX_TEST_MAIN(TestMasonryPages)
#include "tst_masonrypages.moc"
