#pragma once

#include "core/CalculationStep.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

// The rebar calculator's arithmetic: lineal feet of horizontal bars in rows, of vertical bars along
// a wall and of welded-up mats, their total, and its cost.
namespace Rebar {

// Horizontal bars.
inline constexpr QLatin1String kLinearFeet("MyRbrtbx_TLF");
inline constexpr QLatin1String kRows("MYRBRcbo_Qnty");
inline constexpr QLatin1String kHorizontalFeet("MyRbrtbx_TQLF");
// Vertical bars.
inline constexpr QLatin1String kSpacing("MyRbrVcbx_OCD");
inline constexpr QLatin1String kWallHeight("MyRbrVcbx_HOW");
inline constexpr QLatin1String kWallLength("MyRbrVcbx_LOW");
inline constexpr QLatin1String kVerticalFeet("MyRbrVtbx_QLF");
// Mats.
inline constexpr QLatin1String kMatLength("MyRbrRMcbx_LOM");
inline constexpr QLatin1String kMatWidth("MyRbrRMcbx_WOM");
inline constexpr QLatin1String kMatSpacing("MyRbrRMcbx_DOC");
inline constexpr QLatin1String kMatCount("MyRbrRMcbx_QOM");
inline constexpr QLatin1String kMatFeet("MyRbrRMtbx_QLF");
// Total and cost.
inline constexpr QLatin1String kTotalFeet("MyRbrVtbx_TtlLF");
inline constexpr QLatin1String kPricePerFoot("MyRbrVtbx_CPLF");
inline constexpr QLatin1String kCost("MyRbrtVtbx_TC");

// The lists of the three input frames, in order.
QStringList rowCounts();
QStringList wallSpacings();
QStringList wallHeights();
QStringList wallLengths();
QStringList matSizes();
QStringList matSpacings();
QStringList matCounts();
// The captions of the bar sizes; size i is priced by price-list entry firstPriceEntry + i.
QStringList barSizes();
inline constexpr int kFirstPriceEntry = 6;

// " Qnty Of L.F." of the horizontal frame: feet times rows.
StepOutcome horizontalStep(const QString &linearFeet, const QString &rows);
// "Qnty Of L.F." of the vertical frame: one bar per spacing along the wall, each as high as the wall.
StepOutcome verticalStep(const QString &wallHeight, const QString &wallLength, const QString &spacing);
// "Qnty Of L.F." of the mat frame.
StepOutcome matStep(const QString &spacing, const QString &length, const QString &width,
                    const QString &count);
// "Total Lineal Feet": the three result texts as they stand, shown or not.
StepOutcome totalStep(const QString &horizontal, const QString &vertical, const QString &mats);
// "Cost Of Material".
StepOutcome costStep(const QString &totalFeet, const QString &pricePerFoot);

// The "More Info" note.
QString note();

} // namespace Rebar
