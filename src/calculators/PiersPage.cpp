#include "calculators/PiersPage.h"

#include "core/ConcreteSteps.h"
#include "totals/PriceListPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QStringList inches(std::initializer_list<int> values)
{
    QStringList entries;
    for (int value : values)
        entries << QString::number(value) + QLatin1Char('"');
    return entries;
}

} // namespace

PiersPage::PiersPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    auto *inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("myframe(14)"));
    auto *form = new QFormLayout(inputs);

    const QStringList sides = inches({8, 10, 12, 14, 16, 18, 20, 22, 24});
    QStringList quantities;
    for (int n = 1; n <= 25; ++n)
        quantities << QString::number(n);
    form->addRow(newLabel(QStringLiteral("Enter Size Of Piers")));
    form->addRow(QStringLiteral("Width"), newList(QStringLiteral("MyPRScbo_Width"), sides));
    form->addRow(QStringLiteral("Length"), newList(QStringLiteral("MyPRScbo_lngth"), sides));
    form->addRow(QStringLiteral("Depth"), newList(QStringLiteral("MyPRScbo_Depth"),
                                                  inches({8,  10, 12, 14, 16, 18, 20, 22,  24,  30,  32,
                                                          36, 40, 48, 60, 72, 84, 96, 108, 120, 132, 144})));
    form->addRow(QStringLiteral("Enter Quantity Of Piers"),
                 newList(QStringLiteral("MyPRStbx_Qnty"), quantities));
    form->addRow(newStepButton(QStringLiteral("MYPRScmd_TCY"), QStringLiteral("Cubic Yards"),
                               [this] {
                                   return ConcreteSteps::pierVolume(
                                       fieldText(QStringLiteral("MyPRScbo_Width")),
                                       fieldText(QStringLiteral("MyPRScbo_lngth")),
                                       fieldText(QStringLiteral("MyPRScbo_Depth")),
                                       fieldText(QStringLiteral("MyPRStbx_Qnty")));
                               }),
                 newResult(ConcreteSteps::PierVolume));

    QLineEdit *price = newInput(QStringLiteral("MyPRStbx_CPY_TWO"), 5);
    fillFromPriceListOnClick(price, PriceListPage::kConcrete);
    form->addRow(QStringLiteral("Enter Cost Per Cubic Yard"), price);
    form->addRow(newStepButton(QStringLiteral("MYPRScmd_TC"), QStringLiteral("Cost Of Material"),
                               [this] {
                                   return ConcreteSteps::pierCost(
                                       fieldText(QStringLiteral("MyPRStbx_CPY_TWO")),
                                       fieldText(ConcreteSteps::PierVolume));
                               }),
                 newResult(ConcreteSteps::PierCost));
    column()->addWidget(inputs);

    column()->addStretch();
    addPostingArea(
        PostTarget{4,
                   2,
                   {QStringLiteral("MyPRStbx_TCY"), QStringLiteral("MyPRStbx_TCOCY")},
                   QStringLiteral("MyPRStbx_TCOCY"),
                   ConcreteSteps::PierVolume,
                   QStringLiteral("cu yd"),
                   QStringLiteral("MyPRStbx_CPY_TWO"),
                   QStringLiteral("cu yd"),
                   QStringLiteral(
                       "{MyPRStbx_Qnty} piers, {MyPRScbo_Width} by {MyPRScbo_lngth}, {MyPRScbo_Depth} deep")},
        QStringLiteral("MYPRScmd_Send"), QStringLiteral("Send "),
        QStringLiteral("Click \"SEND\" Button To Copy Total Cost To The Totals Page."));
}
