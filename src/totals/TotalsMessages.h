#pragma once

#include <QString>

class QWidget;

// The Totals page's and the price list's messages and questions. A question returns true for its
// affirmative button.
namespace TotalsMessages {

bool askPrintGrid(QWidget *parent);
void printFailed(QWidget *parent, const QString &reason);
bool askExportGrid(QWidget *parent);
void exportFailed(QWidget *parent, const QString &reason);
// The workbook was written but no program opens it: where it is, so the work is not lost.
void exportedButNotOpened(QWidget *parent, const QString &path);

// The estimate's commands with no row sent to the totals.
void nothingPosted(QWidget *parent);
void estimateOutOfRange(QWidget *parent);
// The estimate or the order list ("what") could not be written at `path`.
void notWritten(QWidget *parent, const QString &what, const QString &path, const QString &reason);
// The estimate was written but no viewer opens it: where it is.
void estimateNotOpened(QWidget *parent, const QString &path);

// The price list's Save: said only once the prices are on disk.
void pricesSaved(QWidget *parent);
void pricesNotSaved(QWidget *parent, const QString &storePath);

} // namespace TotalsMessages
