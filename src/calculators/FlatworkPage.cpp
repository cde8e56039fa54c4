#include "calculators/FlatworkPage.h"

#include <QRadioButton>
#include <QVBoxLayout>

FlatworkPage::FlatworkPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    column()->addStretch();
    addPostingArea(PostTarget{2,
                              4,
                              {QStringLiteral("MyFWtbx_TLCY"), QStringLiteral("MyFwtbx_TC")},
                              QStringLiteral("MyFwtbx_TC")},
                   QStringLiteral("MyFNGFWcmd_send"), QStringLiteral("Send "),
                   QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(3, [](Qt::MouseButton) {}));
}
