#include "core/BlockSteps.h"

#include "core/NumberFormat.h"
#include "core/Numbers.h"

#include <cmath>

namespace Block {

namespace {

// The whole courses of a wall `height` feet high, a half going to the even neighbour.
double courses(float height)
{
    return std::nearbyint(double(height) * 1.5);
}

StepOutcome computeQuantity(const QString &heightText, const QString &lengthText)
{
    const float length = Numbers::readSingleOrInfinity(lengthText);
    const float height = Numbers::readSingleOrInfinity(heightText);
    if (!(height > 0) || !(length > 0))
        return StepOutcome::dataMissing();
    if (height >= 10001 || length >= 10001)
        return StepOutcome::tooLarge({kQuantity});
    const double perCourse = double(length) * 0.75;
    // The count is shown in the precision of the length it comes from, so a length of 12.3 feet
    // gives 110.7 blocks and not the binary noise of 12.3 in single precision.
    return StepOutcome::write(kQuantity, Numbers::plainText(Numbers::toSingle(perCourse * courses(height))));
}

StepOutcome computeCost(const QString &quantityText, const QString &priceText)
{
    const float price = Numbers::readSingleOrInfinity(priceText);
    const float count = Numbers::readSingleOrInfinity(quantityText);
    if (!(count > 0) || !(price > 0))
        return StepOutcome::dataMissing();
    if (price > 300001 || count > 300001)
        return StepOutcome::tooLarge({kCost});
    return StepOutcome::write(kCost, Numbers::costText(quantityText, priceText));
}

} // namespace

QStringList wallHeights()
{
    QStringList heights;
    for (int feet = 2; feet <= 25; ++feet) {
        if (feet != 7)
            heights << QString::number(feet) + QLatin1Char('\'');
    }
    return heights;
}

QStringList blockSizes()
{
    return {QStringLiteral("8 x 8 x 16"), QStringLiteral("8 x 12 x 16")};
}

int priceListEntry(int index)
{
    static constexpr int kEntries[] = {2, 1};
    return index >= 0 && index < 2 ? kEntries[index] : -1;
}

StepOutcome quantityStep(const QString &wallHeight, const QString &wallLength)
{
    return guardedStep([&] { return computeQuantity(wallHeight, wallLength); }, {kQuantity});
}

StepOutcome costStep(const QString &quantity, const QString &pricePerBlock)
{
    return guardedStep([&] { return computeCost(quantity, pricePerBlock); }, {kCost});
}

QString note()
{
    return QStringLiteral("This application is for calculating quantity of block \n"
                          "units in selected height and length of walls.\n"
                          "\n"
                          "These calculations do not include:\n"
                          "\n"
                          "Corner Block - Window Block or Door Blocks");
}

} // namespace Block
