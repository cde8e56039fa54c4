#include "calculators/BlockPage.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

BlockPage::BlockPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    auto *sizes = new QGroupBox(QStringLiteral("Select Block Size"), this);
    sizes->setObjectName(QStringLiteral("myframe(11)"));
    auto *sizeColumn = new QVBoxLayout(sizes);
    const QStringList captions = {QStringLiteral("8 x 8 x 16"), QStringLiteral("8 x 12 x 16")};
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(captions.at(i), sizes);
        option->setObjectName(QStringLiteral("BLCKopt(%1)").arg(i));
        sizeColumn->addWidget(option);
    }
    column()->addWidget(sizes);
    column()->addStretch();
    addPostingArea(PostTarget{5,
                              6,
                              {QStringLiteral("MyBLKtbx_TQ"), QStringLiteral("MyBLKtbx_TC")},
                              QStringLiteral("MyBLKtbx_TC")},
                   QStringLiteral("MyBLKcmd_Send"), QStringLiteral("Send "),
                   QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(5, [](Qt::MouseButton) {}));
}
