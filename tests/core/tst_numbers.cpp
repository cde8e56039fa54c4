// Field texts read into the number kinds, the texts written from them, and money exact to the cent.
#include "core/BlockSteps.h"
#include "core/BrickSteps.h"
#include "core/ConcreteSteps.h"
#include "core/NumberFormat.h"
#include "core/RebarSteps.h"
#include "core/TotalsArithmetic.h"
#include "core/WeldedWireSteps.h"
#include "support/CoreTestSupport.h"

#include <QRandomGenerator>

#include <charconv>
#include <cmath>
#include <functional>

using namespace Numbers;
using namespace Qt::StringLiterals;

namespace {

// The shortest text that reads back as the same value in its own kind, so results compare exactly.
template <typename T> QString shortest(T value)
{
    char buffer[64];
    return QString::fromLatin1(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr - buffer);
}

QString ticks(Currency value)
{
    return QString::number(value.ticks());
}

// Each calculator's cost step, as (quantity, price); random jobs are drawn below the limits, in cents.
using namespace ConcreteSteps;
const struct Page
{
    const char *name;
    std::function<StepOutcome(const QString &, const QString &)> step;
    qint64 quantityLimit, priceLimit;
} pages[] = {
    {"footing", [](const QString &q, const QString &p) { return footingCost(p, q); }, 1000100, 1000100},
    {"piers", [](const QString &q, const QString &p) { return pierCost(p, q); }, 1000100, 1000100},
    {"flatwork", [](const QString &q, const QString &p) { return flatworkCost(p, q); }, 29999999, 100099},
    {"poured walls", [](const QString &q, const QString &p) { return pouredWallCost(p, q); }, 1000100, 1000100},
    {"rebar", Rebar::costStep, 11000100, 11000100},
    {"block", Block::costStep, 30000100, 30000100},
    {"brick", Brick::costStep, 100000000, 10000}, // no bound of its own; a million bricks is a large job
    {"welded wire", WeldedWire::costStep, 1000100, 10000000},
};

// The text a page's step writes into its cost field (or its message) for "page: quantity at price".
QString costOf(const QString &job)
{
    const QString page = job.section(u": "_s, 0, 0), quantity = job.section(u": "_s, 1).section(u" at "_s, 0, 0);
    const QString price = job.section(u" at "_s, 1);
    if (page == u"costText")
        return costText(quantity, price);
    const auto step = std::find_if(std::begin(pages), std::end(pages), [&](const Page &p) { return page == p.name; });
    const StepOutcome outcome = step->step(quantity, price);
    if (outcome.message != StepOutcome::Message::None)
        return QStringLiteral("message %1").arg(int(outcome.message));
    return outcome.writes.isEmpty() ? QString() : outcome.writes.constLast().second;
}

// Texts posted in the calculator rows ("labour|labour/material|material") → the sub totals, the grand
// total, rows 1 and 2's totals, and rows 1 and 2 labour and row 1 material as rewritten.
QString totals(const QString &posted)
{
    TotalsExport::GridTexts cells(TotalsExport::kRows, QStringList(TotalsExport::kColumns));
    const QStringList labour = posted.section(u'/', 0, 0).split(u'|'), material = posted.section(u'/', 1).split(u'|');
    for (int row = 1; row <= 8; ++row) {
        cells[row][1] = labour.value(row - 1);
        cells[row][2] = material.value(row - 1);
    }
    cells[14][1] = cells[14][2] = QStringLiteral("before");
    cells = TotalsArithmetic::recalc(cells);
    if (cells.size() != TotalsExport::kRows)
        return QStringLiteral("rows added");
    return QStringList{cells[14][1], cells[14][2], cells[17][2], cells[1][3], cells[2][3], cells[1][1], cells[2][1],
                       cells[1][2]}.join(u' ');
}

// A count of cents typed as 12, 12.5 or 12.50.
QString typed(qint64 cents, quint32 style)
{
    const QString text = QString::number(cents / 100) + u'.' + QString::number(cents % 100).rightJustified(2, u'0');
    return style == 0 && cents % 100 == 0 ? text.chopped(3) : style == 1 && cents % 10 == 0 ? text.chopped(1) : text;
}

// An operation on "a b" (currency ticks or whole numbers), checked both ways round where it commutes.
template <typename Op> std::function<QString(const QVariant &)> binary(Op op, bool commutes = true)
{
    return [op, commutes](const QVariant &v) {
        const auto apply = [op](qint64 a, qint64 b) {
            try {
                return op(a, b);
            } catch (const NumberOverflow &) {
                return u"overflow"_s;
            }
        };
        const qint64 a = v.toString().section(u' ', 0, 0).toLongLong(), b = v.toString().section(u' ', 1).toLongLong();
        return !commutes || apply(a, b) == apply(b, a) ? apply(a, b) : u"not both ways round"_s;
    };
}

// The functions under test by name, each on a field text (or a double) giving its result as text.
QHash<QString, std::function<QString(const QVariant &)>> makeFunctions()
{
    using V = const QVariant &;
    QHash<QString, std::function<QString(V)>> all{
        {"read", [](V v) { return shortest(readNumber(v.toString())); }},
        {"single", [](V v) { return shortest(readSingle(v.toString())); }},
        {"single∞", [](V v) { return shortest(readSingleOrInfinity(v.toString())); }},
        {"w16", [](V v) { return QString::number(readWhole16(v.toString())); }},
        {"w32", [](V v) { return QString::number(readWhole32(v.toString())); }},
        {"currency", [](V v) { return ticks(readCurrency(v.toString())); }},
        {"money", [](V v) {
             const std::optional<Currency> c = parseLocaleCurrency(v.toString());
             return c ? ticks(*c) : u"none"_s;
         }},
        {"locale", [](V v) {
             const std::optional<double> n = parseLocaleNumber(v.toString());
             // The currency reading of the same text agrees, and refuses what money cannot hold.
             bool agrees = n && std::fabs(*n) >= 1e15;
             try {
                 const std::optional<Currency> c = parseLocaleCurrency(v.toString());
                 agrees = n ? !agrees && c && *c == Currency::fromDouble(*n) : !c;
             } catch (const NumberOverflow &) {
             }
             return !agrees ? u"currency reading differs"_s : n ? shortest(*n) : u"none"_s;
         }},
        {"toWhole16", [](V v) { return QString::number(toWhole16(v.toDouble())); }},
        {"toWhole32", [](V v) { return QString::number(toWhole32(v.toDouble())); }},
        {"toSingle", [](V v) { return shortest(toSingle(v.toDouble())); }},
        {"ticks", [](V v) {
             const Currency c = Currency::fromDouble(v.toDouble());
             return c.toDouble() == double(c.ticks()) / 10000 ? ticks(c) : u"toDouble differs"_s;
         }},
        {"cur", [](V v) {
             const QString text = formatCurrency(v.toDouble());
             return text == formatCurrency(Currency::fromDouble(v.toDouble())) ? text : u"money differs"_s;
         }},
        {"plain", [](V v) { return plainText(v.toDouble()); }},
        {"plainf", [](V v) { return plainText(v.toFloat()); }},
    };
    all.insert(u"job"_s, [](V v) { return costOf(v.toString()); });
    all.insert(u"totals"_s, [](V v) { return totals(v.toString()); });
    const auto cents = [](qint64 ticks) { return Currency::fromTicks(ticks); };
    all.insert(u"w16*"_s, binary([](qint64 a, qint64 b) { return QString::number(multiplyWhole16(a, b)); }));
    all.insert(u"w32*"_s, binary([](qint64 a, qint64 b) { return QString::number(multiplyWhole32(a, b)); }));
    all.insert(u"*"_s, binary([cents](qint64 a, qint64 b) { return ticks(cents(a) * cents(b)); }));
    all.insert(u"+"_s, binary([cents](qint64 a, qint64 b) { return ticks(cents(a) + cents(b)); }));
    all.insert(u"-"_s, binary([cents](qint64 a, qint64 b) { return ticks(cents(a) - cents(b)); }, false));
    all.insert(u"$"_s, binary([cents](qint64 a, qint64) { return formatCurrency(cents(a)); }, false));
    // A trailing "f" formats the value taken as single.
    for (const auto &[name, pattern] : {std::pair{".00", Pattern::NoLeadingZero}, {"0.##", Pattern::TrimmedTwo},
                                        {"##,##0.00", Pattern::GroupedTwo}, {"$#0.00", Pattern::GridDollar}}) {
        all.insert(name, [p = pattern](V v) { return formatNumber(v.toDouble(), p); });
        all.insert(name + u"f"_s, [p = pattern](V v) { return formatNumber(v.toFloat(), p); });
    }
    return all;
}
const auto functions = makeFunctions();

// Rows "function input" → expected text, "overflow" where the function throws NumberOverflow.
template <typename Input> void rows(const char *fn, const QList<std::pair<Input, QString>> &rows)
{
    for (const auto &[input, expected] : rows)
        QTest::addRow("%s %s = %s", fn, qPrintable(QVariant(input).toString().left(30)), qPrintable(expected))
            << fn << QVariant(input) << expected;
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void convert_data()
    {
        QTest::addColumn<QString>("fn");
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<QString>("expected");
        const QString nines(20000, u'9'), zeros(20000, u'0');
        // Exactly halfway between 1 and the next double: a digit far past the kept ones breaks the tie.
        const QString tie = u"1.00000000000000011102230246251565404236316680908203125"_s;
        rows<QString>("read", {{"12 5", "125"}, {"1,200", "1"}, {".5", "0.5"}, {"8'", "8"}, {"3.5\"", "3.5"},
            {"$12", "0"}, {"&HFF", "255"}, {"&O17", "15"}, {"1D2", "100"}, {"- 3", "-3"}, {"", "0"}, {" \t\n", "0"},
            {"word", "0"}, {"+7", "7"}, {"--3", "0"}, {"-.", "0"}, {".", "0"}, {"5.", "5"}, {"1.2.3", "1.2"},
            {"007", "7"}, {"-0", "0"}, {"\t1\n2 . 5", "12.5"}, {"1\r2", "1"}, {"100 ft", "100"},
            {"10001.5", "10001.5"}, {"0.1", "0.1"}, {"0.30000000000000004", "0.30000000000000004"},
            {"123456789012345678901234567890", "1.2345678901234568e+29"}, {"1e3", "1000"}, {"2.5E-1", "0.25"},
            {"1d-2", "0.01"}, {"1 E + 2", "100"}, {"1E", "1"}, {"1E+", "1"}, {"1Ex", "1"}, {"1E308", "1e+308"},
            {"1E309", "inf"}, {"-1E309", "-inf"}, {"1E-400", "0"}, {"4.9406564584124654E-324", "5e-324"},
            {"&hff", "255"}, {"& H 1 0", "16"}, {"&H1G", "1"}, {"&HA.5", "10"}, {"&HF-1", "15"}, {"&HFFFF", "65535"},
            {"&O8", "0"}, {"&H", "0"}, {"&X1", "0"}, {"&", "0"}, {"-&H10", "0"}, {"1E" + nines, "inf"},
            {"1E-" + nines, "0"}, {nines, "inf"}, {"0." + zeros + "1", "0"}, {"1" + zeros + "E-20000", "1"},
            {"0." + zeros + "1E20001", "1"}, {QString(2000, u'1') + "E-1999", "1.1111111111111112"},
            {tie + zeros, "1"}, {tie + zeros + "1", "1.0000000000000002"}, {"&H" + QString(400, u'F'), "inf"},
            {"&HFFFFFFFFFFFFF", "4503599627370495"}, {QString(100000, u' ') + "7", "7"}});
        rows<QString>("single", {{"12.3", "12.3"}, {"1E39", "overflow"}});
        rows<QString>("w16", {{"2.5", "2"}, {"32768", "overflow"}});
        rows<QString>("w32", {{"40000.5", "40000"}, {"&H80000000", "overflow"}});
        rows<QString>("currency", {{"19.84", "198400"}, {"1E15", "overflow"}});
        // Unlike readSingle, past the single range is an infinity of its sign.
        rows<QString>("single∞", {{"12.3", "12.3"}, {"", "0"}, {"-20", "-20"}, {"3.4028234E38", "3.4028235e+38"},
            {"3.4028235E38", "inf"}, {"1E39", "inf"}, {"-1E39", "-inf"}, {"1E999", "inf"}});
        rows<QString>("locale", {{"$1,234.50", "1234.5"}, {"$1234.50", "1234.5"}, {"($5.00)", "-5"},
            {"-$5.00", "-5"}, {"$-5.00", "-5"}, {"100", "100"}, {"  $0.00 ", "0"}, {"$ 7", "7"}, {"( $5.00 )", "-5"},
            {"690.", "690"}, {".5", "0.5"}, {"1,600.00", "1600"}, {"1,23", "123"}, {"5.25$", "5.25"}, {"+3", "3"},
            {"$1,234,567.88", "1234567.88"}, {"-$0.00", "0"},
            {"123456789012345678901234567890", "1.2345678901234568e+29"}, {"$5$", "none"}, {"", "none"},
            {"   ", "none"}, {"abc", "none"}, {"$", "none"}, {"-", "none"}, {"()", "none"}, {"(5", "none"},
            {"5)", "none"}, {"(-5)", "none"}, {"$1,234.50abc", "none"}, {"1.2.3", "none"}, {"--5", "none"},
            {"$$5", "none"}, {",5", "none"}, {"1,,234", "none"}, {"1.2,3", "none"}, {"5-", "none"}, {"1E3", "none"}});
        rows<QString>("money", {{"1234.5678", "12345678"}, {"1234.56789", "12345679"}, {"0.00005", "0"},
            {"0.00015", "2"}, {"0.000250000", "2"}, {"0.0000500001", "1"}, {"($0.00015)", "-2"},
            {"000000000000000000001.5", "15000"}, {"922,337,203,685,477.5807", "9223372036854775807"},
            {"922,337,203,685,477.5808", "overflow"}, {"99999999999999999999", "overflow"}});
        const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
        const double largest = std::numeric_limits<float>::max(), denorm = std::numeric_limits<double>::denorm_min();
        rows<double>("toWhole16", {{2.5, "2"}, {3.5, "4"}, {5.5, "6"}, {0.5, "0"}, {1.5, "2"}, {-2.5, "-2"},
            {-3.5, "-4"}, {2.5000000000000004, "3"}, {2.4999999999999996, "2"}, {-1e-300, "0"}, {32767.4, "32767"},
            {32767.5, "overflow"}, {-32768.5, "-32768"}, {-32768.6, "overflow"}, {inf, "overflow"},
            {nan, "overflow"}});
        rows<double>("toWhole32", {{4.5, "4"}, {40000.5, "40000"}, {2147483647.4, "2147483647"},
            {2147483647.5, "overflow"}, {-2147483648.5, "-2147483648"}, {-2147483649, "overflow"},
            {-inf, "overflow"}});
        rows<double>("toSingle", {{0.1, "0.1"}, {0.3, "0.3"}, {675.0 * double(0.3f), "202.50002"},
            {1234567.89, "1234567.9"}, {largest, "3.4028235e+38"}, {largest + std::ldexp(1.0, 102), "3.4028235e+38"},
            {largest + std::ldexp(1.0, 103), "overflow"}, {1e39, "overflow"}, {-1e39, "overflow"}, {inf, "overflow"},
            {nan, "overflow"}, {1e-50, "0"}});
        // Decimal ties whose binary values are not ties (0.00005 and on): the binary value decides.
        rows<double>("ticks", {{85, "850000"}, {19.84, "198400"}, {0.03125, "312"}, {0.09375, "938"},
            {-0.03125, "-312"}, {0.00005, "1"}, {1.00005, "10001"}, {0.00015, "1"}, {std::ldexp(1.0, -16), "0"},
            {7 + std::ldexp(1.0, -16), "70000"}, {0.99999, "10000"}, {double(202.50002f), "2025000"},
            {double(2.675f), "26750"}, {denorm, "0"}, {-0.0, "0"}, {922337203685477, "9223372036854770000"},
            {-922337203685477.5, "-9223372036854775000"}, {922337203685478, "overflow"}, {2e15, "overflow"},
            {1e300, "overflow"}, {inf, "overflow"}, {nan, "overflow"}});
        const auto footing = [](qint16 w, qint16 d, float l) { return multiplyWhole16(w, d) * .000257 * double(l); };
        rows<double>(".00", {{8 * 100 * 8 * 0.0031, "19.84"}, {4 * 10 * 8 * 0.0031, ".99"},
            {10 * 137 * 12 * 0.0031, "50.96"}, {footing(16, 8, 100), "3.29"}, {footing(24, 24, 50), "7.40"},
            {footing(8, 8, 10), ".16"}, {0.5, ".50"}, {1.984, "1.98"}, {0.0, ".00"}, {0.125, ".13"}, {1.005, "1.01"},
            {2.675, "2.68"}, {0.995, "1.00"}, {0.004999, ".00"}, {-0.5, "-.50"}, {-1.005, "-1.01"}, {-0.001, ".00"},
            {-0.0, ".00"}, {1234567.891, "1234567.89"}, {1.5e20, "150000000000000000000.00"}, {inf, "overflow"}});
        rows<double>(".00f", {{2.675, "2.68"}, {1.005, "1.01"}, {0.125, ".13"}, {1234567.875, "1234568.00"}});
        rows<double>("0.##", {{200, "200."}, {2.5, "2.5"}, {20. * 10 * 4 * .0031, "2.48"},
            {30.0 * 3 * 3.5 * 0.0031, "0.98"}, {0.125, "0.13"}, {1.005, "1.01"}, {2.675, "2.68"}, {0.995, "1."},
            {129.0 * 0.15 + 129.0, "148.35"}, {0.0, "0."}, {0.001, "0."}, {-2.5, "-2.5"}, {1e6, "1000000."}});
        rows<double>("0.##f", {{148.35 / 500, "0.3"}, {37.5, "37.5"}, {675.0 * double(0.3f), "202.5"},
            {2.675, "2.68"}, {std::nan(""), "overflow"}});
        rows<double>("##,##0.00", {{1234.5, "1,234.50"}, {0.5, "0.50"}, {0.0, "0.00"}, {999.994, "999.99"},
            {999.995, "1,000.00"}, {1e6, "1,000,000.00"}, {-1234.5, "-1,234.50"}, {123456789.125, "123,456,789.13"}});
        rows<double>("##,##0.00f", {{20.0 / 2 * 8, "80.00"}, {1600, "1,600.00"}});
        rows<double>("$#0.00", {{1234.5, "$1234.50"}, {0.0, "$0.00"}, {.25, "$0.25"}, {-5, "-$5.00"},
            {0.005, "$0.01"}, {1234567.875, "$1234567.88"}});
        // A negative amount rounds on its own magnitude: 49 ticks are under half a cent, 50 are not.
        rows<double>("cur", {{-0.0049, "$0.00"}, {-0.005, "($0.01)"}, {0.0049, "$0.00"}, {0.005, "$0.01"},
            {double(toSingle(1234567.89)), "$1,234,567.88"}, {0.0, "$0.00"}, {-1234.5, "($1,234.50)"},
            {-0.001, "$0.00"}, {2.675, "$2.68"}, {double(2.675f), "$2.68"}, {1e6, "$1,000,000.00"},
            {98765432109876.5625, "$98,765,432,109,876.56"}, {inf, "overflow"}, {1e300, "overflow"}});
        rows<double>("plain", {{324.0 / 4, "81"}, {324.0 / 10, "32.4"}, {324.0 / 7, "46.2857142857143"},
            {324.0 / 11, "29.4545454545455"}, {12 * (12.5 * 0.75), "112.5"}, {0.1 + 0.2, "0.3"}, {0.0, "0"},
            {-0.0, "0"}, {0.5, "0.5"}, {-0.5, "-0.5"}, {1e6, "1000000"}, {123456789012345.0, "123456789012345"},
            {1234567890123456.0, "1.23456789012346E+15"}, {1e15, "1E+15"}, {0.0001, "0.0001"}, {0.00001, "1E-05"},
            {-1.5e300, "-1.5E+300"}, {-inf, "overflow"}});
        rows<double>("plainf", {{58.0 / 6, "9.666667"}, {58.0 / 12 / 2, "2.416667"},
            {double(675.0f * 0.3f), "202.5"}, {double(563.0f * 0.3f), "168.9"},
            {double(300.0f + 80.0f + 46.72f), "426.72"}, {1e6, "1000000"}, {16777216.0, "1.677722E+07"},
            {0.1, "0.1"}});
        const QString max = QString::number(std::numeric_limits<qint64>::max()), maxLess1 = u"9223372036854775806"_s;
        const QString min = QString::number(std::numeric_limits<qint64>::min()), minMore1 = u"-9223372036854775807"_s;
        rows<QString>("w16*", {{"16 8", "128"}, {"24 24", "576"}, {"181 181", "32761"}, {"182 181", "overflow"},
            {"-128 256", "-32768"}, {"-182 181", "overflow"}, {"-32768 -1", "overflow"}});
        rows<QString>("w32*", {{"46340 46340", "2147395600"}, {"65536 32768", "overflow"}});
        rows<QString>("*", {{"80000 1000000", "8000000"}, {"8000000 80000", "64000000"},
            {"198400 850000", "16864000"}, {"1 5000", "0"}, {"3 5000", "2"}, {"1 5001", "1"}, {"-3 5000", "-2"},
            {"-20000 -30000", "60000"}, {"1000000000000 900000000", "90000000000000000"}, {max + " 10000", max},
            {min + " 10000", min}, {"281474976710656 281474976710656", "overflow"},
            {"1000000000000 1000000000000", "overflow"}, {min + " -10000", "overflow"}});
        rows<QString>("+", {{maxLess1 + " 1", max}, {minMore1 + " -1", min}, {"12345 -345", "12000"},
            {max + " 1", "overflow"}, {min + " -1", "overflow"}});
        rows<QString>("-", {{"100 250", "-150"}, {"100 -250", "350"}, {maxLess1 + " -1", max},
            {min + " 1", "overflow"}, {max + " -1", "overflow"}});
        // The currency form of amounts whose cents a double cannot hold.
        rows<QString>("$", {{max, "$922,337,203,685,477.58"}, {min, "($922,337,203,685,477.58)"},
            {"90071992547409934", "$9,007,199,254,740.99"}, {"-149", "($0.01)"}});
        // Costs single precision had a cent off, each page's largest, and past two decimals (kept to four).
        rows<QString>("job", {{"flatwork: 876.06 at 253", "$221,643.18"},
            {"flatwork: 16609.8 at 1000", "$16,609,800.00"}, {"flatwork: 35539.96 at 1.44", "$51,177.54"},
            {"flatwork: 299999 at 85", "$25,499,915.00"}, {"brick: 400000 at .54", "$216,000.00"},
            {"footing: 2039.93 at 1241", "$2,531,553.13"}, {"piers: 10001 at 10001", "$100,020,001.00"},
            {"poured walls: 10001 at 10001", "$100,020,001.00"}, {"rebar: 110001 at 110001", "$12,100,220,001.00"},
            {"rebar: 458.78 at .125", "$57.35"}, {"block: 300001 at 300001", "$90,000,600,001.00"},
            {"block: 1 at 0.005", "$0.01"}, {"welded wire: 10001 at 99999.99", "$1,000,099,899.99"},
            {"costText: 1E999 at 1", "overflow"}, {"costText: 1000000000 at 1000000", "overflow"}});
        for (const Page &p : pages)
            rows<QString>("job", {{p.name + u": 19.84 at 85"_s, "$1,686.40"},
                {p.name + u": 1080 at .45"_s, "$486.00"}, {p.name + u": 0.92 at 45"_s, "$41.40"}});
        // A sum past the range of money leaves the sub totals; an amount too large for it counts 0.
        rows<QString>("totals", {{"$0.00|$0.00/$0.00|$0.00", "$0.00 $0.00 $0.00 $0.00 $0.00 $0.00 $0.00 $0.00"},
            {"1200|$300.00/$1,686.40|$41.40",
             "$1,500.00 $1,727.80 $3,227.80 $2,886.40 $341.40 $1200.00 $300.00 $1686.40"},
            {"0.10|0.20/0.70|0.01", "$0.30 $0.71 $1.01 $0.80 $0.21 $0.10 $0.20 $0.70"},
            {"abc|1,,2/$5.00|", "$0.00 $5.00 $5.00 $5.00 $0.00 abc 1,,2 $5.00"},
            {"($5.00)|-$2.50/10|", "($7.50) $10.00 $2.50 $5.00 ($2.50) -$5.00 -$2.50 $10.00"},
            {"1|2|3|4|5|6|7|8/10|20|30|40|50|60|70|80", "$36.00 $360.00 $396.00 $11.00 $22.00 $1.00 $2.00 $10.00"},
            {"900000000000000|900000000000000/1000000000000000000000",
             "before before $0.00 $900,000,000,000,000.00 "
             "$900,000,000,000,000.00 $900000000000000.00 $900000000000000.00 $1000000000000000000000.00"}});
    }
    void convert()
    {
        QFETCH(QString, fn);
        QFETCH(QVariant, input);
        QFETCH(QString, expected);
        QVERIFY(functions.contains(fn));
        try {
            QCOMPARE(functions[fn](input), expected);
        } catch (const NumberOverflow &) {
            QCOMPARE(u"overflow"_s, expected);
        }
    }

    // Any quantity and price within a page's bounds costs their exact product rounded half up to the cent.
    void randomJobs()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (const Page &page : pages) {
            for (int draw = 0; draw < 500; ++draw) {
                // Small amounts as often as large ones: the digits drawn first, then the size.
                const qint64 quantity = 1 + random.bounded(1ll, page.quantityLimit) / (draw % 3 == 0 ? 1000 : 1);
                const qint64 price = 1 + random.bounded(1ll, page.priceLimit) / (draw % 2 == 0 ? 100 : 1);
                const QString job = QString::fromLatin1(page.name) + u": " + typed(quantity, random.bounded(3u)) +
                                    u" at " + typed(price, random.bounded(3u));
                // Ten-thousandths rounded half up to whole cents, worked out with integers.
                const QString expected = formatCurrency(Currency::fromTicks((quantity * price + 50) / 100 * 100));
                QVERIFY2(costOf(job) == expected, qPrintable(u"seed %1: %2 gave %3"_s.arg(seed).arg(job, costOf(job))));
            }
        }
    }

    // 0.5 as ".00"; 1234567.5 grouped, in grid and currency form; 2.5 as plain text; Qt's currency form.
    void locales_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("texts");
        const auto row = [](const char *name, const QStringList &texts = {}) { QTest::newRow(name) << name << texts; };
        row("C", {".50", "1,234,567.50", "$1234567.50", "$1,234,567.50", "2.5"});
        row("de_DE", {",50", "1.234.567,50", "$1234567,50", "1.234.567,50\u00a0€", "2,5"});
        row("de_CH", {".50", "1’234’567.50", "$1234567.50", "1’234’567.50\u00a0CHF", "2.5"});
        row("ja_JP", {".50", "1,234,567.50", "$1234567.50", "￥1,234,568", "2.5"});
        for (auto name : {"en_US", "en_GB", "en_IN", "fr_FR", "nl_NL", "sv_SE", "pt_BR", "ar_EG", "he_IL", "fa_IR"})
            row(name);
    }
    void locales()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, texts);
        QLocale::setDefault(QLocale(locale));
        // Currencies without decimals get whole amounts; direction marks around the Persian form.
        const bool whole = locale == u"ja_JP" || locale == u"fa_IR";
        for (double value : {1234567.25, -1234567.25, 5.5, -0.5, 0.0}) {
            value = whole ? std::trunc(value) + 0.0 : value;
            const QString expected = QLocale().toCurrencyString(value);
            if (locale != u"C") // which falls back to US conventions
                QCOMPARE(formatCurrency(value), expected);
            QCOMPARE(parseLocaleNumber(formatCurrency(value)), value);
        }
        if (texts.isEmpty())
            return;
        QCOMPARE((QStringList{formatNumber(0.5, Pattern::NoLeadingZero), formatNumber(1234567.5, Pattern::GroupedTwo),
                              formatNumber(1234567.5, Pattern::GridDollar), formatCurrency(1234567.5), plainText(2.5)}),
                 texts);
        // Field texts read the period whatever the locale; what is written in the locale's form reads back.
        QCOMPARE(readNumber(u"2,5"), 2.0);
        QCOMPARE(readNumber(u"2.5"), 2.5);
        for (const QString &text : {texts[1], texts[2]})
            QCOMPARE(parseLocaleNumber(text), 1234567.5);
    }
};

MORTARIX_CORE_TEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
