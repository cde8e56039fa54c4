#include "calculators/BlockPage.h"

#include "core/BlockSteps.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

BlockPage::BlockPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    auto *inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("myframe(16)"));
    auto *grid = new QGridLayout(inputs);
    addFieldRow(grid, QStringLiteral("Enter Wall Height"), newList(Block::kWallHeight, Block::wallHeights()));
    addFieldRow(grid, QStringLiteral("Enter Wall Length"), newInput(Block::kWallLength, 5));

    auto *sizes = new QGroupBox(QStringLiteral("Select Block Size"), inputs);
    sizes->setObjectName(QStringLiteral("myframe(11)"));
    auto *sizeColumn = new QVBoxLayout(sizes);
    const QStringList captions = Block::blockSizes();
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions.at(i), sizes);
        option->setObjectName(QStringLiteral("BLCKopt(%1)").arg(i));
        // Released over with any button, or any key while it has the focus: the size's price.
        option->installEventFilter(this);
        sizeColumn->addWidget(option);
        m_sizes.append(option);
    }
    grid->addWidget(sizes, grid->rowCount(), 0, 1, 2);

    m_price = newInput(Block::kPricePerBlock, 5);
    m_price->installEventFilter(this);
    addFieldRow(grid, QStringLiteral("Enter Cost Per Block"), m_price);
    addStepRow(grid,
               newStepButton(QStringLiteral("MyBLKcmd_TQ"), QStringLiteral("Qnty Of Block"),
                             [this] {
                                 return Block::quantityStep(fieldText(Block::kWallHeight),
                                                            fieldText(Block::kWallLength));
                             }),
               newResult(Block::kQuantity));
    QPushButton *costStep = nullptr;
    addStepRow(grid,
               costStep = newStepButton(QStringLiteral("MyBLKcmd_TC"), QStringLiteral("Cost Of Material"),
                                        [this] {
                                            return Block::costStep(fieldText(Block::kQuantity),
                                                                   fieldText(Block::kPricePerBlock));
                                        }),
               newResult(Block::kCost));
    column()->addWidget(inputs);
    // The price stands above both steps, but only the cost uses it.
    pressOnReturn(m_price, costStep);

    column()->addStretch();
    addPostingArea(
        PostTarget{5,
                   6,
                   {QStringLiteral("MyBLKtbx_TQ"), QStringLiteral("MyBLKtbx_TC")},
                   QStringLiteral("MyBLKtbx_TC"),
                   Block::kQuantity,
                   QStringLiteral("blocks"),
                   Block::kPricePerBlock,
                   QStringLiteral("block"),
                   QStringLiteral(
                       "{option:BLCKopt} block, wall {MyBLCKcbx_WallHght} high, {MyBLKtbx_length} ft long")},
        QStringLiteral("MyBLKcmd_Send"), QStringLiteral("Send "),
        QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(5, [this](Qt::MouseButton) { showNote(Block::note()); }));
}

void BlockPage::priceSize(int index)
{
    fillFromPriceList(m_price, Block::priceListEntry(index));
}

bool BlockPage::eventFilter(QObject *watched, QEvent *event)
{
    const int size = m_sizes.indexOf(qobject_cast<QRadioButton *>(watched));
    if (size >= 0 && (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyPress)) {
        priceSize(size);
    } else if (watched == m_price && event->type() == QEvent::MouseButtonPress) {
        // A click in the price field repeats the copy for the chosen size; with none chosen a
        // typed price stays.
        for (int i = 0; i < m_sizes.size(); ++i) {
            if (m_sizes.at(i)->isChecked())
                priceSize(i);
        }
    }
    return CalculatorPage::eventFilter(watched, event);
}
