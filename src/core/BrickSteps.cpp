#include "core/BrickSteps.h"

#include "core/NumberFormat.h"
#include "core/Numbers.h"

#include <iterator>

namespace Brick {

namespace {

struct BrickSize
{
    const char *caption;
    int perHundredSquareFeet;
};

constexpr BrickSize kSizes[] = {
    {"4 x 2-3/4 x 8", 675},  {"4 x 3 x 8", 563},      {"4 x 4 x 8", 450},      {"4 x 5-1/4 x 8", 338},
    {"4 x 2 x 12", 600},     {"4 x 2-3/4 x 12", 450}, {"4 x 3 x 12", 375},     {"4 x 4 x 12", 300},
    {"4 x 5-1/4 x 12", 225}, {"6 x 2-3/4 x 12", 450}, {"6 x 3-1/4 x 12", 375}, {"6 x 4 x 12", 300},
};

// per100 bricks on every hundred square feet of `area`, each step in single precision.
float bricksOn(float perHundred, float area)
{
    const float hundreds = Numbers::toSingle(double(area) / 100);
    return Numbers::toSingle(double(perHundred) * hundreds);
}

StepOutcome computeSquareFeet(const QString &lengthText, const QString &heightText,
                              const QString &perHundredText)
{
    const float length = Numbers::readSingleOrInfinity(lengthText);
    const float height = Numbers::readSingleOrInfinity(heightText);
    const float perHundred = Numbers::readSingleOrInfinity(perHundredText);
    // The bound comes first here; a refused length is taken out of its box.
    if (length >= 10001)
        return StepOutcome::tooLarge({kWallLength});
    if (lengthText.isEmpty())
        return StepOutcome::dataMissing();
    // No height gives an area of 0, no size a count of 0.
    const float area = Numbers::toSingle(double(length) * height);
    const std::int32_t count = Numbers::toWhole32(bricksOn(perHundred, area));
    return StepOutcome::write(kArea, Numbers::plainText(area)).also(kCount, QString::number(count));
}

StepOutcome computeRecount(const QString &perHundredText, const QString &areaText)
{
    if (areaText.isEmpty())
        return {};
    const float perHundred = Numbers::readSingleOrInfinity(perHundredText);
    const float area = Numbers::readSingleOrInfinity(areaText);
    return StepOutcome::write(kCount, Numbers::plainText(bricksOn(perHundred, area)));
}

StepOutcome computeCost(const QString &countText, const QString &priceText)
{
    const float price = Numbers::readSingleOrInfinity(priceText);
    if (!(price > 0))
        return StepOutcome::dataMissing();
    return StepOutcome::write(kCost, Numbers::costText(countText, priceText));
}

} // namespace

QStringList brickSizes()
{
    QStringList sizes;
    for (const BrickSize &size : kSizes)
        sizes << QLatin1String(size.caption);
    return sizes;
}

int bricksPerHundred(int position)
{
    return position >= 0 && position < int(std::size(kSizes)) ? kSizes[position].perHundredSquareFeet : 0;
}

QStringList wallHeights()
{
    QStringList heights;
    for (int feet = 2; feet <= 25; ++feet)
        heights << QString::number(feet) + QLatin1Char('\'');
    return heights;
}

StepOutcome squareFeetStep(const QString &wallLength, const QString &wallHeight, const QString &perHundred)
{
    return guardedStep([&] { return computeSquareFeet(wallLength, wallHeight, perHundred); }, {kWallLength});
}

StepOutcome recount(const QString &perHundred, const QString &area)
{
    return guardedStep([&] { return computeRecount(perHundred, area); }, {kCount});
}

StepOutcome costStep(const QString &count, const QString &pricePerBrick)
{
    // Without an upper bound only an amount past any currency can be refused; the stale cost goes
    // with it, so it cannot be sent.
    return guardedStep([&] { return computeCost(count, pricePerBrick); }, {kCost});
}

QString startHint()
{
    return QStringLiteral("To Begin - \nEnter Values Into The Brick Calculator.");
}

QString note()
{
    return QStringLiteral("Brick Style Criteria\n"
                          "\n"
                          "Modular Brick For Single Wythe Walls In running Bond.\n"
                          "\n"
                          "No Allowances For Breakage Or Waste.");
}

} // namespace Brick
