#pragma once

#include "core/Numbers.h"
#include "core/TotalsExport.h"

#include <QString>

#include <array>
#include <optional>

// The totals grid's arithmetic on its texts, without the grid: how a cell is read as an amount, the
// grid form every number is rewritten in, and the sums. Rows 1 to 8 are the calculators, row 14 the
// sub totals, row 17 the grand total; column 1 labour, 2 material, 3 a row's total.
namespace TotalsArithmetic {

inline constexpr int kFirstCalculatorRow = 1;
inline constexpr int kLastCalculatorRow = 8;
inline constexpr int kSubTotalRow = 14;
inline constexpr int kGrandTotalRow = 17;
inline constexpr int kLabourColumn = 1;
inline constexpr int kMaterialColumn = 2;
inline constexpr int kTotalColumn = 3;

// One amount per grid row up to the last calculator's (row 0 unused).
using RowAmounts = std::array<Numbers::Currency, kLastCalculatorRow + 1>;

// A cell's amount: the locale's currency reading; empty text, text that is no number and a number
// too large for money count as 0.
Numbers::Currency amountOf(const QString &text);

// The grid form "$#0.00" of a cell's text, or a null text when it holds no number.
QString gridFormOf(const QString &text);

// The sum of the calculator rows, added in the program's order (rows 2, 1, 3 ... 8); nothing when
// it leaves the range of money.
std::optional<Numbers::Currency> sum(const RowAmounts &amounts);

// A grand total and each calculator row's total.
struct Totals
{
    Numbers::Currency grand;
    RowAmounts rows{};
};

// The grand total of the two sub totals as shown, and each row's labour plus material; nothing
// when one leaves the range of money.
std::optional<Totals> totalsOf(const QString &labourSubTotal, const QString &materialSubTotal,
                               const RowAmounts &labour, const RowAmounts &material);

// The whole recomputation on a grid's texts: every number rewritten in the grid form, the sub
// totals of labour and material, each calculator row's total and the grand total (the two sub
// totals as shown) in the currency form. A sum out of range leaves the cells it would write as
// they were.
TotalsExport::GridTexts recalc(TotalsExport::GridTexts cells);

} // namespace TotalsArithmetic
