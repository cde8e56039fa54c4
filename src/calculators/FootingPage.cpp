#include "calculators/FootingPage.h"

#include <QVBoxLayout>

FootingPage::FootingPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    column()->addStretch();
    addPostingArea(PostTarget{6,
                              1,
                              {QStringLiteral("MyFNGtbx_TLCY"), QStringLiteral("MyFNGtbx_TC")},
                              QStringLiteral("MyFNGtbx_TC")},
                   QStringLiteral("Myfngcmd_send"), QStringLiteral("Send "),
                   QStringLiteral("Click \"SEND\" Button To Copy Total Cost To The Totals Page."));
}
