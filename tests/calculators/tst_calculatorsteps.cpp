// The calculators' arithmetic, step by step: inputs as the fields hold them, and what each step shows.
#include "support/CalculatorTestKit.h"

#include "core/BlockSteps.h"
#include "core/BrickSteps.h"
#include "core/ConcreteSteps.h"
#include "core/RebarSteps.h"
#include "core/WeldedWireSteps.h"

using namespace CalculatorTestKit;

namespace {

using Run = std::function<StepOutcome(const QStringList &)>;

struct Step
{
    Run run;
    QStringList fields;  // the results a step writes, in order
    QStringList emptied; // the fields it empties past a bound
};

#define IN2(f) [](const QStringList &a) { return f(a[0], a[1]); }
#define IN3(f) [](const QStringList &a) { return f(a[0], a[1], a[2]); }
#define IN4(f) [](const QStringList &a) { return f(a[0], a[1], a[2], a[3]); }
#define NUM(f) [](const QStringList &a) { return result(QString::number(f(a[0].toInt()))); }

StepOutcome result(const QString &text)
{
    return StepOutcome::write(QStringLiteral("result"), text);
}

const QMap<QString, Step> &stepTable()
{
    using namespace ConcreteSteps;
    const QStringList none;
    const QStringList flat{FlatworkVolume, FlatworkArea};
    const QStringList wire{WeldedWire::kArea, WeldedWire::kAllowance, WeldedWire::kRolls};
    const QStringList rebarAll{Rebar::kHorizontalFeet, Rebar::kVerticalFeet, Rebar::kMatFeet, Rebar::kTotalFeet};
    static const QMap<QString, Step> table{
        {"wallV", {IN3(pouredWallVolume), {WallVolume}, {WallVolume}}},
        {"wallC", {IN2(pouredWallCost), {WallCost}, {WallCost}}},
        {"footV", {IN3(footingVolume), {FootingVolume}, {FootingVolume}}},
        {"footC", {IN2(footingCost), {FootingCost}, {FootingCost}}},
        {"pierV", {IN4(pierVolume), {PierVolume}, none}},
        {"pierC", {IN2(pierCost), {PierCost}, none}},
        {"flatV", {IN3(flatworkVolume), flat, flat}},
        {"flatC", {IN2(flatworkCost), {FlatworkCost}, {FlatworkCost}}},
        {"slab", {[](const QStringList &a) {
                      const auto covered = slabCoverage(a[0]);
                      return covered ? result(*covered) : StepOutcome::dataMissing();
                  },
                  {"result"}, none}},
        {"blockQ", {IN2(Block::quantityStep), {Block::kQuantity}, {Block::kQuantity}}},
        {"blockC", {IN2(Block::costStep), {Block::kCost}, {Block::kCost}}},
        {"brickA", {IN3(Brick::squareFeetStep), {Brick::kArea, Brick::kCount}, {Brick::kWallLength}}},
        {"brickR", {IN2(Brick::recount), {Brick::kCount}, none}},
        {"brickC", {IN2(Brick::costStep), {Brick::kCost}, {Brick::kCost}}},
        {"perHundred", {NUM(Brick::bricksPerHundred), {"result"}, none}},
        {"rebarH", {IN2(Rebar::horizontalStep), {Rebar::kHorizontalFeet}, {Rebar::kHorizontalFeet}}},
        {"rebarV", {IN3(Rebar::verticalStep), {Rebar::kVerticalFeet}, {Rebar::kVerticalFeet}}},
        {"rebarM", {IN4(Rebar::matStep), {Rebar::kMatFeet}, {Rebar::kMatFeet}}},
        {"rebarT", {IN3(Rebar::totalStep), {Rebar::kTotalFeet}, rebarAll}},
        {"rebarC", {IN2(Rebar::costStep), {Rebar::kCost}, {Rebar::kCost}}},
        {"wireA", {[](const QStringList &a) { return WeldedWire::areaStep(a[0], a[1], a[2].toInt()); }, wire, wire}},
        {"wireC", {IN2(WeldedWire::costStep), {WeldedWire::kCost}, none}},
        {"blockEntry", {NUM(Block::priceListEntry), {"result"}, none}},
        {"wireEntry", {NUM(WeldedWire::priceListEntry), {"result"}, none}},
        {"rollFeet", {NUM(WeldedWire::squareFeetPerRoll), {"result"}, none}},
        {"key", {NUM(DigitsOnlyKey), {"result"}, none}},
        {"post", {[](const QStringList &a) {
                      const auto decision = decidePost(a.mid(0, a.size() - 1), a.last());
                      return result(QStringList{"data", "labour", "post"}.at(int(decision)));
                  },
                  {"result"}, none}},
    };
    return table;
}

// One row: the step, its inputs split by '|', and "missing", "max", or its results split by '|'.
void row(const char *step, const QString &inputs, const QString &expected)
{
    const QString name = QLatin1String(step) + QLatin1Char(' ') + inputs;
    QTest::newRow(qPrintable(name)) << QString::fromLatin1(step) << inputs << expected;
}

} // namespace

class TestCalculatorSteps : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("expected");
        // Poured walls: height, length, thickness; price, volume.
        row("wallV", "8'|100'|8\"", "19.84"); row("wallV", "4'|10'|8\"", ".99"); row("wallV", "10'|137|12\"", "50.96");
        row("wallV", "2'|5000|3.5\"", "108.50"); row("wallV", "2'|5000.99|3.5\"", "108.52");
        row("wallV", "2'|5001|3.5\"", "max"); row("wallV", "101|10|4", "max"); row("wallV", "100.99|10|4", "12.52");
        row("wallV", "2|10|13", "max"); row("wallV", "8'|1E999|8\"", "max");
        row("wallV", "10'|1,200|12\"", ".37"); row("wallV", "2'|12 5|4\"", "3.10");
        row("wallV", "8'||8\"", "missing"); row("wallV", "8'|0|8\"", "missing"); row("wallV", "8'|abc|8\"", "missing");
        row("wallV", "8'|-5|8\"", "missing"); row("wallV", "|100'|8\"", "missing"); row("wallV", "8'|100'|", "missing");
        row("wallC", "85|.99", "$84.15"); row("wallC", "0.1|3", "$0.30");
        row("wallC", "10001|19.84", "$198,419.84"); row("wallC", "10002|19.84", "max");
        row("wallC", "85|10001", "$850,085.00"); row("wallC", "85|10001.01", "max");
        row("wallC", "$85|19.84", "missing"); row("wallC", "|19.84", "missing"); row("wallC", "0|19.84", "missing");
        row("wallC", "85|", "missing");
        // Footings: width, depth (whole inches, ties to even), length; price, volume.
        row("footV", "16\"|8\"|100", "3.29"); row("footV", "24\"|24\"|50", "7.40"); row("footV", "8\"|8\"|10", ".16");
        row("footV", "16\"|8\"|100 ft", "3.29"); row("footV", "8\"|8\"|10001", "164.50");
        row("footV", "8\"|8\"|10001.5", "max"); row("footV", "1|10001|1", "2.57"); row("footV", "10002|1|1", "max");
        row("footV", "10001|10001|1", "max"); row("footV", "8\"|8\"|1E999", "max");
        row("footV", "8.5\"|8\"|100", "1.64"); row("footV", "9.5\"|8\"|100", "2.06");
        row("footV", "0.4\"|8\"|100", "missing"); row("footV", "|8\"|100", "missing");
        row("footV", "16\"||100", "missing"); row("footV", "16\"|8\"|", "missing");
        row("footV", "16\"|8\"|0", "missing");
        row("footV", "16\"|8\"|ft 100", "missing"); row("footV", "16\"|8\"|-3", "missing");
        row("footC", "85|3.29", "$279.65"); row("footC", "85|7.40", "$629.00"); row("footC", "85|.16", "$13.60");
        row("footC", "10001|1", "$10,001.00"); row("footC", "10002|1", "max"); row("footC", "85|10001", "$850,085.00");
        row("footC", "85|10002", "max"); row("footC", "10001|10001", "$100,020,001.00");
        row("footC", "$85|3.29", "missing"); row("footC", "|3.29", "missing"); row("footC", "0|3.29", "missing");
        row("footC", "85|", "missing");
        // Piers: width, length, depth, quantity; price, volume. Neither empties its result.
        row("pierV", "12\"|12\"|48\"|4", "0.59"); row("pierV", "16\"|16\"|36\"|10", "1.97");
        row("pierV", "24\"|24\"|144\"|1", "1.78"); row("pierV", "24\"|24\"|20\"|25", "6.17");
        row("pierV", "8\"|16\"|96\"|19", "5."); row("pierV", "12\"|12\"|48\"|2.5", "0.3");
        row("pierV", "12\"|12\"|48\"|3.5", "0.59"); row("pierV", "12\"|12\"|48\"|51", "7.55");
        row("pierV", "12\"|12\"|48\"|52", "max"); row("pierV", "51|12\"|48\"|1", "0.63");
        row("pierV", "52|12\"|48\"|1", "max"); row("pierV", "12\"|12\"|145|1", "max");
        row("pierV", "12\"|1000|12\"|1", "3.08"); row("pierV", "51|1000|12\"|1", "max"); row("pierV", "1|1|1|1", "0.");
        row("pierV", "|12\"|48\"|4", "missing"); row("pierV", "12\"||48\"|4", "missing");
        row("pierV", "12\"|12\"||4", "missing"); row("pierV", "12\"|12\"|48\"|", "missing");
        row("pierC", "85|0.59", "$50.15"); row("pierC", "101|1", "$101.00"); row("pierC", "101.5|1", "$101.50");
        row("pierC", "110|1", "$110.00"); row("pierC", "10001|1", "$10,001.00"); row("pierC", "10002|1", "max");
        row("pierC", "85|10001", "$850,085.00"); row("pierC", "85|10001.5", "max");
        row("pierC", "$85|0.59", "missing"); row("pierC", "|0.59", "missing"); row("pierC", "0|0.59", "missing");
        row("pierC", "85|", "missing");
        // Flatwork: thickness, length, width; price, volume (only the price must be there).
        row("flatV", "4\"|20|10", "2.48|200."); row("flatV", "3.5\"|30|3", "0.98|90.");
        row("flatV", "2\"|7.5|5", "0.23|37.5"); row("flatV", "2\"|10001|1", "62.01|10001.");
        row("flatV", "2\"|1|10001", "62.01|10001."); row("flatV", "2\"|10001.5|1", "max");
        row("flatV", "2\"|1|10002", "max"); row("flatV", "10002|1|1", "max"); row("flatV", "4\"|20|1E999", "max");
        row("flatV", "|20|10", "missing"); row("flatV", "4\"||10", "missing"); row("flatV", "4\"|0|10", "missing");
        row("flatV", "4\"|abc|10", "missing"); row("flatV", "4\"|20|", "missing"); row("flatV", "4\"|20|-2", "missing");
        row("flatC", "85|2.48", "$210.80"); row("flatC", "85|", "$0.00"); row("flatC", "1000|1", "$1,000.00");
        row("flatC", "1000.5|1", "$1,000.50"); row("flatC", "1001|1", "max");
        row("flatC", "85|300000", "max");
        row("flatC", "$85|2.48", "missing"); row("flatC", "|2.48", "missing"); row("flatC", "0|2.48", "missing");
        const char *const coverage[][2] = {
            {"1", "324"}, {"2", "162"}, {"3", "108"}, {"3.5", "92.5714285714286"}, {"4", "81"}, {"5", "64.8"},
            {"5.5", "58.9090909090909"}, {"6", "54"}, {"7", "46.2857142857143"}, {"8", "40.5"}, {"9", "36"},
            {"10", "32.4"}, {"11", "29.4545454545455"}, {"12", "27"}, {"0.5", "648"}, {"0", "missing"},
            {"-2", "missing"}, {"1E999", "missing"}};
        for (const auto &[inches, feet] : coverage)
            row("slab", QLatin1String(inches) + QLatin1Char('"'), QLatin1String(feet));
        // Block: wall height, length; count, price per block.
        row("blockQ", "8'|20", "180"); row("blockQ", "3'|10", "30"); row("blockQ", "5'|10", "60");
        row("blockQ", "8'|12.5", "112.5"); row("blockQ", "8'|12.3", "110.7"); row("blockQ", "9'|4", "42");
        row("blockQ", "11'|4", "48"); row("blockQ", "13'|4", "60"); row("blockQ", "15'|4", "66");
        row("blockQ", "25'|4", "114"); row("blockQ", "25'|10000", "285000"); row("blockQ", "8'|10001", "max");
        row("blockQ", "|20", "missing"); row("blockQ", "8'|", "missing"); row("blockQ", "8'|-20", "missing");
        row("blockQ", "|99999", "missing");
        row("blockC", "180|1.25", "$225.00"); row("blockC", "112.5|2", "$225.00");
        row("blockC", "285000|1.1", "$313,500.00"); row("blockC", "1|300001", "$300,001.00");
        row("blockC", "1|300002", "max"); row("blockC", "300001|1", "$300,001.00"); row("blockC", "300001.5|1", "max");
        row("blockC", "|1.25", "missing"); row("blockC", "180|", "missing"); row("blockC", "180|0", "missing");
        // Brick: length, height, bricks per 100 sq ft (the count rounds to even); recount; cost.
        row("brickA", "20|8'|675", "160|1080"); row("brickA", "10|3'|675", "30|203");
        row("brickA", "10|3'|563", "30|169"); row("brickA", "10|5'|225", "50|112");
        row("brickA", "12.3|3'|450", "36.9|166"); row("brickA", "20||675", "0|0"); row("brickA", "20|8'|", "160|0");
        row("brickA", "0|8'|675", "0|0"); row("brickA", "10000|25'|675", "250000|1687500");
        row("brickA", "10001|8'|675", "max"); row("brickA", "|8'|675", "missing");
        row("brickR", "563|30", "168.9"); row("brickR", "450|160", "720"); row("brickR", "563|", "");
        row("brickC", "|0.45", "$0.00");
        row("brickC", "1687500|99999", "$168,748,312,500.00"); row("brickC", "1080|", "missing");
        row("brickC", "1080|0", "missing"); row("brickC", "1080|1E30", "max");
        const int perHundred[] = {0, 675, 563, 450, 338, 600, 450, 375, 300, 225, 450, 375, 300, 0};
        for (int position = -1; position <= 12; ++position)
            row("perHundred", QString::number(position), QString::number(perHundred[position + 1]));
        // Rebar: feet, rows; height, length, spacing; mat spacing, length, width, count; total; cost.
        row("rebarH", "100|3", "300"); row("rebarH", "12.5|5", "62.5"); row("rebarH", "33.3|3", "99.89999");
        row("rebarH", "100|", "0"); row("rebarH", "10000|6", "60000"); row("rebarH", "10001|2", "max");
        row("rebarH", "|3", "missing"); row("rebarH", "0|3", "missing"); row("rebarH", "-5|3", "missing");
        row("rebarV", "8'|20'|2'", "80.00"); row("rebarV", "16'|200|2'", "1,600.00");
        row("rebarV", "8'|25'|6'", "33.33");
        row("rebarV", "2'|10001|2'", "10,001.00"); row("rebarV", "2'|10001.5|2'", "max");
        row("rebarV", "|20'|2'", "missing"); row("rebarV", "8'||2'", "missing"); row("rebarV", "8'|20'|", "missing");
        row("rebarV", "8'|99999|", "missing");
        row("rebarM", "6\"|36\"|24\"|2", "46.72"); row("rebarM", "6\"|12\"|12\"|1", "3.36");
        row("rebarM", "2\"|12\"|14\"|2", "24."); row("rebarM", "6\"|12\"|12\"|30", "100.83");
        row("rebarM", "6\"|12\"|12\"|31", "max"); row("rebarM", "6\"|12\"|12\"|", "missing");
        row("rebarM", "|12\"|12\"|1", "missing"); row("rebarM", "6\"|12\"||1", "missing");
        row("rebarT", "300|80.00|46.72", "426.72"); row("rebarT", "|1,600.00|", "1600");
        row("rebarT", "60000|10,001.00|24.", "70025"); row("rebarT", "||", "missing");
        row("rebarT", "0|0.00|0.", "missing");
        row("rebarT", "100000||", "100000"); row("rebarT", "100001||", "max"); row("rebarT", "|100,001.00|", "max");
        row("rebarT", "||750000.", "750000"); row("rebarT", "||750001.", "max");
        row("rebarC", "426.72|0.45", "$192.02"); row("rebarC", "10000|1.25", "$12,500.00");
        row("rebarC", "|0.45", "$0.00"); row("rebarC", "100|0", "$0.00"); row("rebarC", "426.72|", "missing");
        row("rebarC", "110001|1", "$110,001.00"); row("rebarC", "110002|1", "max"); row("rebarC", "1|2E+05", "max");
        // Welded wire: length, width, roll (0 to 2, -1 for none); rolls, price (0 is not refused).
        row("wireA", "30|20|1", "600.|690.|0.92"); row("wireA", "12.5|10.3|0", "128.75|148.35|0.3");
        row("wireA", "50|50|2", "2500.|2875.|1.15"); row("wireA", "128.5|1|0", "128.5|147.2|0.29");
        row("wireA", "129.5|1|0", "129.5|149.5|0.3"); row("wireA", "10|10|2", "100.|115.|0.05");
        row("wireA", "30|20|-1", "600.|690."); row("wireA", "0|20|1", "0.|0.|0.");
        row("wireA", "|20|1", "missing"); row("wireA", "30||1", "missing"); row("wireA", "|99999|1", "missing");
        row("wireA", "10000|1|0", "10000.|11500.|23."); row("wireA", "10001|1|0", "max");
        row("wireA", "1|10001|0", "max"); row("wireA", "1E39|1|0", "max");
        row("wireC", "1.15|100", "$115.00"); row("wireC", "|45", "$0.00");
        row("wireC", "2|0", "$0.00"); row("wireC", "0.92|", "missing"); row("wireC", "10001|1", "$10,001.00");
        row("wireC", "10001.5|1", "max"); row("wireC", "2|1E30", "max");
        // The price-list entries of block sizes and rolls, and each roll's square feet; -1 and 0 for none.
        const int blockEntry[] = {-1, 2, 1, -1, -1}, wireEntry[] = {-1, 5, 4, 3, -1};
        const int rollFeet[] = {0, 500, 750, 2500, 0};
        for (int i = -1; i <= 3; ++i) {
            row("blockEntry", QString::number(i), QString::number(blockEntry[i + 1]));
            row("wireEntry", QString::number(i), QString::number(wireEntry[i + 1]));
            row("rollFeet", QString::number(i), QString::number(rollFeet[i + 1]));
        }
        // The labour fields' key filter: digits and control codes pass, any other character gives 0.
        for (const int code : std::initializer_list<int>{8, 9, 13, 27, 1, 3, 22, 24, 127, '0', '9'})
            row("key", QString::number(code), QString::number(code));
        for (const int code : std::initializer_list<int>{'.', '-', ',', '$', 'a', ' ', '/', ':', 0x0663})
            row("key", QString::number(code), "0");
        // "Send ": the required results, then the labour field.
        row("post", "19.84|$1.00|100", "post"); row("post", "19.84|$1.00|$0.00", "post");
        row("post", "19.84||100", "data"); row("post", "|$5.00|", "data"); row("post", "19.84|$5.00|", "labour");
    }

    void steps()
    {
        QFETCH(QString, step);
        QFETCH(QString, inputs);
        QFETCH(QString, expected);
        const Step &s = stepTable()[step];
        QStringList want{expected == "missing" ? "missing" : expected == "max" ? "maximum" : ""};
        if (expected == "max") {
            for (const QString &field : s.emptied)
                want << field + '=';
        } else if (expected != "missing" && !expected.isEmpty()) {
            const QStringList texts = expected.split('|');
            for (qsizetype i = 0; i < texts.size(); ++i)
                want << s.fields.at(i) + '=' + texts.at(i);
        }
        QCOMPARE(describe(s.run(inputs.split('|'))), want);
    }
};

MORTARIX_TEST_MAIN(TestCalculatorSteps)
#include "tst_calculatorsteps.moc"
