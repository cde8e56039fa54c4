// What to order: each figure with exact multiples, a hair more, zero and huge quantities; metric
// texts; and the order list of a job as a spreadsheet reads it.
#include "core/MaterialOrder.h"
#include "support/CoreTestSupport.h"

using namespace MaterialOrder;

namespace {

// The defaults, with yields of their own so a change of default leaves these figures alone.
MaterialFactors factors()
{
    MaterialFactors f = MaterialFactors::defaults();
    f.mortarBagsPer100Block = Numbers::readCurrency(u"3.5");
    f.sandPer1000Brick = Numbers::readCurrency(u"0.75");
    f.groutPer100Block = Numbers::readCurrency(u"0.85");
    return f;
}

} // namespace

class TestMaterialOrder : public QObject
{
    Q_OBJECT

private slots:
    // "figure|a|b|c|d|e" -> result: each figure on texts, so the rows read as the cases they are.
    void figures_data()
    {
        QTest::addColumn<QString>("figure"); QTest::addColumn<QString>("result");
        const QList<std::pair<const char *, const char *>> rows = {
            {"whole|10|0", "10"}, {"whole|10.0001|0", "11"}, {"whole|100|5", "105"}, {"whole|100.0001|5", "106"},
            {"whole|0|5", "0"}, {"whole|1080|5", "1134"}, {"whole|900000000|50", "1350000000"}, {"whole|19.05|0", "20"},
            {"increment|3.29|5|0.25", "3.5"}, {"increment|1|0|0.25", "1"}, {"increment|1.0001|0|0.25", "1.25"},
            {"increment|0.2381|5|0.25", "0.5"}, {"increment|0|5|0.25", "0"}, {"increment|19.84|0|0.01", "19.84"},
            {"bags|1|0|0.60", "45"}, {"bags|1|0|0.45", "60"}, {"bags|1.0001|0|0.60", "46"}, {"bags|0.5|5|0.60", "24"},
            {"sticks|55|0|20|40|0.5", "3"}, {"sticks|55.0001|0|20|40|0.5", "4"}, {"sticks|100|10|20|40|0.5", "6"},
            {"sticks|430|0|20|40|0.625", "24"}, {"sticks|0|10|20|40|0.5", "0"}, {"sticks|10|0|1|40|0.5", "none"},
            {"sticks|10|0|20|0|0.5", "1"}, {"sticks|1000000|0|60|0|1.27", "16667"},
            {"bagsPer|100|3.5|100", "4"}, {"bagsPer|200|3.5|100", "7"}, {"bagsPer|1000|7|1000", "7"},
            {"bagsPer|1001|7|1000", "8"}, {"bagsPer|0|7|1000", "0"},
            {"volumePer|100|0.85|100", "0.85"}, {"volumePer|101|0.85|100", "0.86"},
            {"m3|1", "0.765 m³"}, {"m3|3.5", "2.676 m³"}, {"m3|0", "0.000 m³"}, {"kg|100", "45.4 kg"},
            {"kg|1335.6", "605.8 kg"}, {"m|20", "6.10 m"}, {"m|1", "0.30 m"}, {"m|0.0164", "0.00 m"},
            // Factors at the ends of their ranges.
            {"increment|3.29|5|10", "10"}, {"increment|3.29|50|0.01", "4.94"}, {"bags|0.5|0|0.01", "1350"},
            {"bags|0.5|0|2", "7"}, {"sticks|100|0|20|100|1.27", "11"}, {"sticks|100|50|1|0|0.5", "150"},
            {"bar|1 1/4\"", "#10 1.27 4.303"}, {"bar|1/2\"", "#4 0.5 0.668"}, {"bar|5/8\"", "#5 0.625 1.043"},
            {"bar|3/4\"", "#6 0.75 1.502"}, {"bar|1\"", "#8 1 2.67"}, {"bar|7/8\"", "none"}};
        for (const auto &[figure, result] : rows)
            QTest::newRow(figure) << figure << result;
    }
    void figures()
    {
        QFETCH(QString, figure); QFETCH(QString, result);
        const QStringList a = figure.split('|');
        const auto at = [&a](int i) { return Numbers::readCurrency(a.value(i)); };
        const auto number = [](Amount value) { return QString::number(value.toDouble(), 'g', 12); };
        QString got;
        if (a[0] == "whole")
            got = QString::number(wholeWithWaste(at(1), at(2)));
        else if (a[0] == "increment")
            got = number(upToIncrement(at(1), at(2), at(3)));
        else if (a[0] == "bags")
            got = QString::number(premixBags(at(1), at(2), at(3)));
        else if (a[0] == "sticks") {
            const auto count = sticks(at(1), at(2), at(3), at(4), at(5));
            got = count ? QString::number(*count) : "none";
        } else if (a[0] == "bagsPer")
            got = QString::number(bagsPer(a[1].toLongLong(), at(2), a[3].toInt()));
        else if (a[0] == "volumePer")
            got = number(volumePer(a[1].toLongLong(), at(2), a[3].toInt()));
        else if (a[0] == "m3")
            got = cubicMetres(at(1));
        else if (a[0] == "kg")
            got = kilograms(at(1));
        else if (a[0] == "m")
            got = metres(at(1));
        else if (const auto bar = barOf(a[1]))
            got = bar->number + ' ' + number(bar->diameterInches) + ' ' + number(bar->poundsPerFoot);
        else
            got = "none";
        QCOMPARE(got, result);
    }

    // Every posted row in grid order with its lines; rows never posted are left out.
    void orderList()
    {
        Job job;
        job.posted = {
            {8, "Brick", "", "1089 bricks", "", "", "", "", {}},
            {1, "Footings", "", "3.29 cu yd", "", "", "", "", {}},
            {3, "Rebar", "", "458.78 lin ft", "", "", "", "", {{"Option3(0)", "1/2\""}}},
            {4, "Flatwork", "", "0.5 cu yd", "", "", "", "", {}},
            {5, "Welded Wire", "", "2 rolls", "", "", "", "", {{"MyWWcbo_size", "150 '"}}},
            {6, "Block", "", "1,080 blocks", "", "", "", "", {{"BLCKopt(0)", "8 x 8 x 16"}}},
            {2, "Piers", "", "0 cu yd", "", "", "", "", {}}};
        QCOMPARE(tabSeparated(of(job, factors(), true), true).split('\n'),
                 QString("Item\tMaterial\tQuantity\tUnit\tFactor\tMetric\n"
                 "Footings\tReady-mix concrete\t3.50\tcu yd\t+5 % waste, in 0.25 cu yd steps\t2.676 m³\n"
                 "Rebar\t#4 rebar (1/2\"), 20 ft sticks\t28\tsticks\t+10 % waste, laps of 40 bar diameters\tof 6.10 m\n"
                 "Rebar\t#4 rebar weight\t374.08\tlb\t0.668 lb/ft (ASTM A615)\t169.7 kg\n"
                 "Flatwork\tReady-mix concrete\t0.75\tcu yd\t+5 % waste, in 0.25 cu yd steps\t0.573 m³\n"
                 "Flatwork\tor premix, 80 lb bags\t24\tbags\t0.60 cu ft a bag, +5 % waste\t\n"
                 "Flatwork\tor premix, 60 lb bags\t32\tbags\t0.45 cu ft a bag, +5 % waste\t\n"
                 "Flatwork\tor premix, 40 lb bags\t48\tbags\t0.30 cu ft a bag, +5 % waste\t\n"
                 "Welded Wire\tWelded wire fabric, 150 ' rolls\t2\trolls\t+0 % waste\t\n"
                 "Block\tBlock, 8 x 8 x 16\t1134\tblocks\t+5 % waste\t\n"
                 "Block\tMortar, 80 lb mason mix\t40\tbags\t3.5 bags per 100 block\t\n"
                 "Block\tGrout, every core filled\t9.64\tcu yd\t0.85 cu yd per 100 block\t7.370 m³\n"
                 "Brick\tBrick\t1144\tbricks\t+5 % waste\t\n"
                 "Brick\tMasonry cement, 70 lb\t9\tbags\t7 bags per 1,000 brick\t\n"
                 "Brick\tMortar sand\t0.86\tcu yd\t0.75 cu yd per 1,000 brick\t0.658 m³\n").split('\n'));
        // Cores left empty: no grout; no metric column.
        const QString plain = tabSeparated(of(job, factors(), false), false);
        QVERIFY(!plain.contains("Grout") && !plain.contains("m³"));
        QVERIFY(plain.startsWith("Item\tMaterial\tQuantity\tUnit\tFactor\n"));
    }
    void csvQuoting()
    {
        Job wire;
        wire.posted = {{5, "Welded Wire", "", "2 rolls", "", "", "", "", {}}};
        const QString html = htmlTable(of(wire, factors(), false), false);
        QVERIFY(html.contains("<thead><tr style=\"background-color:#e8e8e8\"><th align=\"left\">Item</th>"));
        QVERIFY(html.count("<thead>") == 1 && html.contains("<td align=\"right\">2</td><td align=\"left\">rolls"));
        Job job;
        job.posted = {{5, "Wire, \"heavy\"", "", "2 rolls", "", "", "", "", {}},
                      {3, "Rebar", "", "100 lin ft", "", "", "", "", {{"Option3(3)", "1\""}}}};
        QCOMPARE(csv(of(job, factors(), false), false),
                 "Item,Material,Quantity,Unit,Factor\r\n"
                 "Rebar,\"#8 rebar (1\"\"), 20 ft sticks\",7,sticks,\"+10 % waste, laps of 40 bar diameters\"\r\n"
                 "Rebar,#8 rebar weight,373.8,lb,2.670 lb/ft (ASTM A615)\r\n"
                 "\"Wire, \"\"heavy\"\"\",Welded wire fabric,2,rolls,+0 % waste\r\n");
    }
};

MORTARIX_CORE_TEST_MAIN(TestMaterialOrder)
#include "tst_materialorder.moc"
