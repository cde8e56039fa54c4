#include "core/WeldedWireSteps.h"

#include "core/NumberFormat.h"
#include "core/Numbers.h"

#include <cmath>

namespace WeldedWire {

namespace {

constexpr float kBound = 10001;

StepOutcome computeArea(const QString &lengthText, const QString &widthText, int rollPosition)
{
    // Only the texts are checked: a typed 0 passes and gives an area of 0.
    if (lengthText.isEmpty() || widthText.isEmpty())
        return StepOutcome::dataMissing();
    const float length = Numbers::readSingleOrInfinity(lengthText);
    const float width = Numbers::readSingleOrInfinity(widthText);
    if (!(length < kBound) || !(width < kBound))
        return StepOutcome::tooLarge({kArea, kAllowance, kRolls});

    const float area = Numbers::toSingle(double(width) * double(length));
    // The allowance is worked on the whole square feet, a half going to the even neighbour.
    const float wholeArea = std::nearbyint(area);
    const double withAllowance = double(wholeArea) * 0.15 + double(wholeArea);
    const QString allowanceText = Numbers::formatNumber(withAllowance, Numbers::Pattern::TrimmedTwo);
    StepOutcome outcome =
        StepOutcome::write(kArea, Numbers::formatNumber(area, Numbers::Pattern::TrimmedTwo));
    outcome.also(kAllowance, allowanceText);
    if (squareFeetPerRoll(rollPosition) == 0)
        return outcome;

    // The rolls follow the allowance as displayed, two decimals and all.
    const float shown = Numbers::toSingle(Numbers::parseLocaleNumber(allowanceText).value_or(0.0));
    const float rolls = Numbers::toSingle(double(shown) / squareFeetPerRoll(rollPosition));
    return outcome.also(kRolls, Numbers::formatNumber(rolls, Numbers::Pattern::TrimmedTwo));
}

StepOutcome computeCost(const QString &rollsText, const QString &priceText)
{
    if (priceText.isEmpty())
        return StepOutcome::dataMissing();
    const float rolls = Numbers::readSingleOrInfinity(rollsText);
    if (!(rolls <= kBound))
        return StepOutcome::tooLarge();
    return StepOutcome::write(kCost, Numbers::costText(rollsText, priceText));
}

} // namespace

QStringList rollSizes()
{
    // The third roll is a 5-foot by 500-foot roll of 2500 square feet.
    return {QStringLiteral("100 '"), QStringLiteral("150 '"), QStringLiteral("500 '")};
}

int squareFeetPerRoll(int position)
{
    static constexpr int kSquareFeet[] = {500, 750, 2500};
    return position >= 0 && position < 3 ? kSquareFeet[position] : 0;
}

int priceListEntry(int position)
{
    static constexpr int kEntries[] = {5, 4, 3};
    return position >= 0 && position < 3 ? kEntries[position] : -1;
}

StepOutcome areaStep(const QString &length, const QString &width, int rollPosition)
{
    return guardedStep([&] { return computeArea(length, width, rollPosition); }, {kArea, kAllowance, kRolls});
}

StepOutcome costStep(const QString &rolls, const QString &pricePerRoll)
{
    return guardedStep([&] { return computeCost(rolls, pricePerRoll); });
}

QString note()
{
    return QStringLiteral("Common Industry dimension of Welded Wire Fabric is 6\" x  6\" \n"
                          "and has a width of 60\". It can be purchase in 100', 150' and 500' rolls.\n"
                          " \n"
                          " When installed, the wire is over-lapped 6 \n"
                          " \n"
                          "\n"
                          " For More Information Select \" AREA COVERAGE \"\n");
}

} // namespace WeldedWire
