// The material order list window on a job with posted rows: its table, the metric column, cores
// filled (part of the job), Copy, and Save As CSV.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "calculators/CalculatorPage.h"
#include "shell/JobSession.h"
#include "shell/MainWindow.h"

#include <QtWidgets>

using TestSupport::MessageAnswers;
using Answer = QMessageBox::StandardButton;

namespace {

QStringList column(const QTableWidget *table, int c)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts << (table->item(r, c) ? table->item(r, c)->text() : QString());
    return texts;
}

} // namespace

class TestOrderList : public QObject
{
    Q_OBJECT

private slots:
    void nothingSent()
    {
        MainWindow window; window.show();
        MessageAnswers answers({Answer::Ok});
        window.menuAction("mnuOrderList")->trigger();
        QCOMPARE(answers.waitFor(0), "Mortarix / Information / Ok / Nothing has been sent to the Totals page yet.");
    }
    void window()
    {
        FakeDesktop desktop;
        QTemporaryDir dir;
        MainWindow main; main.show();
        // A footing and a block wall, sent as a user would.
        const QList<std::pair<const char *, const char *>> fields = {
            {"MyFNGtbx_TLCY", "3.29"}, {"MyFNGtbx_TC", "$279.65"}, {"MyFNGcbx_CPCY", "85"}, {"myADDSigntbx(6)", "250"},
            {"MyBLKtbx_TQ", "1,080"}, {"MyBLKtbx_TC", "$486.00"}, {"MyBLKtbx_CPB", ".45"}, {"myADDSigntbx(5)", "300"}};
        for (const auto &[name, text] : fields)
            main.findChild<QLineEdit *>(name)->setText(text);
        main.findChild<QRadioButton *>("BLCKopt(0)")->click();
        MessageAnswers answers({Answer::Ok, Answer::Ok, Answer::Ok}); // each Send's, then the failed save's
        main.findChild<QPushButton *>("Myfngcmd_send")->click();
        main.findChild<QPushButton *>("MyBLKcmd_Send")->click();
        QVERIFY(main.jobs()->saveTo(dir.filePath("garage.mortarix")));
        desktop.saveAnswers << dir.filePath("order") << dir.filePath("gone/order.csv");
        desktop.printDialogAccepts = true;
        desktop.pdfPath = dir.filePath("printed.pdf");
        QStringList materials, quantities, shown, copied;
        auto watch = TestSupport::onNextModalWidget([&](QWidget *window) {
            auto *table = window->findChild<QTableWidget *>("grdOrder");
            materials = column(table, 0);
            quantities = column(table, 1);
            window->findChild<QCheckBox *>("chkCoresFilled")->click();
            window->findChild<QCheckBox *>("chkMetric")->click();
            shown << column(table, 0).last() << column(table, 4).last()
                  << QString::number(table->isColumnHidden(4));
            window->findChild<QPushButton *>("cmdCopy")->click();
            copied = QApplication::clipboard()->text().split('\n');
            window->findChild<QPushButton *>("cmdSaveCsv")->click();
            window->findChild<QPushButton *>("cmdSaveCsv")->click(); // a folder that is not there
            window->findChild<QPushButton *>("cmdPrint")->click();
            static_cast<QDialog *>(window)->reject();
        });
        main.menuAction("mnuOrderList")->trigger();
        QCOMPARE(materials, (QStringList{"Footings", "Ready-mix concrete", "Block: 8 x 8 x 16 block",
                                         "Block, 8 x 8 x 16", "Mortar, 80 lb mason mix"}));
        QCOMPARE(quantities.mid(1, 1) + quantities.mid(3), (QStringList{"3.50", "1134", "91"}));
        QCOMPARE(shown, (QStringList{"Grout, every core filled", "8.066 m³", "0"}));
        QCOMPARE(copied.value(0), "Item\tMaterial\tQuantity\tUnit\tFactor\tMetric");
        QCOMPARE(copied.value(4), "Block\tGrout, every core filled\t10.55\tcu yd\t0.93 cu yd per 100 block\t8.066 m³");
        QCOMPARE(QString::fromUtf8(TestSupport::readFile(dir.filePath("order.csv"))).split("\r\n").value(4),
                 "Block,\"Grout, every core filled\",10.55,cu yd,0.93 cu yd per 100 block,8.066 m³");
        QVERIFY(answers.waitFor(2).contains("The order list cannot be saved to \"" + dir.filePath("gone/order.csv")));
        // Normalized: the printed text has ligatures ("fi"), and ³ becomes 3.
        QVERIFY(TestSupport::output("pdftotext", {"-layout", desktop.pdfPath, "-"})
                    .normalized(QString::NormalizationForm_KC)
                    .simplified()
                    .contains("Block Grout, every core filled 10.55 cu yd 0.93 cu yd per 100 block 8.066 m3"));
        // The choice belongs to the job.
        QVERIFY(main.jobs()->coresFilled() && main.jobs()->isModified());
    }
};

MORTARIX_TEST_MAIN(TestOrderList)
#include "tst_orderlist.moc"
