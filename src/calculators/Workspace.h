#pragma once

class PriceListPage;
class QMenu;
class TotalsGrid;

// What a calculator page reaches beyond its own fields: the price list it copies prices from,
// the totals grid it posts to, and the window's pop-up menu its "More Info" opens (on the pages
// that have one), which the page fills with its own entries.
struct Workspace
{
    PriceListPage *priceList = nullptr;
    TotalsGrid *totals = nullptr;
    QMenu *moreInfoMenu = nullptr;
};
