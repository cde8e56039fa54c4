#pragma once

#include "core/CalculationStep.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

// The brick calculator's arithmetic: a single-wythe wall in running bond, counted from the bricks
// per 100 square feet of the chosen size, with no allowance for breakage or waste.
namespace Brick {

inline constexpr QLatin1String kSize("MyBrickcbo_Size");
inline constexpr QLatin1String kPerHundred("MyBrickLBL_persqft");
inline constexpr QLatin1String kWallLength("MYBricktbx_LOW");
inline constexpr QLatin1String kWallHeight("MYBRICKcbo_HOW");
inline constexpr QLatin1String kArea("MyBRICKlbl_CLCSqFt");
inline constexpr QLatin1String kCount("MyBRICKlbl_Count");
inline constexpr QLatin1String kPricePerBrick("MyBRICKtxt_CstOfBrck");
inline constexpr QLatin1String kCost("MYBRICKlbl_Ccost");

// The brick sizes, in the order of the size list.
QStringList brickSizes();
// Bricks per 100 square feet of the size at `position` of the list; 0 for no size.
int bricksPerHundred(int position);
// The wall heights offered, in order.
QStringList wallHeights();

// "Square Feet": the wall's area and its count in whole bricks.
StepOutcome squareFeetStep(const QString &wallLength, const QString &wallHeight, const QString &perHundred);
// The count again after another size is chosen, from the area shown; not rounded to whole bricks.
// Nothing when no area is shown yet.
StepOutcome recount(const QString &perHundred, const QString &area);
// "Cost Of Material": no upper bound, and an empty count prices to nothing.
StepOutcome costStep(const QString &count, const QString &pricePerBrick);

// The hint shown when the length is clicked before a size is chosen.
QString startHint();
// The "More Info" note.
QString note();

} // namespace Brick
