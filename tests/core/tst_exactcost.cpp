// The material cost of every calculator: price times quantity exact to the cent at any size.
#include "core/BlockSteps.h"
#include "core/BrickSteps.h"
#include "core/ConcreteSteps.h"
#include "core/RebarSteps.h"
#include "core/WeldedWireSteps.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cstdint>
#include <functional>

namespace {

using CostStep = std::function<StepOutcome(const QString &quantity, const QString &price)>;

struct Page
{
    const char *name;
    CostStep step;
    // Quantities and prices are drawn below these bounds, in cents.
    qint64 quantityLimit;
    qint64 priceLimit;
};

const QList<Page> &pages()
{
    static const QList<Page> all{
        {"footing", [](const QString &q, const QString &p) { return ConcreteSteps::footingCost(p, q); },
         1000100, 1000100},
        {"piers", [](const QString &q, const QString &p) { return ConcreteSteps::pierCost(p, q); }, 1000100,
         1000100},
        {"flatwork", [](const QString &q, const QString &p) { return ConcreteSteps::flatworkCost(p, q); },
         29999999, 100099},
        {"poured walls", [](const QString &q, const QString &p) { return ConcreteSteps::pouredWallCost(p, q); },
         1000100, 1000100},
        {"rebar", Rebar::costStep, 11000100, 11000100},
        {"block", Block::costStep, 30000100, 30000100},
        // Brick counts have no bound of their own; a million bricks is a large job.
        {"brick", Brick::costStep, 100000000, 10000},
        {"welded wire", WeldedWire::costStep, 1000100, 10000000},
    };
    return all;
}

const Page &page(const QString &name)
{
    for (const Page &candidate : pages()) {
        if (name == QLatin1String(candidate.name))
            return candidate;
    }
    qFatal("no calculator page %s", qPrintable(name));
}

// The text the step wrote into its cost field (its last write), or the message it gave.
QString costText(const StepOutcome &outcome)
{
    if (outcome.message != StepOutcome::Message::None)
        return QStringLiteral("message %1").arg(int(outcome.message));
    return outcome.writes.isEmpty() ? QString() : outcome.writes.constLast().second;
}

// A count of cents as a field text, in one of the ways a user types it: 12, 12.5 or 12.50.
QString typed(std::int64_t cents, quint32 style)
{
    const QString whole = QString::number(cents / 100);
    const int fraction = int(cents % 100);
    if (style == 0 && fraction == 0)
        return whole;
    if (style == 1 && fraction % 10 == 0)
        return whole + QLatin1Char('.') + QString::number(fraction / 10);
    return whole + QLatin1Char('.') + QString::number(fraction).rightJustified(2, QLatin1Char('0'));
}

// Ten-thousandths rounded half up to cents, in the US currency form, worked out with integers.
QString dollars(std::int64_t tenThousandths)
{
    const std::int64_t cents = (tenThousandths + 50) / 100;
    QString whole = QString::number(cents / 100);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, QLatin1Char(','));
    return QLatin1Char('$') + whole + QLatin1Char('.') +
           QString::number(cents % 100).rightJustified(2, QLatin1Char('0'));
}

} // namespace

class TestExactCost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void worked_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("cost");

        // Jobs whose cost in single precision was a cent or a dollar off.
        QTest::newRow("flatwork 876.06 yd at 253") << "flatwork" << "876.06" << "253" << "$221,643.18";
        QTest::newRow("flatwork 16,609.8 yd at 1000") << "flatwork" << "16609.8" << "1000" << "$16,609,800.00";
        QTest::newRow("flatwork $51k") << "flatwork" << "35539.96" << "1.44" << "$51,177.54";
        QTest::newRow("brick $216k") << "brick" << "400000" << ".54" << "$216,000.00";
        QTest::newRow("footing $2.5M") << "footing" << "2039.93" << "1241" << "$2,531,553.13";
        QTest::newRow("flatwork largest") << "flatwork" << "299999" << "85" << "$25,499,915.00";
        QTest::newRow("piers largest") << "piers" << "10001" << "10001" << "$100,020,001.00";
        QTest::newRow("poured walls largest") << "poured walls" << "10001" << "10001" << "$100,020,001.00";
        QTest::newRow("rebar largest") << "rebar" << "110001" << "110001" << "$12,100,220,001.00";
        QTest::newRow("block largest") << "block" << "300001" << "300001" << "$90,000,600,001.00";
        QTest::newRow("welded wire largest") << "welded wire" << "10001" << "99999.99" << "$1,000,099,899.99";

        // Everyday jobs, on every page.
        for (const Page &each : pages()) {
            QTest::addRow("%s 19.84 at 85", each.name) << each.name << "19.84" << "85" << "$1,686.40";
            QTest::addRow("%s 1080 at .45", each.name) << each.name << "1080" << ".45" << "$486.00";
            QTest::addRow("%s 0.92 at 45", each.name) << each.name << "0.92" << "45" << "$41.40";
        }
        // Past two decimals the readings keep four, and the cent rounds half up.
        QTest::newRow("thousandths of a dollar") << "rebar" << "458.78" << ".125" << "$57.35";
        QTest::newRow("half a cent rounds up") << "block" << "1" << "0.005" << "$0.01";
    }

    void worked()
    {
        QFETCH(QString, page);
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(QString, cost);
        QCOMPARE(costText(::page(page).step(quantity, price)), cost);
    }

    // Any quantity and price of up to two decimals, within the page's bounds, costs their exact
    // product rounded half up to the cent.
    void randomJobs_data()
    {
        QTest::addColumn<QString>("page");
        for (const Page &each : pages())
            QTest::newRow(each.name) << each.name;
    }

    void randomJobs()
    {
        QFETCH(QString, page);
        const Page &calculator = ::page(page);
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int draw = 0; draw < 500; ++draw) {
            // Small amounts as often as large ones: the digits drawn first, then the size.
            const std::int64_t quantityCents =
                1 + random.bounded(qint64(1), calculator.quantityLimit) / (draw % 3 == 0 ? 1000 : 1);
            const std::int64_t priceCents =
                1 + random.bounded(qint64(1), calculator.priceLimit) / (draw % 2 == 0 ? 100 : 1);
            const QString quantity = typed(quantityCents, random.bounded(3u));
            const QString price = typed(priceCents, random.bounded(3u));
            const QString got = costText(calculator.step(quantity, price));
            QVERIFY2(got == dollars(quantityCents * priceCents),
                     qPrintable(QStringLiteral("seed %1: %2 at %3 gave %4, not %5")
                                    .arg(seed)
                                    .arg(quantity, price, got, dollars(quantityCents * priceCents))));
        }
    }
};

QTEST_GUILESS_MAIN(TestExactCost)
#include "tst_exactcost.moc"
