#pragma once

#include "core/CalculationStep.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

// The welded wire fabric calculator's arithmetic: square feet with a 15 % allowance for overlap
// and waste, rolls for the chosen roll size, and their cost.
namespace WeldedWire {

inline constexpr QLatin1String kRollSize("MyWWcbo_size");
inline constexpr QLatin1String kLength("MyFWWWtbx_Length");
inline constexpr QLatin1String kWidth("MyFWWWtbx_Width");
inline constexpr QLatin1String kArea("MyFWWWtbx_TSF");
inline constexpr QLatin1String kAllowance("MYWWlbl_PercentBox");
inline constexpr QLatin1String kRolls("MYWWlbl_TSQOW");
inline constexpr QLatin1String kPricePerRoll("MYWWtbx_CPRoll");
inline constexpr QLatin1String kCost("MYWWtbx_TotalCost");

// The roll-size list, in order; a roll's position selects its coverage and its price.
QStringList rollSizes();
// Square feet one roll covers, by position.
int squareFeetPerRoll(int position);
// The price-list entry that prices the roll at `position`.
int priceListEntry(int position);

// "Square Feet". `rollPosition` is -1 when no roll size is chosen: the rolls are then left alone.
StepOutcome areaStep(const QString &length, const QString &width, int rollPosition);
// "Cost Of Material": the rolls as shown, priced fractionally.
StepOutcome costStep(const QString &rolls, const QString &pricePerRoll);

// The "NOTE:" text of the page's pop-up menu.
QString note();

} // namespace WeldedWire
