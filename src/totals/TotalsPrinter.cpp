#include "totals/TotalsPrinter.h"

#include "totals/TotalsGrid.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTableWidgetItem>

#include <algorithm>

namespace {

// The grid's widths and heights are screen pixels at 96 dots per inch: 15 twips each.
constexpr double kTwipsPerPixel = 15.0;
// Room between a cell's edge and its text, and the thickness of the grid's lines.
constexpr double kCellPaddingTwips = 45.0;
constexpr double kLineTwips = 10.0;
// Gap between the title and the top of the grid.
constexpr double kTitleGapTwips = 120.0;
// Below this a shrunk text would no longer be readable on paper.
constexpr double kSmallestPointSize = 4.0;

// The grid's font in points, so it prints at the size it shows on screen.
QFont printFont(const TotalsGrid &grid)
{
    QFont font = grid.font();
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
    return font;
}

QString failureText(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QStringLiteral("The Grid Could Not Be Printed.\n\nThe file %1 could not be written.")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    const QString name =
        printer.printerName().isEmpty() ? QStringLiteral("The printer") : printer.printerName();
    return QStringLiteral("The Grid Could Not Be Printed.\n\n%1 reported an error. Please check the printer "
                          "and try again.")
        .arg(name);
}

// Draws one cell's text inside `cell`, shrinking the font where the text would not fit, so an amount
// is never cut off on paper.
void drawCellText(QPainter &painter, const QFont &font, const QRectF &cell, int alignment,
                  const QString &text)
{
    const double padding = kCellPaddingTwips * painter.device()->logicalDpiX() / 1440.0;
    const QRectF inner = cell.adjusted(padding, 0, -padding, 0);
    QFont fitted = font;
    const double needed = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    if (needed > inner.width() && inner.width() > 0)
        fitted.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() * inner.width() / needed));
    painter.setFont(fitted);
    painter.drawText(inner, alignment | Qt::TextDontClip | Qt::TextSingleLine, text);
}

} // namespace

namespace TotalsPrinter {

QString title()
{
    return QStringLiteral("Masonry Summary");
}

QString print(QPrinter &printer, const TotalsGrid &grid)
{
    // Positions are measured from the paper's edges, not from the printable area.
    printer.setFullPage(true);
    printer.setDocName(title());

    QPainter painter;
    if (!painter.begin(&printer))
        return failureText(printer);

    const double perTwip = printer.resolution() / 1440.0;
    auto device = [perTwip](double twips) { return twips * perTwip; };

    const double gridLeft = device(kOriginLeftTwips + kGridOffsetXTwips);
    const double gridTop = device(kOriginTopTwips + kGridOffsetYTwips);
    QList<double> columnEdges{gridLeft};
    for (int column = 0; column < grid.columnCount(); ++column)
        columnEdges << columnEdges.last() + device(grid.columnWidth(column) * kTwipsPerPixel);
    QList<double> rowEdges{gridTop};
    for (int row = 0; row < grid.rowCount(); ++row)
        rowEdges << rowEdges.last() + device(grid.rowHeight(row) * kTwipsPerPixel);

    const QFont font = printFont(grid);

    // Title above the grid, aligned with its left edge.
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPointSizeF(font.pointSizeF() * 1.5);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const double titleBaseline =
        gridTop - device(kTitleGapTwips) - QFontMetricsF(titleFont, &printer).descent();
    painter.drawText(QPointF(gridLeft, titleBaseline), title());

    // Cells: the fixed cells' shading, then the texts.
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            const QRectF cell(QPointF(columnEdges.at(column), rowEdges.at(row)),
                              QPointF(columnEdges.at(column + 1), rowEdges.at(row + 1)));
            const QTableWidgetItem *entry = grid.item(row, column);
            if (!entry)
                continue;
            if (entry->background().style() != Qt::NoBrush)
                painter.fillRect(cell, entry->background());
            if (entry->text().isEmpty())
                continue;
            const QBrush foreground = entry->foreground();
            painter.setPen(foreground.style() != Qt::NoBrush ? foreground.color() : QColor(Qt::black));
            int alignment = entry->textAlignment();
            if ((alignment & Qt::AlignHorizontal_Mask) == 0)
                alignment |= Qt::AlignLeft;
            if ((alignment & Qt::AlignVertical_Mask) == 0)
                alignment |= Qt::AlignVCenter;
            drawCellText(painter, font, cell, alignment, entry->text());
        }
    }

    // Grid lines over the shading.
    QPen line(QColor(0x80, 0x80, 0x80));
    line.setWidthF(device(kLineTwips));
    painter.setPen(line);
    for (const double x : std::as_const(columnEdges))
        painter.drawLine(QPointF(x, rowEdges.first()), QPointF(x, rowEdges.last()));
    for (const double y : std::as_const(rowEdges))
        painter.drawLine(QPointF(columnEdges.first(), y), QPointF(columnEdges.last(), y));

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failureText(printer);
    return {};
}

} // namespace TotalsPrinter
