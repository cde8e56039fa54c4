#include "calculators/FootingPage.h"

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

// Width and depth in inches; there is no 22-inch footing.
QStringList sectionSizes()
{
    QStringList entries;
    for (int inches : {8, 10, 12, 14, 16, 18, 20, 24})
        entries << QString::number(inches) + QLatin1Char('"');
    return entries;
}

} // namespace

FootingPage::FootingPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    auto *inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("myframe(17)"));
    auto *form = new QFormLayout(inputs);

    form->addRow(newLabel(QStringLiteral("Enter Size Of Footing")));
    form->addRow(QStringLiteral("Width"), newList(QStringLiteral("MyFNGcbo_Wdth"), sectionSizes()));
    form->addRow(QStringLiteral("Depth"), newList(QStringLiteral("MyFNGcbo_Hght"), sectionSizes()));
    form->addRow(QStringLiteral("Enter Total Length Of Footing."),
                 newInput(QStringLiteral("MyFNGtbx_lngth")));
    form->addRow(newStepButton(QStringLiteral("MyFNGcmd_TLCY"), QStringLiteral("Cubic Yards"),
                               [this] {
                                   return ConcreteSteps::footingVolume(
                                       fieldText(QStringLiteral("MyFNGcbo_Wdth")),
                                       fieldText(QStringLiteral("MyFNGcbo_Hght")),
                                       fieldText(QStringLiteral("MyFNGtbx_lngth")));
                               }),
                 newResult(ConcreteSteps::FootingVolume));

    QLineEdit *price = newInput(QStringLiteral("MyFNGcbx_CPCY"), 6);
    fillFromPriceListOnClick(price, PriceListPage::kConcrete);
    form->addRow(QStringLiteral("Enter Cost Per Cubic Yard."), price);
    form->addRow(newStepButton(QStringLiteral("MyFNGcmd_TC"), QStringLiteral("Cost Of Material"),
                               [this] {
                                   return ConcreteSteps::footingCost(
                                       fieldText(QStringLiteral("MyFNGcbx_CPCY")),
                                       fieldText(ConcreteSteps::FootingVolume));
                               }),
                 newResult(ConcreteSteps::FootingCost));
    column()->addWidget(inputs);

    column()->addStretch();
    addPostingArea(
        PostTarget{
            6,
            1,
            {QStringLiteral("MyFNGtbx_TLCY"), QStringLiteral("MyFNGtbx_TC")},
            QStringLiteral("MyFNGtbx_TC"),
            ConcreteSteps::FootingVolume,
            QStringLiteral("cu yd"),
            QStringLiteral("MyFNGcbx_CPCY"),
            QStringLiteral("cu yd"),
            QStringLiteral("Footing {MyFNGcbo_Wdth} wide, {MyFNGcbo_Hght} deep, {MyFNGtbx_lngth} ft long")},
        QStringLiteral("Myfngcmd_send"), QStringLiteral("Send "),
        QStringLiteral("Click \"SEND\" Button To Copy Total Cost To The Totals Page."));
}
