#include "totals/TotalsPage.h"

#include "core/TotalsExport.h"
#include "platform/Desktop.h"
#include "totals/TotalsGrid.h"
#include "totals/TotalsMessages.h"
#include "totals/TotalsPrinter.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

TotalsPage::TotalsPage(QWidget *frame, QMenu *gridMenu) : QWidget(frame)
{
    setObjectName(QStringLiteral("TotalsContent"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_grid = new TotalsGrid(this);
    m_grid->setPopupMenu(gridMenu);
    column->addWidget(m_grid);

    auto *commands = new QHBoxLayout;
    auto *print = new QPushButton(QStringLiteral("Print Grid . ."), this);
    print->setObjectName(QStringLiteral("MYTotalscmd_Print"));
    connect(print, &QPushButton::clicked, this, &TotalsPage::printGrid);
    commands->addWidget(print);
    commands->addSpacing(8);

    auto *exportButton = new QPushButton(QStringLiteral("Export Grid . . "), this);
    exportButton->setObjectName(QStringLiteral("MyGRIDcmd_xprt"));
    connect(exportButton, &QPushButton::clicked, this, &TotalsPage::exportGrid);
    commands->addWidget(exportButton);
    auto *hint = new QLabel(QStringLiteral("Export This Grid To Excel"), this);
    hint->setBuddy(exportButton);
    hint->setWordWrap(true); // the row is tight, and larger program fonts must not cut the words off
    commands->addWidget(hint);
    commands->addSpacing(8);
    // The main window runs it: the estimate reads the whole job, not only the grid.
    auto *estimateButton = new QPushButton(QStringLiteral("Estimate . . ."), this);
    estimateButton->setObjectName(QStringLiteral("MyGRIDcmd_Estimate"));
    commands->addWidget(estimateButton);
    commands->addStretch();
    column->addLayout(commands);
}

void TotalsPage::printGrid()
{
    if (!TotalsMessages::askPrintGrid(this))
        return;

    Desktop &desktop = Desktop::instance();
    std::unique_ptr<QPrinter> printer = desktop.defaultPrinter();
    if (!printer) {
        // No default printer (common on Linux desktops): let the user pick one, or a PDF file.
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!desktop.choosePrinter(this, printer.get()))
            return;
    }
    const QString failure = TotalsPrinter::print(*printer, *m_grid);
    if (!failure.isEmpty())
        TotalsMessages::printFailed(this, failure);
}

void TotalsPage::exportGrid()
{
    if (!TotalsMessages::askExportGrid(this))
        return;

    Desktop &desktop = Desktop::instance();
    const TotalsExport::Result written =
        TotalsExport::writeWorkbook(m_grid->texts(), desktop.documentsFolder(), QDateTime::currentDateTime());
    if (!written.ok()) {
        TotalsMessages::exportFailed(this, written.error);
        return;
    }
    if (!desktop.openDocument(written.path)) {
        // The workbook is on disk all the same; say where, so the work is not lost.
        TotalsMessages::exportedButNotOpened(this, written.path);
    }
}
