#include "core/TotalsExport.h"

#include "core/ExportFile.h"
#include "core/ExportLibraries.h"
#include "core/NumberFormat.h"
#include "core/OnDemandLibrary.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// libxlsxwriter is opened on the first export instead of being linked: it brings OpenSSL's libcrypto
// along, and loading that at start-up would slow every launch for a command few people use.
struct XlsxWriter
{
    decltype(&::workbook_new) workbook_new = nullptr;
    decltype(&::workbook_set_properties) workbook_set_properties = nullptr;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet = nullptr;
    decltype(&::workbook_add_format) workbook_add_format = nullptr;
    decltype(&::format_set_bold) format_set_bold = nullptr;
    decltype(&::format_set_num_format) format_set_num_format = nullptr;
    decltype(&::worksheet_write_number) worksheet_write_number = nullptr;
    decltype(&::worksheet_write_string) worksheet_write_string = nullptr;
    decltype(&::worksheet_set_column) worksheet_set_column = nullptr;
    decltype(&::workbook_close) workbook_close = nullptr;
    decltype(&::lxw_strerror) lxw_strerror = nullptr;
    QString error; // why the library cannot be used; empty when every function was found
};

const XlsxWriter &xlsxWriter()
{
    static const XlsxWriter functions = [] {
        OnDemandLibrary library(QStringLiteral("xlsxwriter"), ExportLibraries::kXlsxWriterMajor);
        XlsxWriter found;
#define MORTARIX_BIND(name) library.bind(found.name, #name)
        MORTARIX_BIND(workbook_new);
        MORTARIX_BIND(workbook_set_properties);
        MORTARIX_BIND(workbook_add_worksheet);
        MORTARIX_BIND(workbook_add_format);
        MORTARIX_BIND(format_set_bold);
        MORTARIX_BIND(format_set_num_format);
        MORTARIX_BIND(worksheet_write_number);
        MORTARIX_BIND(worksheet_write_string);
        MORTARIX_BIND(worksheet_set_column);
        MORTARIX_BIND(workbook_close);
        MORTARIX_BIND(lxw_strerror);
#undef MORTARIX_BIND
        found.error = library.errorString();
        return found;
    }();
    return functions;
}

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

QString writeCells(const XlsxWriter &xlsx, const TotalsExport::GridTexts &cells, const QString &path)
{
    lxw_workbook *book = xlsx.workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return QStringLiteral("The workbook could not be created.");

    QByteArray title = QByteArrayLiteral("Masonry Summary");
    lxw_doc_properties properties{};
    properties.title = title.data();
    xlsx.workbook_set_properties(book, &properties);

    lxw_worksheet *sheet = xlsx.workbook_add_worksheet(book, TotalsExport::sheetName().toUtf8().constData());
    lxw_format *heading = xlsx.workbook_add_format(book);
    xlsx.format_set_bold(heading);
    // Text in an amount column keeps the general format rather than taking the column's.
    lxw_format *plain = xlsx.workbook_add_format(book);
    lxw_format *money = xlsx.workbook_add_format(book);
    const QByteArray moneyFormat = accountingFormat();
    xlsx.format_set_num_format(money, moneyFormat.constData());

    lxw_error failure = LXW_NO_ERROR;
    int widths[TotalsExport::kColumns] = {};
    for (int row = 0; row < TotalsExport::kRows; ++row) {
        const QStringList texts = cells.value(row);
        for (int column = 0; column < TotalsExport::kColumns; ++column) {
            const QString text = texts.value(column);
            widths[column] = std::max(widths[column], shownLength(column, text));
            lxw_error written = LXW_NO_ERROR;
            if (const std::optional<double> amount = amountIn(column, text)) {
                written =
                    xlsx.worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), *amount, money);
            } else if (!text.isEmpty()) {
                lxw_format *format = (row == 0 || column == 0) ? heading : plain;
                written = xlsx.worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                                                      text.toUtf8().constData(), format);
            }
            if (written != LXW_NO_ERROR && failure == LXW_NO_ERROR)
                failure = written;
        }
    }
    for (int column = 0; column < TotalsExport::kColumns; ++column) {
        // A little room beyond the widest entry, as the spreadsheet's own fitting leaves.
        xlsx.worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), widths[column] + 2.0,
                                  column == 0 ? nullptr : money);
    }

    const lxw_error closed = xlsx.workbook_close(book);
    if (failure == LXW_NO_ERROR)
        failure = closed;
    if (failure != LXW_NO_ERROR)
        return QStringLiteral("The workbook could not be written: %1.")
            .arg(QString::fromUtf8(xlsx.lxw_strerror(failure)));
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

Result writeWorkbook(const GridTexts &cells, const QString &folder, const QDateTime &when)
{
    Result result;
    const XlsxWriter &xlsx = xlsxWriter();
    if (!xlsx.error.isEmpty()) {
        result.error = QStringLiteral("The spreadsheet library (libxlsxwriter) could not be loaded: %1.")
                           .arg(xlsx.error);
        return result;
    }
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

    result.error = writeCells(xlsx, cells, temporary.path());
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
