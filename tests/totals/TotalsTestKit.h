#pragma once

// What the totals tests share: driving the grid the way the calculators and the page buttons do.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "totals/TotalsGrid.h"

#include <QPushButton>

namespace TotalsTestKit {

// A post as "Send " makes it: the calculator's texts written into its row, as they stand.
struct Post
{
    int row = 0;
    QString labour;
    QString material;
};

inline void post(MainWindow &window, const QList<Post> &posts)
{
    for (const Post &p : posts) {
        window.totalsGrid()->setCell(p.row, TotalsGrid::kLabourColumn, p.labour);
        window.totalsGrid()->setCell(p.row, TotalsGrid::kMaterialColumn, p.material);
    }
}

// A click of the "Totals" page button: recomputes and shows the Totals page.
inline void clickTotals(MainWindow &window)
{
    QTest::mouseClick(window.pageButton(MainWindow::kTotalsPage), Qt::LeftButton);
}

inline QPushButton *button(MainWindow &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

} // namespace TotalsTestKit

Q_DECLARE_METATYPE(QList<TotalsTestKit::Post>)
