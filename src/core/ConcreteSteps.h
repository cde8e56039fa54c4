#pragma once

#include "core/CalculationStep.h"

#include <QLatin1String>
#include <QString>

#include <optional>

// The arithmetic of the four concrete calculators (poured walls, footings, piers, flatwork) and of
// the slab coverage window. Each step takes the texts of its input fields and returns what the page
// shows: a standard message, the result texts, and the result fields a bound failure empties.
// The number kinds (fixed-point, single, whole) are part of each formula: they decide the last
// digit at the edges.
namespace ConcreteSteps {

// The result fields the steps write, by objectName.
inline constexpr QLatin1String WallVolume{"MyCWtbx_TQCY"};
inline constexpr QLatin1String WallCost{"MyCWtbx_TCOM"};
inline constexpr QLatin1String FootingVolume{"MyFNGtbx_TLCY"};
inline constexpr QLatin1String FootingCost{"MyFNGtbx_TC"};
inline constexpr QLatin1String PierVolume{"MyPRStbx_TCY"};
inline constexpr QLatin1String PierCost{"MyPRStbx_TCOCY"};
inline constexpr QLatin1String FlatworkVolume{"MyFWtbx_TLCY"};
inline constexpr QLatin1String FlatworkArea{"MyFWlbl_TSFt"};
inline constexpr QLatin1String FlatworkCost{"MyFwtbx_TC"};

// Poured concrete walls: height and thickness from pick-only lists, length picked or typed.
StepOutcome pouredWallVolume(const QString &height, const QString &length, const QString &thickness);
StepOutcome pouredWallCost(const QString &price, const QString &volume);

// Footings: width and depth from pick-only lists, length typed.
StepOutcome footingVolume(const QString &width, const QString &depth, const QString &length);
StepOutcome footingCost(const QString &price, const QString &volume);

// Piers: width, length, depth and quantity from pick-only lists.
StepOutcome pierVolume(const QString &width, const QString &length, const QString &depth,
                       const QString &quantity);
StepOutcome pierCost(const QString &price, const QString &volume);

// Flatwork: thickness from a pick-only list, length and width typed.
StepOutcome flatworkVolume(const QString &thickness, const QString &length, const QString &width);
StepOutcome flatworkCost(const QString &price, const QString &volume);

// The square feet one cubic yard covers at the thickness text (inches), or nothing when that is
// not a positive thickness.
std::optional<QString> slabCoverage(const QString &thickness);

} // namespace ConcreteSteps
