#pragma once

#include "core/CalculationStep.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

// The block calculator's arithmetic. Both block sizes have an 8 by 16 inch face: 1.5 courses per
// foot of wall height and 0.75 blocks per foot of course; the size only chooses the price.
namespace Block {

inline constexpr QLatin1String kWallHeight("MyBLCKcbx_WallHght");
inline constexpr QLatin1String kWallLength("MyBLKtbx_length");
inline constexpr QLatin1String kPricePerBlock("MyBLKtbx_CPB");
inline constexpr QLatin1String kQuantity("MyBLKtbx_TQ");
inline constexpr QLatin1String kCost("MyBLKtbx_TC");

// The wall heights offered, in order.
QStringList wallHeights();
// The block sizes, in the order of their options BLCKopt(i).
QStringList blockSizes();
// The price-list entry that prices block size `index`.
int priceListEntry(int index);

// "Qnty Of Block": the count, not rounded to whole blocks.
StepOutcome quantityStep(const QString &wallHeight, const QString &wallLength);
// "Cost Of Material".
StepOutcome costStep(const QString &quantity, const QString &pricePerBlock);

// The "More Info" note.
QString note();

} // namespace Block
