#pragma once

#include <QWidget>

class QMenu;
class TotalsGrid;

// The Totals page: the grid of every calculator's costs.
class TotalsPage final : public QWidget
{
    Q_OBJECT

public:
    // Fills `frame` (myframe(8)) and lives inside it; `gridMenu` is the grid's pop-up menu.
    TotalsPage(QWidget *frame, QMenu *gridMenu);

    TotalsGrid *grid() const { return m_grid; }

private:
    TotalsGrid *m_grid = nullptr;
};
