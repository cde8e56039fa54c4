#pragma once

#include "core/BusinessDetails.h"
#include "core/Job.h"
#include "core/MaterialOrder.h"
#include "core/Numbers.h"

#include <QByteArray>
#include <QList>
#include <QPageLayout>
#include <QString>

#include <memory>
#include <optional>

class QLocale;
class QPagedPaintDevice;
class QTextDocument;

// One posted totals row as the customer reads it.
struct EstimateLine
{
    int row = 0;
    QString item;
    QString description;
    QString quantity;  // with its unit
    QString unitPrice; // "$85.00 per cu yd"
    Numbers::Currency labour;
    Numbers::Currency material;
    Numbers::Currency total;
};

// An estimate for the customer: who quotes, for whom, the posted rows, and the sums as the Totals
// page shows them, with tax on material where the business charges it.
struct Estimate
{
    BusinessDetails business;
    JobDetails details;
    QList<EstimateLine> lines;
    Numbers::Currency labourSubTotal;
    Numbers::Currency materialSubTotal;
    std::optional<Numbers::Currency> tax; // only with a tax rate
    Numbers::Currency total;
    QByteArray notes; // RTF
    // What to order, on a page of its own at the end; none leaves the page out.
    QList<MaterialOrder::Group> materials;

    // The estimate of `job`: its posted rows in grid order, amounts read from the grid's cells with
    // the grid's own arithmetic. Nothing when no row was posted or a sum leaves the range of money.
    static std::optional<Estimate> of(const Job &job, const BusinessDetails &business);
};

namespace EstimateDocument {

// Letter where the locale measures in inches (the US), A4 elsewhere, with margins.
QPageLayout pageLayout(const QLocale &locale);

// The estimate as a rich-text document (the header, the table of rows with its heading repeated on
// every page, the sums, remarks, notes, terms and acceptance lines).
std::unique_ptr<QTextDocument> build(const Estimate &estimate);

// Lays the estimate out on `device`'s pages, each with "Page n of m" at its foot. False when the
// device cannot be painted on (a printer that fails).
bool render(const Estimate &estimate, QPagedPaintDevice *device);

// "Estimate <number> <job name> <YYYY-MM-DD>.pdf", parts left out when empty, with no character a
// file name cannot hold.
QString fileName(const JobDetails &details, const QDate &today);

// `name` in `folder`, or with " (2)", " (3)" ... before the extension when taken.
QString freePath(const QString &folder, const QString &name);

// Writes the estimate as a PDF at `path`, in one piece. Returns the reason for a failure, or an
// empty text.
QString writePdf(const Estimate &estimate, const QString &path, const QLocale &locale);

} // namespace EstimateDocument
