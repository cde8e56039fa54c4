#include "totals/TotalsPage.h"

#include "platform/Desktop.h"
#include "platform/Messages.h"
#include "totals/TotalsExport.h"
#include "totals/TotalsGrid.h"
#include "totals/TotalsPrinter.h"

#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

TotalsPage::TotalsPage(QWidget *frame, QMenu *gridMenu) : QWidget(frame)
{
    setObjectName(QStringLiteral("TotalsContent"));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    frameLayout->addWidget(this);

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
    commands->addSpacing(16);

    auto *exportButton = new QPushButton(QStringLiteral("Export Grid . . "), this);
    exportButton->setObjectName(QStringLiteral("MyGRIDcmd_xprt"));
    connect(exportButton, &QPushButton::clicked, this, &TotalsPage::exportGrid);
    commands->addWidget(exportButton);
    auto *hint = new QLabel(QStringLiteral("Export This Grid To Excel"), this);
    hint->setBuddy(exportButton);
    commands->addWidget(hint);
    commands->addStretch();
    column->addLayout(commands);
}

void TotalsPage::printGrid()
{
    const auto answer =
        Messages::show(this, QStringLiteral("You Are About To Print This Grid,\n\nDo You Want To Continue?"),
                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question);
    if (answer != QMessageBox::Ok)
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
        Messages::show(this, failure, QMessageBox::Ok, QMessageBox::Warning);
}

void TotalsPage::exportGrid()
{
    const auto answer =
        Messages::show(this,
                       QStringLiteral("You Must Have MS-Excel On Your Computer To Export \n"
                                      "This Grid To A Spreadsheet.\n\nDo You Want To Continue?"),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return;

    Desktop &desktop = Desktop::instance();
    const TotalsExport::Result written = TotalsExport::writeWorkbook(
        TotalsExport::gridTexts(*m_grid), desktop.documentsFolder(), QDateTime::currentDateTime());
    if (!written.ok()) {
        Messages::show(this, QStringLiteral("The Grid Could Not Be Exported.\n\n") + written.error,
                       QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    if (!desktop.openDocument(written.path)) {
        // The workbook is on disk all the same; say where, so the work is not lost.
        Messages::show(this,
                       QStringLiteral("Sorry, Unable To Execute That Request.\n"
                                      "You Do Not Have MS - Excel Installed On Your Computer.\n\n"
                                      "The grid has been saved as:\n") +
                           QDir::toNativeSeparators(written.path),
                       QMessageBox::Ok, QMessageBox::Information);
    }
}
