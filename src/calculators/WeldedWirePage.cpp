#include "calculators/WeldedWirePage.h"

#include "calculators/WireCoverageWindow.h"
#include "core/WeldedWireSteps.h"
#include "platform/MenuEntries.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

WeldedWirePage::WeldedWirePage(QGroupBox *frame, const Workspace &workspace)
    : CalculatorPage(frame, workspace)
{
    auto *inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("myframe(13)"));
    auto *grid = new QGridLayout(inputs);

    m_rollSize = newList(WeldedWire::kRollSize, WeldedWire::rollSizes());
    QLineEdit *length = newInput(WeldedWire::kLength, 5);
    QLineEdit *width = newInput(WeldedWire::kWidth, 5);
    QLineEdit *price = newInput(WeldedWire::kPricePerRoll, 5);
    addFieldRow(grid, QStringLiteral("Enter Size Of Wire Roll"), m_rollSize);
    addFieldRow(grid, QStringLiteral("Enter Length Of Area (In Ft.)"), length);
    addFieldRow(grid, QStringLiteral("Enter Width  Of Area (In Ft.)"), width);
    QPushButton *areaStep = nullptr;
    addStepRow(grid,
               areaStep = newStepButton(QStringLiteral("MyFWWWcmd_TSF"), QStringLiteral("Square Feet"),
                                        [this] {
                                            return WeldedWire::areaStep(fieldText(WeldedWire::kLength),
                                                                        fieldText(WeldedWire::kWidth),
                                                                        m_rollSize->currentIndex());
                                        }),
               newResult(WeldedWire::kArea));
    grid->addWidget(newLabel(QStringLiteral("Sq. Ft.")), grid->rowCount() - 1, 2);
    addFieldRow(grid, QStringLiteral("15% Added For OverLap And Waste"), newResult(WeldedWire::kAllowance));
    addFieldRow(grid, QStringLiteral("Quantity Of Rolls  Of Wire"), newResult(WeldedWire::kRolls));
    addFieldRow(grid, QStringLiteral("Enter Cost Per Roll"), price);
    addStepRow(grid,
               newStepButton(QStringLiteral("MYWWcmd_ToTCst"), QStringLiteral("Cost Of Material"),
                             [this] {
                                 return WeldedWire::costStep(fieldText(WeldedWire::kRolls),
                                                             fieldText(WeldedWire::kPricePerRoll));
                             }),
               newResult(WeldedWire::kCost));
    column()->addWidget(inputs);
    // The price is shown below the square feet and its results, and is reached after them.
    setTabOrder(areaStep, price);

    // Choosing a roll prices it from the list; nothing is recomputed until "Square Feet".
    connect(m_rollSize, &QComboBox::activated, this,
            [this, price](int position) { fillFromPriceList(price, WeldedWire::priceListEntry(position)); });

    column()->addStretch();
    addPostingArea(
        PostTarget{
            3,
            5,
            {QStringLiteral("MYWWlbl_TSQOW"), QStringLiteral("MYWWtbx_TotalCost")},
            QStringLiteral("MYWWtbx_TotalCost"),
            WeldedWire::kRolls,
            QStringLiteral("rolls"),
            WeldedWire::kPricePerRoll,
            QStringLiteral("roll"),
            QStringLiteral(
                "Welded wire for {MyFWWWtbx_Length} ft by {MyFWWWtbx_Width} ft, {MyWWcbo_size} rolls")},
        QStringLiteral("MyFWWWcmd_SITS"), QStringLiteral("Send "),
        QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(4, [this](Qt::MouseButton button) { openPopupMenu(button); }));

    if (QMenu *menu = workspace.moreInfoMenu) {
        connect(addMenuEntry(menu, "mnuNote", "NOTE:"), &QAction::triggered, this,
                [this] { showNote(WeldedWire::note()); });
        menu->addSeparator();
        connect(addMenuEntry(menu, "mnuPAreaCOv", "AREA COVERAGE"), &QAction::triggered, this,
                [this] { WireCoverageWindow::open(window()); });
    }
}

void WeldedWirePage::openPopupMenu(Qt::MouseButton button)
{
    if (button == Qt::LeftButton && workspace().moreInfoMenu)
        workspace().moreInfoMenu->popup(QCursor::pos());
}
