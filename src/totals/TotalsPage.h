#pragma once

#include <QWidget>

class QMenu;
class QPushButton;
class TotalsGrid;

// The Totals page: the grid of every calculator's costs, with the commands that print it and
// export it to a spreadsheet workbook.
class TotalsPage final : public QWidget
{
    Q_OBJECT

public:
    // Built inside `frame` (myframe(8)), which the main window lays it into. `gridMenu` is the grid's pop-up
    // menu.
    TotalsPage(QWidget *frame, QMenu *gridMenu);

    TotalsGrid *grid() const { return m_grid; }

    // "Print Grid . .": asks, then prints the grid on the default printer, or on the printer the
    // user picks where there is no default one.
    void printGrid();
    // "Export Grid . . ": asks, then writes the grid as a workbook into the documents folder and
    // opens it.
    void exportGrid();

private:
    TotalsGrid *m_grid = nullptr;
};
