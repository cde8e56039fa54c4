#include "core/RebarSteps.h"

#include "core/NumberFormat.h"
#include "core/Numbers.h"

namespace Rebar {

namespace {

// A result box read back: its digit grouping is skipped, so 1,600.00 counts as 1600.
float resultSingle(QString text)
{
    const QString group = Numbers::numberLocale().groupSeparator();
    if (!group.isEmpty())
        text.remove(group);
    return Numbers::readSingleOrInfinity(text);
}

QStringList withMark(const QList<int> &values, const QString &mark)
{
    QStringList entries;
    for (const int value : values)
        entries << QString::number(value) + mark;
    return entries;
}

const QString kFeet = QStringLiteral("'");
const QString kInches = QStringLiteral("\"");

StepOutcome computeHorizontal(const QString &linearFeetText, const QString &rowsText)
{
    const float feet = Numbers::readSingleOrInfinity(linearFeetText);
    const float rows = Numbers::readSingleOrInfinity(rowsText);
    if (!(feet > 0))
        return StepOutcome::dataMissing();
    if (!(feet < 10001))
        return StepOutcome::tooLarge({kHorizontalFeet});
    // No row chosen gives 0.
    return StepOutcome::write(kHorizontalFeet, Numbers::plainText(Numbers::toSingle(double(rows) * feet)));
}

StepOutcome computeVertical(const QString &heightText, const QString &lengthText, const QString &spacingText)
{
    const float height = Numbers::readSingleOrInfinity(heightText);
    const float length = Numbers::readSingleOrInfinity(lengthText);
    const float spacing = Numbers::readSingleOrInfinity(spacingText);
    if (!(height > 0) || !(length > 0) || !(spacing > 0))
        return StepOutcome::dataMissing();
    if (height > 10001 || length > 10001 || spacing > 10001)
        return StepOutcome::tooLarge({kVerticalFeet});
    // No bar is added for the wall's end.
    const float feet = Numbers::toSingle(double(length) / spacing * height);
    return StepOutcome::write(kVerticalFeet, Numbers::formatNumber(feet, Numbers::Pattern::GroupedTwo));
}

StepOutcome computeMats(const QString &spacingText, const QString &lengthText, const QString &widthText,
                        const QString &countText)
{
    const float spacing = Numbers::readSingleOrInfinity(spacingText);
    const float length = Numbers::readSingleOrInfinity(lengthText);
    const float width = Numbers::readSingleOrInfinity(widthText);
    const float count = Numbers::readSingleOrInfinity(countText);
    if (!(spacing > 0) || !(length > 0) || !(width > 0) || !(count > 0))
        return StepOutcome::dataMissing();
    if (count > 30)
        return StepOutcome::tooLarge({kMatFeet});
    // Inches throughout; a bar runs the mat's half perimeter less two inches, in feet.
    const float span = Numbers::toSingle(double(length) + width - 2);
    const float bars = Numbers::toSingle(double(span) / spacing);
    const float feetPerBar = Numbers::toSingle(double(span) / 12 / 2);
    const float feet = Numbers::toSingle(double(feetPerBar) * bars * count);
    return StepOutcome::write(kMatFeet, Numbers::formatNumber(feet, Numbers::Pattern::TrimmedTwo));
}

StepOutcome computeTotal(const QString &horizontalText, const QString &verticalText, const QString &matText)
{
    const float horizontal = resultSingle(horizontalText);
    const float vertical = resultSingle(verticalText);
    const float mats = resultSingle(matText);
    if (!(horizontal > 0) && !(vertical > 0) && !(mats > 0))
        return StepOutcome::dataMissing();
    if (horizontal >= 100001 || vertical >= 100001 || mats >= 750001)
        return StepOutcome::tooLarge({kHorizontalFeet, kVerticalFeet, kMatFeet, kTotalFeet});
    const float total = Numbers::toSingle(double(horizontal) + vertical + mats);
    return StepOutcome::write(kTotalFeet, Numbers::plainText(total));
}

StepOutcome computeCost(const QString &totalText, const QString &priceText)
{
    // An empty or zero total is priced, to nothing.
    if (priceText.isEmpty())
        return StepOutcome::dataMissing();
    const float total = Numbers::readSingleOrInfinity(totalText);
    const float price = Numbers::readSingleOrInfinity(priceText);
    if (total > 110001 || price > 110001)
        return StepOutcome::tooLarge({kCost});
    return StepOutcome::write(kCost, Numbers::costText(totalText, priceText));
}

} // namespace

QStringList rowCounts()
{
    return withMark({2, 3, 4, 5, 6}, QString());
}

QStringList wallSpacings()
{
    return withMark({2, 4, 6, 8, 10}, kFeet);
}

QStringList wallHeights()
{
    return withMark({2, 4, 6, 8, 10, 12, 14, 16}, kFeet);
}

QStringList wallLengths()
{
    return withMark({10, 15, 20, 25, 30, 35, 40, 45, 50}, kFeet);
}

QStringList matSizes()
{
    return withMark({12, 24, 36, 48, 60, 72}, kInches);
}

QStringList matSpacings()
{
    return withMark({2, 4, 6, 8, 10, 12}, kInches);
}

QStringList matCounts()
{
    QList<int> counts;
    for (int count = 2; count <= 30; count += 2)
        counts << count;
    return withMark(counts, QString());
}

QStringList barSizes()
{
    return {QStringLiteral("1/2\""), QStringLiteral("5/8\""), QStringLiteral("3/4\""), QStringLiteral("1\""),
            QStringLiteral("1 1/4\"")};
}

StepOutcome horizontalStep(const QString &linearFeet, const QString &rows)
{
    return guardedStep([&] { return computeHorizontal(linearFeet, rows); }, {kHorizontalFeet});
}

StepOutcome verticalStep(const QString &wallHeight, const QString &wallLength, const QString &spacing)
{
    return guardedStep([&] { return computeVertical(wallHeight, wallLength, spacing); }, {kVerticalFeet});
}

StepOutcome matStep(const QString &spacing, const QString &length, const QString &width, const QString &count)
{
    return guardedStep([&] { return computeMats(spacing, length, width, count); }, {kMatFeet});
}

StepOutcome totalStep(const QString &horizontal, const QString &vertical, const QString &mats)
{
    return guardedStep([&] { return computeTotal(horizontal, vertical, mats); },
                       {kHorizontalFeet, kVerticalFeet, kMatFeet, kTotalFeet});
}

StepOutcome costStep(const QString &totalFeet, const QString &pricePerFoot)
{
    return guardedStep([&] { return computeCost(totalFeet, pricePerFoot); }, {kCost});
}

QString note()
{
    return QStringLiteral("This application is for estimating the quantity of steel \n"
                          "reinforcement bars (rebar) set into pre-formed footings\n"
                          "or bond beams. \n"
                          " \n"
                          "These calculations can also be used for vertical\n"
                          "columns, rebar matts and reinforced concrete\n"
                          "installations.\n"
                          " ");
}

} // namespace Rebar
