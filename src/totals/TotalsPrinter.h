#pragma once

#include <QString>

class QPrinter;
class TotalsGrid;

// Prints the totals grid on one page: the grid as it is shown (headings, captions, lines and
// texts), drawn cell by cell at the printer's resolution so the page is sharp and a PDF keeps its
// text, under the title "Masonry Summary".
namespace TotalsPrinter {

// The page's title.
QString title();

// Where the grid goes, in twips from the paper's edges: the page origin lies 2 inches from the
// left and 1 inch from the top, and the grid 2 twips right and 4 twips down from it.
constexpr int kOriginLeftTwips = 2880;
constexpr int kOriginTopTwips = 1440;
constexpr int kGridOffsetXTwips = 2;
constexpr int kGridOffsetYTwips = 4;

// Prints `grid` on `printer` and ends the document. Returns an empty string on success, or a
// sentence saying what went wrong.
QString print(QPrinter &printer, const TotalsGrid &grid);

} // namespace TotalsPrinter
