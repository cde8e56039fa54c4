#include "totals/TotalsPage.h"

#include "totals/TotalsGrid.h"

#include <QVBoxLayout>

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
}
