#include "core/MaterialOrder.h"

#include "core/NumberFormat.h"

#include <QStringList>

#include <algorithm>

namespace MaterialOrder {

namespace {

using Wide = __int128;
constexpr qint64 kTicks = Amount::TicksPerUnit;
// Percent in ticks over this is the fraction: 1 + p % = (kPercentScale + p) / kPercentScale.
constexpr qint64 kPercentScale = 100 * kTicks;

qint64 ceilDiv(Wide numerator, Wide denominator)
{
    if (numerator <= 0 || denominator <= 0)
        return 0;
    return qint64((numerator + denominator - 1) / denominator);
}

// Rounds half up: `value` in units of 10^-from to 10^-to digits.
Wide roundTo(Wide value, int fromDigits, int toDigits)
{
    Wide divisor = 1;
    for (int i = toDigits; i < fromDigits; ++i)
        divisor *= 10;
    return (value + divisor / 2) / divisor;
}

QString digits(Wide value, int decimals)
{
    QString whole = QString::number(qint64(value));
    if (decimals == 0)
        return whole;
    whole = whole.rightJustified(decimals + 1, u'0');
    return whole.left(whole.size() - decimals) + u'.' + whole.right(decimals);
}

// A four-decimal amount with at least `minimum` decimals and no trailing zeros beyond them.
QString plain(Amount amount, int minimum = 0)
{
    QString text = digits(amount.ticks(), 4);
    while (text.contains(u'.') && text.endsWith(u'0') && text.size() - text.indexOf(u'.') - 1 > minimum)
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString wasteText(Amount percent)
{
    return QStringLiteral("+%1 % waste").arg(plain(percent));
}

std::optional<Amount> quantityOf(const QString &text)
{
    try {
        return Numbers::parseLocaleCurrency(text.section(u' ', 0, 0));
    } catch (const Numbers::NumberOverflow &) {
        return std::nullopt;
    }
}

// The caption of the option chosen in `group` when the row was sent, "" when none.
QString chosen(const PostedRecord &record, const QString &group)
{
    for (auto it = record.inputs.cbegin(); it != record.inputs.cend(); ++it) {
        if (it.key().startsWith(group + u'('))
            return it.value();
    }
    return {};
}

QString countText(qint64 count)
{
    return QString::number(count);
}

void concrete(Group &group, Amount volume, const MaterialFactors &f)
{
    const Amount order = upToIncrement(volume, f.concreteWaste, f.readyMixIncrement);
    group.lines.append(
        {QStringLiteral("Ready-mix concrete"), plain(order, 2), QStringLiteral("cu yd"),
         wasteText(f.concreteWaste) + QStringLiteral(", in %1 cu yd steps").arg(plain(f.readyMixIncrement)),
         cubicMetres(order)});
    // Under the threshold a small pour may be cheaper mixed from bags.
    const Wide withWaste = Wide(volume.ticks()) * (kPercentScale + f.concreteWaste.ticks());
    if (withWaste >= Wide(f.premixThreshold.ticks()) * kPercentScale)
        return;
    const std::pair<const char *, Amount> bags[] = {
        {"80 lb", f.bag80Yield}, {"60 lb", f.bag60Yield}, {"40 lb", f.bag40Yield}};
    for (const auto &[size, yield] : bags) {
        group.lines.append(
            {QStringLiteral("or premix, %1 bags").arg(QLatin1String(size)),
             countText(premixBags(volume, f.concreteWaste, yield)), QStringLiteral("bags"),
             QStringLiteral("%1 cu ft a bag, ").arg(plain(yield, 2)) + wasteText(f.concreteWaste),
             QString()});
    }
}

void rebar(Group &group, const PostedRecord &record, Amount feet, const MaterialFactors &f)
{
    const std::optional<Bar> bar = barOf(chosen(record, QStringLiteral("Option3")));
    if (!bar) {
        group.lines.append({QStringLiteral("Rebar (no bar size chosen)"), plain(feet),
                            QStringLiteral("lin ft"), QString(), metres(feet)});
        return;
    }
    const std::optional<qint64> count =
        sticks(feet, f.rebarWaste, f.rebarStockLength, f.lapDiameters, bar->diameterInches);
    if (!count) {
        group.lines.append({QStringLiteral("%1 rebar: the lap is longer than a stick").arg(bar->number),
                            plain(feet), QStringLiteral("lin ft"), QString(), metres(feet)});
        return;
    }
    group.lines.append(
        {QStringLiteral("%1 rebar (%2), %3 ft sticks")
             .arg(bar->number, bar->caption, plain(f.rebarStockLength)),
         countText(*count), QStringLiteral("sticks"),
         wasteText(f.rebarWaste) + QStringLiteral(", laps of %1 bar diameters").arg(plain(f.lapDiameters)),
         QStringLiteral("of %1").arg(metres(f.rebarStockLength))});
    const Amount pounds = Amount::fromTicks(
        qint64(roundTo(Wide(*count) * f.rebarStockLength.ticks() * bar->poundsPerFoot.ticks(), 8, 4)));
    group.lines.append(
        {QStringLiteral("%1 rebar weight").arg(bar->number), plain(pounds, 1), QStringLiteral("lb"),
         QStringLiteral("%1 lb/ft (ASTM A615)").arg(plain(bar->poundsPerFoot, 3)), kilograms(pounds)});
}

} // namespace

qint64 wholeWithWaste(Amount quantity, Amount wastePercent)
{
    return ceilDiv(Wide(quantity.ticks()) * (kPercentScale + wastePercent.ticks()),
                   Wide(kTicks) * kPercentScale);
}

Amount upToIncrement(Amount quantity, Amount wastePercent, Amount increment)
{
    const qint64 steps = ceilDiv(Wide(quantity.ticks()) * (kPercentScale + wastePercent.ticks()),
                                 Wide(increment.ticks()) * kPercentScale);
    return Amount::fromTicks(steps * increment.ticks());
}

qint64 premixBags(Amount cubicYards, Amount wastePercent, Amount yieldCubicFeet)
{
    return ceilDiv(Wide(cubicYards.ticks()) * 27 * (kPercentScale + wastePercent.ticks()),
                   Wide(yieldCubicFeet.ticks()) * kPercentScale);
}

std::optional<qint64> sticks(Amount linealFeet, Amount wastePercent, Amount stockFeet, Amount lapDiameters,
                             Amount barDiameterInches)
{
    // The useful length of a stick, in 1/(12·10^8) ft: 12·10^4·stock − lap diameters · diameter.
    const Wide useful =
        Wide(12) * kTicks * stockFeet.ticks() - Wide(lapDiameters.ticks()) * barDiameterInches.ticks();
    if (useful <= 0)
        return std::nullopt;
    // feet·(1 + w) ÷ useful, both sides brought to whole numbers.
    return ceilDiv(Wide(linealFeet.ticks()) * (kPercentScale + wastePercent.ticks()) * 12 * kTicks,
                   useful * kPercentScale);
}

qint64 bagsPer(qint64 count, Amount bags, int per)
{
    return ceilDiv(Wide(count) * bags.ticks(), Wide(per) * kTicks);
}

Amount volumePer(qint64 count, Amount cubicYards, int per)
{
    // Rounded up to hundredths: a volume is ordered, not split.
    const qint64 hundredths = ceilDiv(Wide(count) * cubicYards.ticks() * 100, Wide(per) * kTicks);
    return Amount::fromTicks(hundredths * (kTicks / 100));
}

std::optional<Bar> barOf(const QString &caption)
{
    static const QList<Bar> bars = {
        {QStringLiteral("1/2\""), QStringLiteral("#4"), Amount::fromTicks(5000), Amount::fromTicks(6680)},
        {QStringLiteral("5/8\""), QStringLiteral("#5"), Amount::fromTicks(6250), Amount::fromTicks(10430)},
        {QStringLiteral("3/4\""), QStringLiteral("#6"), Amount::fromTicks(7500), Amount::fromTicks(15020)},
        {QStringLiteral("1\""), QStringLiteral("#8"), Amount::fromTicks(10000), Amount::fromTicks(26700)},
        {QStringLiteral("1 1/4\""), QStringLiteral("#10"), Amount::fromTicks(12700),
         Amount::fromTicks(43030)}};
    for (const Bar &bar : bars) {
        if (bar.caption == caption)
            return bar;
    }
    return std::nullopt;
}

QString cubicMetres(Amount cubicYards)
{
    // 1 yd = 0.9144 m exactly, so 1 cu yd = 0.764554857984 m³.
    return digits(roundTo(Wide(cubicYards.ticks()) * 764554857984LL, 16, 3), 3) + QStringLiteral(" m³");
}

QString kilograms(Amount pounds)
{
    return digits(roundTo(Wide(pounds.ticks()) * 45359237, 12, 1), 1) + QStringLiteral(" kg");
}

QString metres(Amount feet)
{
    return digits(roundTo(Wide(feet.ticks()) * 3048, 8, 2), 2) + QStringLiteral(" m");
}

QList<Group> of(const Job &job, const MaterialFactors &f, bool coresFilled)
{
    QList<PostedRecord> posted = job.posted;
    std::sort(posted.begin(), posted.end(), [](const auto &a, const auto &b) { return a.row < b.row; });
    QList<Group> groups;
    for (const PostedRecord &record : std::as_const(posted)) {
        Group group{record.row, record.item, record.description, {}};
        const std::optional<Amount> quantity = quantityOf(record.quantity);
        if (!quantity || quantity->ticks() <= 0) {
            groups.append(group); // nothing measured, nothing to buy
            continue;
        }
        switch (record.row) {
        case 1: // footings, piers, flatwork and walls are all concrete
        case 2:
        case 4:
        case 7:
            concrete(group, *quantity, f);
            break;
        case 3:
            rebar(group, record, *quantity, f);
            break;
        case 5: {
            const QString size = record.inputs.value(QStringLiteral("MyWWcbo_size")).simplified();
            group.lines.append({size.isEmpty() ? QStringLiteral("Welded wire fabric")
                                               : QStringLiteral("Welded wire fabric, %1 rolls").arg(size),
                                countText(wholeWithWaste(*quantity, f.wireWaste)), QStringLiteral("rolls"),
                                wasteText(f.wireWaste), QString()});
            break;
        }
        case 6: {
            const qint64 blocks = wholeWithWaste(*quantity, f.blockWaste);
            const QString size = chosen(record, QStringLiteral("BLCKopt"));
            group.lines.append(
                {size.isEmpty() ? QStringLiteral("Block") : QStringLiteral("Block, %1").arg(size),
                 countText(blocks), QStringLiteral("blocks"), wasteText(f.blockWaste), QString()});
            group.lines.append(
                {QStringLiteral("Mortar, 80 lb mason mix"),
                 countText(bagsPer(blocks, f.mortarBagsPer100Block, 100)), QStringLiteral("bags"),
                 QStringLiteral("%1 bags per 100 block").arg(plain(f.mortarBagsPer100Block)), QString()});
            if (coresFilled) {
                const Amount grout = volumePer(blocks, f.groutPer100Block, 100);
                group.lines.append({QStringLiteral("Grout, every core filled"), plain(grout, 2),
                                    QStringLiteral("cu yd"),
                                    QStringLiteral("%1 cu yd per 100 block").arg(plain(f.groutPer100Block)),
                                    cubicMetres(grout)});
            }
            break;
        }
        case 8: {
            const qint64 bricks = wholeWithWaste(*quantity, f.brickWaste);
            group.lines.append({QStringLiteral("Brick"), countText(bricks), QStringLiteral("bricks"),
                                wasteText(f.brickWaste), QString()});
            group.lines.append(
                {QStringLiteral("Masonry cement, 70 lb"),
                 countText(bagsPer(bricks, f.cementBagsPer1000Brick, 1000)), QStringLiteral("bags"),
                 QStringLiteral("%1 bags per 1,000 brick").arg(plain(f.cementBagsPer1000Brick)), QString()});
            const Amount sand = volumePer(bricks, f.sandPer1000Brick, 1000);
            group.lines.append({QStringLiteral("Mortar sand"), plain(sand, 2), QStringLiteral("cu yd"),
                                QStringLiteral("%1 cu yd per 1,000 brick").arg(plain(f.sandPer1000Brick)),
                                cubicMetres(sand)});
            break;
        }
        default:
            break;
        }
        groups.append(group);
    }
    return groups;
}

namespace {

QList<QStringList> table(const QList<Group> &groups, bool metric)
{
    QList<QStringList> rows;
    QStringList heading{QStringLiteral("Item"), QStringLiteral("Material"), QStringLiteral("Quantity"),
                        QStringLiteral("Unit"), QStringLiteral("Factor")};
    if (metric)
        heading << QStringLiteral("Metric");
    rows << heading;
    for (const Group &group : groups) {
        for (const Line &line : group.lines) {
            QStringList row{group.item, line.material, line.quantity, line.unit, line.factor};
            if (metric)
                row << line.metric;
            rows << row;
        }
    }
    return rows;
}

} // namespace

QString tabSeparated(const QList<Group> &groups, bool metric)
{
    QStringList lines;
    for (QStringList row : table(groups, metric)) {
        for (QString &cell : row)
            cell.replace(u'\t', u' ').replace(u'\n', u' ');
        lines << row.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString htmlTable(const QList<Group> &groups, bool metric)
{
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
                                  "style=\"border-collapse:collapse; border-color:#999\">");
    const QList<QStringList> rows = table(groups, metric);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const bool heading = r == 0;
        html += QLatin1String(heading ? "<thead><tr style=\"background-color:#e8e8e8\">" : "<tr>");
        for (qsizetype c = 0; c < rows.at(r).size(); ++c) {
            // Quantities line up on the right, as figures do.
            const QLatin1String cell(heading ? "th" : "td"), align(c == 2 ? "right" : "left");
            html +=
                QStringLiteral("<%1 align=\"%2\">%3</%1>").arg(cell, align, rows.at(r).at(c).toHtmlEscaped());
        }
        html += QLatin1String(heading ? "</tr></thead>" : "</tr>");
    }
    return html + QLatin1String("</table>");
}

QByteArray csv(const QList<Group> &groups, bool metric)
{
    QByteArray bytes;
    for (const QStringList &row : table(groups, metric)) {
        QStringList cells;
        for (const QString &cell : row) {
            const bool quote =
                cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r');
            cells << (quote ? u'"' + QString(cell).replace(u'"', QLatin1String("\"\"")) + u'"' : cell);
        }
        bytes += cells.join(u',').toUtf8() + "\r\n";
    }
    return bytes;
}

} // namespace MaterialOrder
