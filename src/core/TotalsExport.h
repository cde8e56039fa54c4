#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QDateTime;

// The totals grid written out as a spreadsheet workbook: one sheet, "Mortarix", the grid's 18 rows
// and 4 columns cell for cell. Amounts become numbers in the accounting format, so the spreadsheet
// can add, sort and re-format them; headings and captions stay text.
namespace TotalsExport {

// The grid's shape: 18 rows (headings, eight calculators, totals) of 4 columns.
inline constexpr int kRows = 18;
inline constexpr int kColumns = 4;

// The grid's texts, row by row, headings and captions included.
using GridTexts = QList<QStringList>;

struct Result
{
    QString path;  // the workbook written, when it was
    QString error; // what went wrong, empty on success

    bool ok() const { return error.isEmpty(); }
};

// The name of the sheet that receives the grid.
QString sheetName();

// "Mortarix Totals YYYY-MM-DD HHMMSS", the name a workbook made at `when` is given.
QString baseName(const QDateTime &when);

// Writes `cells` as a workbook into `folder` under baseName(when) + ".xlsx"; when that name is
// taken, " (2)", " (3)", ... is added, so an earlier export is never overwritten. The workbook is
// written under a temporary name in the same folder and renamed when complete, so a failure leaves
// no half-written file behind.
Result writeWorkbook(const GridTexts &cells, const QString &folder, const QDateTime &when);

} // namespace TotalsExport
