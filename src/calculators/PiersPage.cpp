#include "calculators/PiersPage.h"

#include <QVBoxLayout>

PiersPage::PiersPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    column()->addStretch();
    addPostingArea(PostTarget{4,
                              2,
                              {QStringLiteral("MyPRStbx_TCY"), QStringLiteral("MyPRStbx_TCOCY")},
                              QStringLiteral("MyPRStbx_TCOCY")},
                   QStringLiteral("MYPRScmd_Send"), QStringLiteral("Send "),
                   QStringLiteral("Click \"SEND\" Button To Copy Total Cost To The Totals Page."));
}
