// The totals grid's arithmetic on plain texts: reading, rewriting and summing the posted amounts.
#include "core/TotalsArithmetic.h"
#include "support/CoreTestSupport.h"

#include <limits>

using TotalsExport::GridTexts;

namespace {

// An empty grid with labour and material texts in the calculator rows 1 to 8.
GridTexts gridWith(const QStringList &labour, const QStringList &material)
{
    GridTexts cells(TotalsExport::kRows, QStringList(TotalsExport::kColumns));
    for (int row = 1; row <= 8; ++row) {
        cells[row][1] = labour.value(row - 1);
        cells[row][2] = material.value(row - 1);
    }
    return cells;
}

} // namespace

class TestTotalsArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void recalc_data()
    {
        QTest::addColumn<QStringList>("labour");
        QTest::addColumn<QStringList>("material");
        QTest::addColumn<QString>("labourSum");
        QTest::addColumn<QString>("materialSum");
        QTest::addColumn<QString>("grand");
        QTest::addColumn<QStringList>("rowTotals"); // rows 1 and 2
        QTest::addColumn<QStringList>("shownLabour"); // rows 1 and 2 as rewritten

        QTest::newRow("nothing posted") << QStringList{"$0.00", "$0.00"} << QStringList{"$0.00", "$0.00"}
                                        << "$0.00" << "$0.00" << "$0.00" << QStringList{"$0.00", "$0.00"}
                                        << QStringList{"$0.00", "$0.00"};
        QTest::newRow("posted as typed") << QStringList{"1200", "$300.00"} << QStringList{"$1,686.40", "$41.40"}
                                         << "$1,500.00" << "$1,727.80" << "$3,227.80"
                                         << QStringList{"$2,886.40", "$341.40"}
                                         << QStringList{"$1200.00", "$300.00"};
        QTest::newRow("cents that floats lose") << QStringList{"0.10", "0.20"} << QStringList{"0.70", "0.01"}
                                                << "$0.30" << "$0.71" << "$1.01"
                                                << QStringList{"$0.80", "$0.21"} << QStringList{"$0.10", "$0.20"};
        QTest::newRow("text that is no amount counts 0")
            << QStringList{"abc", ""} << QStringList{"$5.00", ""} << "$0.00" << "$5.00" << "$5.00"
            << QStringList{"$5.00", "$0.00"} << QStringList{"abc", ""};
        QTest::newRow("negative amounts") << QStringList{"($5.00)", "-$2.50"} << QStringList{"10", ""}
                                          << "($7.50)" << "$10.00" << "$2.50"
                                          << QStringList{"$5.00", "($2.50)"} << QStringList{"-$5.00", "-$2.50"};
        // Every row summed, the last one too.
        QTest::newRow("all eight rows") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
                                        << QStringList{"10", "20", "30", "40", "50", "60", "70", "80"}
                                        << "$36.00" << "$360.00" << "$396.00" << QStringList{"$11.00", "$22.00"}
                                        << QStringList{"$1.00", "$2.00"};
    }

    void recalc()
    {
        QFETCH(QStringList, labour);
        QFETCH(QStringList, material);
        QFETCH(QString, labourSum);
        QFETCH(QString, materialSum);
        QFETCH(QString, grand);
        QFETCH(QStringList, rowTotals);
        QFETCH(QStringList, shownLabour);

        const GridTexts cells = TotalsArithmetic::recalc(gridWith(labour, material));
        QCOMPARE(cells.size(), TotalsExport::kRows);
        QCOMPARE(cells[14][1], labourSum);
        QCOMPARE(cells[14][2], materialSum);
        QCOMPARE(cells[17][2], grand);
        QCOMPARE((QStringList{cells[1][3], cells[2][3]}), rowTotals);
        QCOMPARE((QStringList{cells[1][1], cells[2][1]}), shownLabour);
    }

    // Sums past the range of money leave the sub totals and the grand total as they were.
    void sumsOutOfRangeWriteNothing()
    {
        const QString huge = QStringLiteral("900000000000000");
        GridTexts cells = gridWith({huge, huge}, {});
        cells[14][1] = QStringLiteral("before");
        cells[17][2] = QStringLiteral("before");
        const GridTexts after = TotalsArithmetic::recalc(cells);
        QCOMPARE(after[14][1], QStringLiteral("before"));
        QCOMPARE(after[17][2], QStringLiteral("$0.00")); // the sub totals as shown: no amounts

        TotalsArithmetic::RowAmounts amounts{};
        amounts[8] = Numbers::Currency::fromTicks(std::numeric_limits<qint64>::max());
        QVERIFY(TotalsArithmetic::sum(amounts).has_value());
        amounts[2] = Numbers::Currency::fromTicks(1);
        QVERIFY(!TotalsArithmetic::sum(amounts).has_value());
    }

    void cellReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("ticks");
        QTest::addColumn<QString>("gridForm"); // "null" where the text holds no number

        QTest::newRow("currency form") << "$1,234.50" << qint64(12345000) << "$1234.50";
        QTest::newRow("typed") << "400" << qint64(4000000) << "$400.00";
        QTest::newRow("empty") << "" << qint64(0) << "null";
        QTest::newRow("words") << "Block" << qint64(0) << "null";
        QTest::newRow("too large for money") << "1000000000000000000000" << qint64(0) << "$1000000000000000000000.00";
    }

    void cellReading()
    {
        QFETCH(QString, text);
        QFETCH(qint64, ticks);
        QFETCH(QString, gridForm);
        QCOMPARE(TotalsArithmetic::amountOf(text).ticks(), ticks);
        const QString form = TotalsArithmetic::gridFormOf(text);
        QCOMPARE(form.isNull() ? QStringLiteral("null") : form, gridForm);
    }
};

MORTARIX_CORE_TEST_MAIN(TestTotalsArithmetic)
#include "tst_totalsarithmetic.moc"
