#include "core/ConcreteSteps.h"

#include <cmath>

#include "core/NumberFormat.h"
#include "core/Numbers.h"

#include <cstdint>

using Numbers::Currency;
using Numbers::Pattern;

namespace ConcreteSteps {

namespace {

// Square feet times inches to cubic yards: stands for 1/324 and runs about 0.4 % high.
constexpr double SlabFactor = 0.0031;
// Square inches times feet to cubic yards: stands for 1/3888 and runs about 0.08 % low.
constexpr double SectionFactor = 0.000257;
// Square feet one cubic yard covers at one inch: 27 cubic feet times 12 inches.
constexpr double CoverageAtOneInch = 324.0;

// Ready-mixed concrete costs well above 100 a cubic yard, so every concrete price is allowed up to
// the same bound.
constexpr double MaximumPrice = 10001;

Currency units(std::int64_t whole)
{
    return Currency::fromTicks(whole * Currency::TicksPerUnit);
}

} // namespace

StepOutcome pouredWallVolume(const QString &height, const QString &length, const QString &thickness)
{
    return guardedStep(
        [&] {
            const Currency l = Numbers::readCurrency(length);
            const Currency h = Numbers::readCurrency(height);
            const Currency t = Numbers::readCurrency(thickness);
            const Currency zero;
            if (!(l > zero && h > zero && t > zero))
                return StepOutcome::dataMissing();
            if (!(l < units(5001) && h < units(101) && t < units(13)))
                return StepOutcome::tooLarge({WallVolume});
            const double volume = ((h * l) * t).toDouble() * SlabFactor;
            return StepOutcome::write(WallVolume, Numbers::formatNumber(volume, Pattern::NoLeadingZero));
        },
        {WallVolume});
}

StepOutcome pouredWallCost(const QString &price, const QString &volume)
{
    return guardedStep(
        [&] {
            const Currency p = Numbers::readCurrency(price);
            const Currency q = Numbers::readCurrency(volume);
            const Currency zero;
            if (!(p > zero && q > zero))
                return StepOutcome::dataMissing();
            if (!(p <= units(10001) && q <= units(10001)))
                return StepOutcome::tooLarge({WallCost});
            return StepOutcome::write(WallCost, Numbers::costText(volume, price));
        },
        {WallCost});
}

StepOutcome footingVolume(const QString &width, const QString &depth, const QString &length)
{
    return guardedStep(
        [&] {
            const float l = Numbers::readSingle(length);
            const std::int16_t d = Numbers::readWhole16(depth);
            const std::int16_t w = Numbers::readWhole16(width);
            if (!(l > 0 && w > 0 && d > 0))
                return StepOutcome::dataMissing();
            if (!(l <= 10001 && w <= 10001 && d <= 10001))
                return StepOutcome::tooLarge({FootingVolume});
            // A section past the 16-bit range throws and is refused like any other bound.
            const double section = static_cast<double>(Numbers::multiplyWhole16(w, d));
            const double volume = section * SectionFactor * static_cast<double>(l);
            return StepOutcome::write(FootingVolume, Numbers::formatNumber(volume, Pattern::NoLeadingZero));
        },
        {FootingVolume});
}

StepOutcome footingCost(const QString &price, const QString &volume)
{
    return guardedStep(
        [&] {
            const float p = Numbers::readSingle(price);
            const float q = Numbers::readSingle(volume);
            if (!(p > 0 && q > 0))
                return StepOutcome::dataMissing();
            if (!(p <= MaximumPrice && q <= 10001))
                return StepOutcome::tooLarge({FootingCost});
            return StepOutcome::write(FootingCost, Numbers::costText(volume, price));
        },
        {FootingCost});
}

StepOutcome pierVolume(const QString &width, const QString &length, const QString &depth,
                       const QString &quantity)
{
    // A bound failure leaves the volume as it was.
    return guardedStep([&] {
        const std::int32_t n = Numbers::readWhole32(quantity);
        const std::int16_t w = Numbers::readWhole16(width);
        const std::int16_t d = Numbers::readWhole16(depth);
        const std::int16_t l = Numbers::readWhole16(length);
        if (!(n > 0 && w > 0 && d > 0 && l > 0))
            return StepOutcome::dataMissing();
        if (!(n <= 51 && w <= 51 && d <= 144))
            return StepOutcome::tooLarge();
        const float section =
            Numbers::toSingle(static_cast<double>(Numbers::multiplyWhole16(l, w)) * SectionFactor);
        const float depthInFeet = Numbers::toSingle(d / 12.0);
        const double volume = static_cast<double>(section) * n * static_cast<double>(depthInFeet);
        return StepOutcome::write(PierVolume, Numbers::formatNumber(volume, Pattern::TrimmedTwo));
    });
}

StepOutcome pierCost(const QString &price, const QString &volume)
{
    // A bound failure leaves the cost as it was.
    return guardedStep([&] {
        const float p = Numbers::readSingle(price);
        const float v = Numbers::readSingle(volume);
        if (!(p > 0 && v > 0))
            return StepOutcome::dataMissing();
        if (!(p <= MaximumPrice && v <= 10001))
            return StepOutcome::tooLarge();
        return StepOutcome::write(PierCost, Numbers::costText(volume, price));
    });
}

StepOutcome flatworkVolume(const QString &thickness, const QString &length, const QString &width)
{
    return guardedStep(
        [&] {
            const float t = Numbers::readSingle(thickness);
            const float l = Numbers::readSingle(length);
            const float w = Numbers::readSingle(width);
            if (!(t > 0 && l > 0 && w > 0))
                return StepOutcome::dataMissing();
            if (!(t <= 10001 && l <= 10001 && w <= 10001))
                return StepOutcome::tooLarge({FlatworkVolume, FlatworkArea});
            const double lengthTimesWidth = static_cast<double>(l) * static_cast<double>(w);
            const double volume = lengthTimesWidth * static_cast<double>(t) * SlabFactor;
            const float area = Numbers::toSingle(lengthTimesWidth);
            return StepOutcome::write(FlatworkVolume, Numbers::formatNumber(volume, Pattern::TrimmedTwo))
                .also(FlatworkArea, Numbers::formatNumber(area, Pattern::TrimmedTwo));
        },
        {FlatworkVolume, FlatworkArea});
}

StepOutcome flatworkCost(const QString &price, const QString &volume)
{
    return guardedStep(
        [&] {
            const float v = Numbers::readSingle(volume);
            const float p = Numbers::readSingle(price);
            // Only the price must be there: without a volume the cost is 0.
            if (!(p > 0))
                return StepOutcome::dataMissing();
            if (!(v < 300000 && p < 1001))
                return StepOutcome::tooLarge({FlatworkCost});
            return StepOutcome::write(FlatworkCost, Numbers::costText(volume, price));
        },
        {FlatworkCost});
}

std::optional<QString> slabCoverage(const QString &thickness)
{
    // The thickness counts as chosen, halves included: 3.5 inches covers 92.57 square feet a
    // yard, not the 81 of a 4-inch slab.
    const double t = Numbers::readNumber(thickness);
    if (!(t > 0) || !std::isfinite(t))
        return std::nullopt;
    return Numbers::plainText(CoverageAtOneInch / t);
}

} // namespace ConcreteSteps
