#include "calculators/BrickPage.h"

#include <QRadioButton>
#include <QVBoxLayout>

BrickPage::BrickPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    column()->addStretch();
    addPostingArea(PostTarget{0, 8, {QStringLiteral("MYBRICKlbl_Ccost")}, QStringLiteral("MYBRICKlbl_Ccost")},
                   QStringLiteral("MyBRICKcmd_Send"), QStringLiteral("Send"),
                   QStringLiteral("Click \"SEND\" To Copy Total Cost To Totals Page."));
    column()->addWidget(newMoreInfo(1, [](Qt::MouseButton) {}));
}

void BrickPage::fillSizeList()
{
}
