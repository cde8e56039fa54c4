#pragma once

#include "core/Numbers.h"
#include "core/TotalsArithmetic.h"
#include "core/TotalsExport.h"

#include <QHash>
#include <QLocale>
#include <QTableWidget>

#include <array>

class QMenu;

// MY_Grid: the 18 x 4 table where every calculator's labour and material cost meet. Row 0 holds
// the headings and column 0 the captions; rows 1 to 8 are the calculators, row 14 the sub totals
// and row 17 the grand total. Cells hold text; amounts are read from it only while totals are
// worked out.
class TotalsGrid final : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int kRows = TotalsExport::kRows;
    static constexpr int kColumns = TotalsExport::kColumns;
    static constexpr int kFirstCalculatorRow = TotalsArithmetic::kFirstCalculatorRow;
    static constexpr int kLastCalculatorRow = TotalsArithmetic::kLastCalculatorRow;
    static constexpr int kSubTotalRow = TotalsArithmetic::kSubTotalRow;
    static constexpr int kGrandTotalRow = TotalsArithmetic::kGrandTotalRow;
    static constexpr int kLabourColumn = TotalsArithmetic::kLabourColumn;
    static constexpr int kMaterialColumn = TotalsArithmetic::kMaterialColumn;
    static constexpr int kTotalColumn = TotalsArithmetic::kTotalColumn;

    explicit TotalsGrid(QWidget *parent = nullptr);

    QString cell(int row, int column) const;
    // Every cell's text as the grid shows it now, row by row, headings and captions included.
    TotalsExport::GridTexts texts() const;
    void setCell(int row, int column, const QString &text);

    // Builds the table: captions, headings, zeros in rows 1 to 8, widths.
    void LoadGrid();
    // Rewrites every value cell that holds a number in the grid form "$#0.00".
    void FormatGrid();
    // Recomputes row totals, sub totals and the grand total, all at once.
    void RecalcTotals();

    // The same work in the three stages the page switch interleaves with its own steps.
    void recalcReadAmounts();
    void recalcFormatAndSubTotals();
    void recalcGrandAndRowTotals();

    // The selected cells as text: a tab between cells, a line break between rows.
    QString clipText() const;
    // "Copy Grid ": the selection's text onto the clipboard.
    void copyGrid();
    // "Select All": from cell (0, 0) to the last row and column, headings included.
    void selectWholeGrid();

    // The pop-up menu a right click opens (mnugridEdit); the grid adds its entries to it.
    void setPopupMenu(QMenu *menu);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // An amount as the recomputation reads it: the locale's currency reading; empty text or
    // text that is no number counts as 0.
    Numbers::Currency amountOf(const QString &text);
    // The grid form of a cell's text, or a null text when the cell holds no number.
    QString gridFormOf(const QString &text);
    QString currencyText(Numbers::Currency amount);
    // Every page switch reads and formats the same few dozen texts again; the answers are kept
    // here, and forgotten when the locale they depend on changes.
    void forgetAnswersOnLocaleChange();

    TotalsArithmetic::RowAmounts m_labour{};
    TotalsArithmetic::RowAmounts m_material{};
    QMenu *m_popup = nullptr;
    QLocale m_answersLocale;
    QHash<QString, Numbers::Currency> m_amounts;
    QHash<QString, QString> m_gridForms;
    QHash<std::int64_t, QString> m_currencyTexts;
};
