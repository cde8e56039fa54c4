#include "calculators/WeldedWirePage.h"

#include <QRadioButton>
#include <QVBoxLayout>

WeldedWirePage::WeldedWirePage(QGroupBox *frame, const Workspace &workspace)
    : CalculatorPage(frame, workspace)
{
    column()->addStretch();
    addPostingArea(PostTarget{3,
                              5,
                              {QStringLiteral("MYWWlbl_TSQOW"), QStringLiteral("MYWWtbx_TotalCost")},
                              QStringLiteral("MYWWtbx_TotalCost")},
                   QStringLiteral("MyFWWWcmd_SITS"), QStringLiteral("Send "),
                   QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(4, [](Qt::MouseButton) {}));
}
