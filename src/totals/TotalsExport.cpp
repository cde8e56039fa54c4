#include "totals/TotalsExport.h"

#include "calculators/NumberFormat.h"
#include "platform/ExportFile.h"
#include "totals/TotalsGrid.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The amount a cell holds, if it holds one: a number in grid or currency form in one of the amount
// columns. Captions stay text even when they look like numbers.
std::optional<double> amountIn(int column, const QString &text)
{
    if (column < 1)
        return std::nullopt;
    const std::optional<double> value = Numbers::parseLocaleNumber(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString currencySymbol()
{
    QString symbol = Numbers::numberLocale().currencySymbol(QLocale::CurrencySymbol);
    symbol.remove(QLatin1Char('"'));
    return symbol.isEmpty() ? QStringLiteral("$") : symbol;
}

// The spreadsheet's accounting format: symbol at the left edge, grouped amount with two decimals,
// negatives in parentheses, zero as a dash.
QByteArray accountingFormat()
{
    const QString symbol = QLatin1Char('"') + currencySymbol() + QLatin1Char('"');
    return (QStringLiteral("_(") + symbol + QStringLiteral("* #,##0.00_);_(") + symbol +
            QStringLiteral("* \\(#,##0.00\\);_(") + symbol + QStringLiteral("* \"-\"??_);_(@_)"))
        .toUtf8();
}

// How many characters a cell takes once the spreadsheet shows it.
int shownLength(int column, const QString &text)
{
    if (const std::optional<double> amount = amountIn(column, text)) {
        // Padding or parenthesis on each side, symbol, at least one blank of fill, grouped digits.
        const QString digits = Numbers::formatNumber(std::fabs(*amount), Numbers::Pattern::GroupedTwo);
        return 3 + int(currencySymbol().size()) + int(digits.size());
    }
    return int(text.size());
}

QString writeCells(const TotalsExport::GridTexts &cells, const QString &path)
{
    lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return QStringLiteral("The workbook could not be created.");

    QByteArray title = QByteArrayLiteral("Masonry Summary");
    lxw_doc_properties properties{};
    properties.title = title.data();
    workbook_set_properties(book, &properties);

    lxw_worksheet *sheet = workbook_add_worksheet(book, TotalsExport::sheetName().toUtf8().constData());
    lxw_format *heading = workbook_add_format(book);
    format_set_bold(heading);
    // Text in an amount column keeps the general format rather than taking the column's.
    lxw_format *plain = workbook_add_format(book);
    lxw_format *money = workbook_add_format(book);
    const QByteArray moneyFormat = accountingFormat();
    format_set_num_format(money, moneyFormat.constData());

    lxw_error failure = LXW_NO_ERROR;
    int widths[TotalsGrid::kColumns] = {};
    for (int row = 0; row < TotalsGrid::kRows; ++row) {
        const QStringList texts = cells.value(row);
        for (int column = 0; column < TotalsGrid::kColumns; ++column) {
            const QString text = texts.value(column);
            widths[column] = std::max(widths[column], shownLength(column, text));
            lxw_error written = LXW_NO_ERROR;
            if (const std::optional<double> amount = amountIn(column, text)) {
                written = worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), *amount, money);
            } else if (!text.isEmpty()) {
                lxw_format *format = (row == 0 || column == 0) ? heading : plain;
                written = worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                                                 text.toUtf8().constData(), format);
            }
            if (written != LXW_NO_ERROR && failure == LXW_NO_ERROR)
                failure = written;
        }
    }
    for (int column = 0; column < TotalsGrid::kColumns; ++column) {
        // A little room beyond the widest entry, as the spreadsheet's own fitting leaves.
        worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), widths[column] + 2.0,
                             column == 0 ? nullptr : money);
    }

    const lxw_error closed = workbook_close(book);
    if (failure == LXW_NO_ERROR)
        failure = closed;
    if (failure != LXW_NO_ERROR)
        return QStringLiteral("The workbook could not be written: %1.")
            .arg(QString::fromUtf8(lxw_strerror(failure)));
    return {};
}

} // namespace

namespace TotalsExport {

QString sheetName()
{
    return QStringLiteral("Mortarix");
}

QString baseName(const QDateTime &when)
{
    return ExportFile::baseName(QStringLiteral("Totals"), when);
}

GridTexts gridTexts(const TotalsGrid &grid)
{
    GridTexts texts;
    for (int row = 0; row < TotalsGrid::kRows; ++row) {
        QStringList line;
        for (int column = 0; column < TotalsGrid::kColumns; ++column)
            line << grid.cell(row, column);
        texts << line;
    }
    return texts;
}

Result writeWorkbook(const GridTexts &cells, const QString &folder, const QDateTime &when)
{
    Result result;
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        result.error =
            QStringLiteral("The folder %1 could not be created.").arg(QDir::toNativeSeparators(folder));
        return result;
    }

    // The workbook is written afresh under the temporary file's unique name, so it gets the usual
    // permissions rather than the placeholder's private ones.
    ExportFile::TemporaryFile temporary(folder, QStringLiteral("Totals"));
    if (!temporary.open()) {
        result.error =
            QStringLiteral("The folder %1 cannot be written to.").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    temporary.removeKeepingName();

    result.error = writeCells(cells, temporary.path());
    if (!result.ok())
        return result;

    const ExportFile::Placement placed = temporary.place(QStringLiteral("xlsx"), when);
    if (placed.ok()) {
        result.path = placed.path;
        return result;
    }
    result.error = QStringLiteral("The workbook could not be given its name in %1.")
                       .arg(QDir::toNativeSeparators(folder));
    return result;
}

} // namespace TotalsExport
