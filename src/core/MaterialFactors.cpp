#include "core/MaterialFactors.h"

#include "core/SettingsStore.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

const QString kSection = QStringLiteral("Factors");

using Amount = MaterialFactors::Amount;

constexpr std::int64_t kUnit = Numbers::Currency::TicksPerUnit;
// More whole digits than any factor's range allows, yet far inside the tick range.
constexpr qsizetype kMaxWholeDigits = 12;

Amount ticks(std::int64_t count)
{
    return Amount::fromTicks(count);
}

} // namespace

MaterialFactors MaterialFactors::defaults()
{
    MaterialFactors factors;
    factors.concreteWaste = ticks(5 * kUnit);
    factors.blockWaste = ticks(5 * kUnit);
    factors.brickWaste = ticks(5 * kUnit);
    factors.rebarWaste = ticks(10 * kUnit);
    factors.wireWaste = ticks(0);
    factors.readyMixIncrement = ticks(kUnit / 4);
    factors.premixThreshold = ticks(kUnit);
    factors.bag40Yield = ticks(3 * kUnit / 10);
    factors.bag60Yield = ticks(45 * kUnit / 100);
    factors.bag80Yield = ticks(6 * kUnit / 10);
    factors.rebarStockLength = ticks(20 * kUnit);
    factors.lapDiameters = ticks(40 * kUnit);
    factors.mortarBagsPer100Block = ticks(8 * kUnit);
    factors.cementBagsPer1000Brick = ticks(7 * kUnit);
    factors.sandPer1000Brick = ticks(78 * kUnit / 100);
    factors.groutPer100Block = ticks(93 * kUnit / 100);
    return factors;
}

const QList<MaterialFactors::Field> &MaterialFactors::fields()
{
    static const QList<Field> list{
        {"txtConcreteWaste", "Concrete waste", "%", &MaterialFactors::concreteWaste, ticks(0),
         ticks(50 * kUnit)},
        {"txtBlockWaste", "Block waste", "%", &MaterialFactors::blockWaste, ticks(0), ticks(50 * kUnit)},
        {"txtBrickWaste", "Brick waste", "%", &MaterialFactors::brickWaste, ticks(0), ticks(50 * kUnit)},
        {"txtRebarWaste", "Rebar waste", "%", &MaterialFactors::rebarWaste, ticks(0), ticks(50 * kUnit)},
        {"txtWireWaste", "Welded wire waste", "%", &MaterialFactors::wireWaste, ticks(0), ticks(50 * kUnit)},
        {"txtReadyMixIncrement", "Ready-mix increment", "cu yd", &MaterialFactors::readyMixIncrement,
         ticks(kUnit / 100), ticks(10 * kUnit)},
        {"txtPremixThreshold", "Premix threshold", "cu yd", &MaterialFactors::premixThreshold, ticks(0),
         ticks(10 * kUnit)},
        {"txtBag40Yield", "40 lb premix bag yield", "cu ft", &MaterialFactors::bag40Yield, ticks(kUnit / 100),
         ticks(2 * kUnit)},
        {"txtBag60Yield", "60 lb premix bag yield", "cu ft", &MaterialFactors::bag60Yield, ticks(kUnit / 100),
         ticks(2 * kUnit)},
        {"txtBag80Yield", "80 lb premix bag yield", "cu ft", &MaterialFactors::bag80Yield, ticks(kUnit / 100),
         ticks(2 * kUnit)},
        {"txtRebarStockLength", "Rebar stock length", "ft", &MaterialFactors::rebarStockLength, ticks(kUnit),
         ticks(60 * kUnit)},
        {"txtLapDiameters", "Rebar lap", "bar diameters", &MaterialFactors::lapDiameters, ticks(0),
         ticks(100 * kUnit)},
        {"txtMortarPer100Block", "Mason mix (80 lb bags) per 100 block", "bags",
         &MaterialFactors::mortarBagsPer100Block, ticks(0), ticks(100 * kUnit)},
        {"txtCementPer1000Brick", "Masonry cement (70 lb bags) per 1,000 brick", "bags",
         &MaterialFactors::cementBagsPer1000Brick, ticks(0), ticks(100 * kUnit)},
        {"txtSandPer1000Brick", "Sand per 1,000 brick", "cu yd", &MaterialFactors::sandPer1000Brick, ticks(0),
         ticks(10 * kUnit)},
        {"txtGroutPer100Block", "Grout per 100 block, all cores filled", "cu yd",
         &MaterialFactors::groutPer100Block, ticks(0), ticks(10 * kUnit)},
    };
    return list;
}

MaterialFactors MaterialFactors::load()
{
    const QMap<QString, QString> stored = SettingsStore::section(kSection);
    MaterialFactors factors = defaults();
    for (const Field &field : fields()) {
        const std::optional<Amount> value = readAmount(stored.value(QLatin1String(field.key)));
        if (value && field.accepts(*value))
            factors.*field.member = *value;
    }
    return factors;
}

bool MaterialFactors::save() const
{
    QList<QPair<QString, QString>> values;
    for (const Field &field : fields())
        values.append({QLatin1String(field.key), amountText(this->*field.member)});
    return SettingsStore::saveSection(kSection, values);
}

std::optional<MaterialFactors::Amount> MaterialFactors::readAmount(QStringView text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]*)(?:\\.([0-9]*))?$"));
    const QString trimmed = text.trimmed().toString();
    const QRegularExpressionMatch match = form.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    QStringView whole = match.capturedView(1);
    const QStringView fraction = match.capturedView(2);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    while (whole.startsWith(u'0'))
        whole = whole.mid(1);
    // Still a number, only past every range: the caller refuses it as such.
    if (whole.size() > kMaxWholeDigits)
        return Amount::fromTicks(std::numeric_limits<std::int64_t>::max());

    std::int64_t count = whole.isEmpty() ? 0 : whole.toLongLong() * kUnit;
    count += fraction.left(4).toString().leftJustified(4, u'0').toLongLong();
    const QStringView rest = fraction.mid(4);
    if (!rest.isEmpty()) {
        const bool pastHalf =
            std::any_of(rest.begin() + 1, rest.end(), [](QChar digit) { return digit != u'0'; });
        if (rest.front() > u'5' || (rest.front() == u'5' && (pastHalf || count % 2 != 0)))
            ++count;
    }
    return Amount::fromTicks(count);
}

QString MaterialFactors::amountText(Amount value)
{
    const std::int64_t count = value.ticks();
    // The magnitude as unsigned, so the most negative count has one too.
    const std::uint64_t magnitude =
        count < 0 ? std::uint64_t(0) - std::uint64_t(count) : std::uint64_t(count);
    QString text = QString::number(magnitude / kUnit);
    if (const std::uint64_t fraction = magnitude % kUnit; fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return count < 0 ? u'-' + text : text;
}
