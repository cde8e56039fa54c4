#include "shell/EstimateCommands.h"

#include "platform/Desktop.h"
#include "platform/ModalDialog.h"
#include "shell/JobSession.h"
#include "shell/MainWindow.h"
#include "totals/TotalsMessages.h"

#include <QAction>
#include <QDate>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>

EstimateCommands::EstimateCommands(MainWindow *window) : QObject(window), m_window(window)
{
    connect(window->menuAction(QStringLiteral("mnuPreviewEstimate")), &QAction::triggered, this,
            &EstimateCommands::preview);
    connect(window->menuAction(QStringLiteral("mnuPrintEstimate")), &QAction::triggered, this,
            &EstimateCommands::print);
    connect(window->menuAction(QStringLiteral("mnuExportEstimate")), &QAction::triggered, this,
            &EstimateCommands::exportPdf);
}

std::optional<Estimate> EstimateCommands::current()
{
    const Job job = m_window->jobs()->capture();
    const BusinessDetails business = BusinessDetails::load();
    std::optional<Estimate> estimate = Estimate::of(job, business);
    if (job.posted.isEmpty())
        TotalsMessages::nothingPosted(m_window);
    else if (!estimate)
        TotalsMessages::estimateOutOfRange(m_window);
    else if (business.addMaterialList)
        estimate->materials = MaterialOrder::of(job, MaterialFactors::load(), job.coresFilled);
    return estimate;
}

void EstimateCommands::preview()
{
    const std::optional<Estimate> estimate = current();
    if (!estimate)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(EstimateDocument::pageLayout(QLocale()));
    ModalDialog<QPrintPreviewDialog> dialog(&printer, m_window);
    dialog->setObjectName(QStringLiteral("frmEstimatePreview"));
    dialog->setWindowTitle(QStringLiteral("Estimate Preview"));
    connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
            [&estimate](QPrinter *target) { EstimateDocument::render(*estimate, target); });
    dialog.exec();
}

void EstimateCommands::print()
{
    const std::optional<Estimate> estimate = current();
    if (!estimate)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(EstimateDocument::pageLayout(QLocale()));
    if (!Desktop::instance().choosePrinter(m_window, &printer))
        return;
    if (!EstimateDocument::render(*estimate, &printer))
        TotalsMessages::printFailed(
            m_window,
            QStringLiteral("The estimate could not be printed on \"%1\".")
                .arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName()));
}

QString EstimateCommands::exportPdf()
{
    const std::optional<Estimate> estimate = current();
    if (!estimate)
        return {};
    Desktop &desktop = Desktop::instance();
    const QString path = EstimateDocument::freePath(
        desktop.documentsFolder(), EstimateDocument::fileName(estimate->details, QDate::currentDate()));
    const QString failure = EstimateDocument::writePdf(*estimate, path, QLocale());
    if (!failure.isEmpty()) {
        TotalsMessages::notWritten(m_window, QStringLiteral("estimate"), path, failure);
        return {};
    }
    if (!desktop.openDocument(path))
        TotalsMessages::estimateNotOpened(m_window, path); // the file is there all the same
    return path;
}
