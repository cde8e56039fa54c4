#include "calculators/FlatworkPage.h"

#include "calculators/SlabCoverageWindow.h"
#include "core/ConcreteSteps.h"
#include "platform/MenuEntries.h"
#include "totals/PriceListPage.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString flatworkNote = QStringLiteral("Flatwork includes, but is not limited to :\n"
                                            "\n"
                                            "Driveways, Patios, Sidewalks, Garages,\n"
                                            "Pool Areas and Basement Flooring\n"
                                            " just to name a few typical installations.");

} // namespace

FlatworkPage::FlatworkPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    auto *inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("myframe(12)"));
    auto *form = new QFormLayout(inputs);

    form->addRow(
        QStringLiteral("Enter Thickness of Concrete"),
        newList(QStringLiteral("MyFWcbo_Thkns"),
                {QStringLiteral("2\""), QStringLiteral("3\""), QStringLiteral("3.5\""), QStringLiteral("4\""),
                 QStringLiteral("5\""), QStringLiteral("5.5\""), QStringLiteral("6\"")}));
    form->addRow(QStringLiteral("Enter Length Of Area (In Ft.)"),
                 newInput(QStringLiteral("MyFWtbx_Lngth"), 5));
    form->addRow(QStringLiteral("Enter Width Of Area (In Ft.)"), newInput(QStringLiteral("MyFWtbx_Wdth"), 5));
    form->addRow(newStepButton(QStringLiteral("MyFWcmd_TLCY"), QStringLiteral("Cubic Yards"),
                               [this] {
                                   return ConcreteSteps::flatworkVolume(
                                       fieldText(QStringLiteral("MyFWcbo_Thkns")),
                                       fieldText(QStringLiteral("MyFWtbx_Lngth")),
                                       fieldText(QStringLiteral("MyFWtbx_Wdth")));
                               }),
                 newResult(ConcreteSteps::FlatworkVolume));
    form->addRow(QStringLiteral("Total Square Feet"), newResult(ConcreteSteps::FlatworkArea));

    QLineEdit *price = newInput(QStringLiteral("MyFWtbx_CPCY"), 5);
    fillFromPriceListOnClick(price, PriceListPage::kConcrete);
    form->addRow(QStringLiteral("Enter Cost Per Cubic Yard"), price);
    form->addRow(newStepButton(QStringLiteral("MyFWcmd_TC"), QStringLiteral("Cost Of Material"),
                               [this] {
                                   return ConcreteSteps::flatworkCost(
                                       fieldText(QStringLiteral("MyFWtbx_CPCY")),
                                       fieldText(ConcreteSteps::FlatworkVolume));
                               }),
                 newResult(ConcreteSteps::FlatworkCost));
    column()->addWidget(inputs);

    // "More Info" offers the note and the coverage window.
    QMenu *menu = workspace.moreInfoMenu;
    if (menu) {
        connect(addMenuEntry(menu, "mnuPopNote", "NOTE:"), &QAction::triggered, this,
                [this] { showNote(flatworkNote); });
        menu->addSeparator();
        connect(addMenuEntry(menu, "mnuPopACovr", "AREA Coverage"), &QAction::triggered, this,
                [this] { SlabCoverageWindow::openOver(window()); });
    }
    column()->addWidget(newMoreInfo(3, [menu](Qt::MouseButton button) {
        if (menu && button == Qt::LeftButton)
            menu->popup(QCursor::pos());
    }));
    column()->addStretch();
    addPostingArea(
        PostTarget{2,
                   4,
                   {QStringLiteral("MyFWtbx_TLCY"), QStringLiteral("MyFwtbx_TC")},
                   QStringLiteral("MyFwtbx_TC"),
                   ConcreteSteps::FlatworkVolume,
                   QStringLiteral("cu yd"),
                   QStringLiteral("MyFWtbx_CPCY"),
                   QStringLiteral("cu yd"),
                   QStringLiteral("Slab {MyFWtbx_Lngth} ft by {MyFWtbx_Wdth} ft, {MyFWcbo_Thkns} thick")},
        QStringLiteral("MyFNGFWcmd_send"), QStringLiteral("Send "),
        QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
}
