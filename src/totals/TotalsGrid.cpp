#include "totals/TotalsGrid.h"

#include "core/NumberFormat.h"
#include "core/Twips.h"
#include "platform/MenuEntries.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>

using Numbers::Currency;

namespace {

const char *const kCaptions[TotalsGrid::kRows] = {"",          "Footings",
                                                  "Piers",     "Rebar",
                                                  "Flatwork",  "Welded Wire",
                                                  "Block",     "Poured Walls",
                                                  "Brick",     "",
                                                  "",          "",
                                                  "",          "",
                                                  "Sub Total", "",
                                                  "",          "Grand Total"};

const int kColumnWidthsTwips[TotalsGrid::kColumns] = {1500, 1600, 1800, 1300};

} // namespace

TotalsGrid::TotalsGrid(QWidget *parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("MY_Grid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The grid starts as laid out: two rows, one of them fixed.
    setColumnCount(kColumns);
    setRowCount(2);
}

QString TotalsGrid::cell(int row, int column) const
{
    const QTableWidgetItem *entry = item(row, column);
    return entry ? entry->text() : QString();
}

TotalsExport::GridTexts TotalsGrid::texts() const
{
    TotalsExport::GridTexts texts;
    for (int row = 0; row < kRows; ++row) {
        QStringList line;
        for (int column = 0; column < kColumns; ++column)
            line << cell(row, column);
        texts << line;
    }
    return texts;
}

void TotalsGrid::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *entry = item(row, column);
    if (!entry) {
        entry = new QTableWidgetItem;
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (row == 0 || column == 0) {
            // Headings and captions look fixed.
            entry->setBackground(palette().button());
            entry->setForeground(palette().buttonText());
        } else {
            entry->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        setItem(row, column, entry);
    }
    // Every page switch rewrites the whole grid; an unchanged cell costs no repaint.
    if (entry->text() != text)
        entry->setText(text);
}

void TotalsGrid::LoadGrid()
{
    clearContents();
    setRowCount(2);
    setColumnCount(kColumns);
    // Eight rows of zeros go in before the last row, which becomes row 9.
    for (int i = 0; i < 8; ++i) {
        const int row = rowCount() - 1;
        insertRow(row);
        for (int column = 1; column < kColumns; ++column)
            setCell(row, column, QStringLiteral("0"));
    }
    setRowCount(rowCount() + 8);
    for (int column = 0; column < kColumns; ++column)
        setColumnWidth(column, twips(kColumnWidthsTwips[column]));
    setCell(0, 0, QString());
    setCell(0, 1, QStringLiteral("Labor Cost"));
    setCell(0, 2, QStringLiteral("Material Cost"));
    setCell(0, 3, QStringLiteral("Total"));
    for (int row = 1; row < kRows; ++row)
        setCell(row, 0, QString::fromLatin1(kCaptions[row]));
    for (int row = 1; row < kRows; ++row) {
        for (int column = 1; column < kColumns; ++column) {
            if (!item(row, column))
                setCell(row, column, QString());
        }
    }
    FormatGrid();
}

void TotalsGrid::FormatGrid()
{
    forgetAnswersOnLocaleChange();
    for (int row = 1; row < rowCount(); ++row) {
        for (int column = 1; column < kColumns; ++column) {
            const QString formatted = gridFormOf(cell(row, column));
            if (!formatted.isNull())
                setCell(row, column, formatted);
        }
    }
}

void TotalsGrid::forgetAnswersOnLocaleChange()
{
    const QLocale locale;
    if (locale == m_answersLocale)
        return;
    m_answersLocale = locale;
    m_amounts.clear();
    m_gridForms.clear();
    m_currencyTexts.clear();
}

namespace {

// Text typed into the grid could make these grow without end; a few hundred answers cover every
// text a session's grid holds at once.
constexpr qsizetype kMaxAnswers = 512;

template <typename Key, typename Value, typename Compute>
Value remembered(QHash<Key, Value> &answers, const Key &key, Compute compute)
{
    const auto found = answers.constFind(key);
    if (found != answers.cend())
        return *found;
    if (answers.size() >= kMaxAnswers)
        answers.clear();
    const Value value = compute();
    answers.insert(key, value);
    return value;
}

} // namespace

QString TotalsGrid::gridFormOf(const QString &text)
{
    return remembered(m_gridForms, text, [&text] { return TotalsArithmetic::gridFormOf(text); });
}

Currency TotalsGrid::amountOf(const QString &text)
{
    return remembered(m_amounts, text, [&text] { return TotalsArithmetic::amountOf(text); });
}

QString TotalsGrid::currencyText(Currency amount)
{
    return remembered(m_currencyTexts, amount.ticks(), [amount] { return Numbers::formatCurrency(amount); });
}

void TotalsGrid::recalcReadAmounts()
{
    forgetAnswersOnLocaleChange();
    for (int row = kFirstCalculatorRow; row <= kLastCalculatorRow; ++row) {
        m_labour[row] = amountOf(cell(row, kLabourColumn));
        m_material[row] = amountOf(cell(row, kMaterialColumn));
    }
}

void TotalsGrid::recalcFormatAndSubTotals()
{
    FormatGrid();
    const std::optional<Currency> material = TotalsArithmetic::sum(m_material);
    const std::optional<Currency> labour = TotalsArithmetic::sum(m_labour);
    if (!material || !labour)
        return;
    setCell(kSubTotalRow, kMaterialColumn, currencyText(*material));
    setCell(kSubTotalRow, kLabourColumn, currencyText(*labour));
}

void TotalsGrid::recalcGrandAndRowTotals()
{
    forgetAnswersOnLocaleChange();
    const auto totals = TotalsArithmetic::totalsOf(cell(kSubTotalRow, kLabourColumn),
                                                   cell(kSubTotalRow, kMaterialColumn), m_labour, m_material);
    if (!totals)
        return;
    setCell(kGrandTotalRow, kMaterialColumn, currencyText(totals->grand));
    for (int row = kFirstCalculatorRow; row <= kLastCalculatorRow; ++row)
        setCell(row, kTotalColumn, currencyText(totals->rows[std::size_t(row)]));
}

void TotalsGrid::RecalcTotals()
{
    recalcReadAmounts();
    recalcFormatAndSubTotals();
    recalcGrandAndRowTotals();
}

QString TotalsGrid::clipText() const
{
    int top = currentRow();
    int bottom = top;
    int left = currentColumn();
    int right = left;
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (!ranges.isEmpty()) {
        top = ranges.first().topRow();
        bottom = ranges.first().bottomRow();
        left = ranges.first().leftColumn();
        right = ranges.first().rightColumn();
        for (const QTableWidgetSelectionRange &range : ranges) {
            top = qMin(top, range.topRow());
            bottom = qMax(bottom, range.bottomRow());
            left = qMin(left, range.leftColumn());
            right = qMax(right, range.rightColumn());
        }
    }
    if (top < 0 || left < 0)
        return {};
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column)
            cells << cell(row, column);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void TotalsGrid::copyGrid()
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(clipText());
}

void TotalsGrid::selectWholeGrid()
{
    setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(0, 0, rowCount() - 1, columnCount() - 1), true);
}

void TotalsGrid::setPopupMenu(QMenu *menu)
{
    m_popup = menu;
    if (!menu)
        return;
    connect(addMenuEntry(menu, "mnugridcopy", "Copy Grid "), &QAction::triggered, this,
            &TotalsGrid::copyGrid);
    menu->addSeparator();
    connect(addMenuEntry(menu, "mnugridselect", "Select All"), &QAction::triggered, this,
            &TotalsGrid::selectWholeGrid);
}

void TotalsGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton && m_popup)
        m_popup->exec(event->globalPosition().toPoint());
    FormatGrid();
}
