#include "calculators/PouredWallsPage.h"

#include <QRadioButton>
#include <QVBoxLayout>

PouredWallsPage::PouredWallsPage(QGroupBox *frame, const Workspace &workspace)
    : CalculatorPage(frame, workspace)
{
    column()->addStretch();
    addPostingArea(PostTarget{7,
                              7,
                              {QStringLiteral("MyCWtbx_TQCY"), QStringLiteral("MyCWtbx_TCOM")},
                              QStringLiteral("MyCWtbx_TCOM")},
                   QStringLiteral("MYCWcmd_Send"), QStringLiteral("Send "),
                   QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(0, [](Qt::MouseButton) {}));
}
