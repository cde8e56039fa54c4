#include "core/TotalsArithmetic.h"

#include "core/NumberFormat.h"

using Numbers::Currency;

namespace TotalsArithmetic {

Currency amountOf(const QString &text)
{
    try {
        return Numbers::parseLocaleCurrency(text).value_or(Currency());
    } catch (const Numbers::NumberOverflow &) {
        return Currency();
    }
}

QString gridFormOf(const QString &text)
{
    try {
        if (const auto value = Numbers::parseLocaleNumber(text))
            return Numbers::formatNumber(*value, Numbers::Pattern::GridDollar);
    } catch (const Numbers::NumberOverflow &) {
        // Text too large to be an amount stays as it is.
    }
    return QString();
}

std::optional<Currency> sum(const RowAmounts &amounts)
{
    static constexpr int kSumOrder[] = {2, 1, 3, 4, 5, 6, 7, 8};
    // Money is summed exactly in fixed point, so a sub total is never a cent off.
    Currency total;
    try {
        for (int row : kSumOrder)
            total = total + amounts[std::size_t(row)];
    } catch (const Numbers::NumberOverflow &) {
        return std::nullopt;
    }
    return total;
}

std::optional<Totals> totalsOf(const QString &labourSubTotal, const QString &materialSubTotal,
                               const RowAmounts &labour, const RowAmounts &material)
{
    try {
        Totals totals;
        totals.grand = amountOf(labourSubTotal) + amountOf(materialSubTotal);
        for (std::size_t row = kFirstCalculatorRow; row <= kLastCalculatorRow; ++row)
            totals.rows[row] = labour[row] + material[row];
        return totals;
    } catch (const Numbers::NumberOverflow &) {
        return std::nullopt;
    }
}

TotalsExport::GridTexts recalc(TotalsExport::GridTexts cells)
{
    auto cell = [&cells](int row, int column) -> QString & {
        while (cells.size() <= row)
            cells.append(QStringList());
        QStringList &line = cells[row];
        while (line.size() <= column)
            line.append(QString());
        return line[column];
    };
    RowAmounts labour{};
    RowAmounts material{};
    for (int row = kFirstCalculatorRow; row <= kLastCalculatorRow; ++row) {
        labour[std::size_t(row)] = amountOf(cell(row, kLabourColumn));
        material[std::size_t(row)] = amountOf(cell(row, kMaterialColumn));
    }
    for (int row = 1; row < cells.size(); ++row) {
        for (int column = 1; column < TotalsExport::kColumns; ++column) {
            const QString formatted = gridFormOf(cell(row, column));
            if (!formatted.isNull())
                cell(row, column) = formatted;
        }
    }
    const std::optional<Currency> materialSum = sum(material);
    const std::optional<Currency> labourSum = sum(labour);
    if (materialSum && labourSum) {
        cell(kSubTotalRow, kMaterialColumn) = Numbers::formatCurrency(*materialSum);
        cell(kSubTotalRow, kLabourColumn) = Numbers::formatCurrency(*labourSum);
    }
    const auto totals =
        totalsOf(cell(kSubTotalRow, kLabourColumn), cell(kSubTotalRow, kMaterialColumn), labour, material);
    if (totals) {
        cell(kGrandTotalRow, kMaterialColumn) = Numbers::formatCurrency(totals->grand);
        for (int row = kFirstCalculatorRow; row <= kLastCalculatorRow; ++row)
            cell(row, kTotalColumn) = Numbers::formatCurrency(totals->rows[std::size_t(row)]);
    }
    return cells;
}

} // namespace TotalsArithmetic
