#pragma once

#include <QString>

#include <functional>

class PriceListPage;
class QMenu;
class TotalsGrid;

// What a calculator page reaches beyond its own fields: the price list it copies prices from,
// the totals grid it posts to, and the window's pop-up menus.
struct Workspace
{
    PriceListPage *priceList = nullptr;
    TotalsGrid *totals = nullptr;
    std::function<QMenu *(const QString &name)> popupMenu;
};
