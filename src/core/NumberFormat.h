#pragma once

#include "core/Numbers.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The texts the calculators and the totals grid write, and the locale's reading of grid cells.
//
// Formats round half away from zero on the value's decimal text in its own kind: 15 significant
// digits of a double, 7 of a float, the exact four decimals of a Currency. So 1.005 (double) gives
// 1.01 under NoLeadingZero although its binary value lies below 1.005. The decimal point and digit
// grouping come from numberLocale(); patterns and plain text write ASCII digits, the currency form the
// locale's own. A value that rounds to zero is written without a minus sign. Formatting a value that
// is not finite throws NumberOverflow.
namespace Numbers {

enum class Pattern {
    NoLeadingZero, // ".00":       two decimals, no grouping, nothing before the point under 1 (.50)
    TrimmedTwo,    // "0.##":      up to two decimals, no grouping, keeps its point (200. and 2.5)
    GroupedTwo,    // "##,##0.00": two decimals with digit grouping (1,234.50 and 0.50)
    GridDollar,    // "$#0.00":    a literal dollar sign, no grouping, two decimals (-$5.00)
};

// The locale whose currency form, decimal point and grouping the texts use: the default QLocale,
// or US conventions where that is the C/POSIX locale.
QLocale numberLocale();

// Overloads by kind: pass a float for a value "taken as single".
QString formatNumber(double value, Pattern pattern);
QString formatNumber(float value, Pattern pattern);

// The locale's currency form (symbol, grouping, its own number of decimals, its negative style;
// US: $1,234.50 and ($1,234.50)). A double or float is first converted to Currency from its binary
// value, as any conversion to currency is, which throws NumberOverflow when out of range.
QString formatCurrency(Currency value);
QString formatCurrency(double value);

// The material cost of a quantity at a unit price, both field texts as typed or shown: each read as
// a calculator field is into the currency kind, multiplied exactly (four decimals, ties to even), in
// the currency form. So the cost is exact to the cent at any size, as the totals that sum it are.
// Throws NumberOverflow when a reading or the product leaves the currency range.
QString costText(QStringView quantity, QStringView price);

// The shortest text of the value up to 15 (double) or 7 (float) significant digits, no grouping;
// very large or small values in exponent form (1E+15, 1E-05).
QString plainText(double value);
QString plainText(float value);

// The locale's reading of an amount such as $1,234.50, 1234.5, ($5.00) or -$5.00: optional blanks,
// sign or parentheses, the currency symbol (the locale's or a dollar sign) before or after the
// number, grouping separators between integer digits, a decimal point. Empty text or anything else
// is no number (nullopt). The Currency reading rounds past four decimals half to even and throws
// NumberOverflow beyond its range; a double beyond its range is an infinity.
std::optional<double> parseLocaleNumber(QStringView text);
std::optional<Currency> parseLocaleCurrency(QStringView text);

} // namespace Numbers
