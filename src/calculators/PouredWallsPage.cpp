#include "calculators/PouredWallsPage.h"

#include "core/ConcreteSteps.h"
#include "totals/PriceListPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QStringList feet(std::initializer_list<int> values)
{
    QStringList entries;
    for (int value : values)
        entries << QString::number(value) + QLatin1Char('\'');
    return entries;
}

const QString wallNote = QStringLiteral("To Deduct Window And Door Openings:\n"
                                        "\n"
                                        "Multiply the sq. ft. area of the opening\n"
                                        "times the wall thickness in inches.\n"
                                        "Then multiply that result by  .0031");

} // namespace

PouredWallsPage::PouredWallsPage(QGroupBox *frame, const Workspace &workspace)
    : CalculatorPage(frame, workspace)
{
    auto *inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("myframe(18)"));
    auto *form = new QFormLayout(inputs);

    QStringList heights;
    for (int foot = 2; foot <= 25; ++foot)
        heights << QString::number(foot) + QLatin1Char('\'');
    form->addRow(QStringLiteral("Enter Wall Height"), newList(QStringLiteral("MyCWcbx_WH"), heights));
    form->addRow(QStringLiteral("Enter Wall Length"),
                 newList(QStringLiteral("MyCWcbx_WL"),
                         feet({10,  15,  20,  25,  30,  35,  40,  45,  50,  55,  60,  65,  70, 75,
                               100, 125, 150, 175, 200, 225, 250, 275, 300, 350, 400, 450, 500}),
                         true));
    form->addRow(QStringLiteral("Enter Wall Thickness"),
                 newList(QStringLiteral("MyCWcbx_WT"),
                         {QStringLiteral("3.5\""), QStringLiteral("4\""), QStringLiteral("5\""),
                          QStringLiteral("5.5\""), QStringLiteral("6\""), QStringLiteral("7\""),
                          QStringLiteral("7.5\""), QStringLiteral("8\""), QStringLiteral("9\""),
                          QStringLiteral("9.5\""), QStringLiteral("10\""), QStringLiteral("11\""),
                          QStringLiteral("11.5\""), QStringLiteral("12\"")}));
    form->addRow(newStepButton(QStringLiteral("MYTQCUcmd"), QStringLiteral("Cubic Yards"),
                               [this] {
                                   return ConcreteSteps::pouredWallVolume(
                                       fieldText(QStringLiteral("MyCWcbx_WH")),
                                       fieldText(QStringLiteral("MyCWcbx_WL")),
                                       fieldText(QStringLiteral("MyCWcbx_WT")));
                               }),
                 newResult(ConcreteSteps::WallVolume));

    QLineEdit *price = newInput(QStringLiteral("MyCWtbx_CPCY"), 5);
    fillFromPriceListOnClick(price, PriceListPage::kConcrete);
    form->addRow(QStringLiteral("Enter Cost Per Cubic Yard"), price);
    form->addRow(newStepButton(QStringLiteral("MYCYPLF"), QStringLiteral("Cost Of Material"),
                               [this] {
                                   return ConcreteSteps::pouredWallCost(
                                       fieldText(QStringLiteral("MyCWtbx_CPCY")),
                                       fieldText(ConcreteSteps::WallVolume));
                               }),
                 newResult(ConcreteSteps::WallCost));
    column()->addWidget(inputs);

    column()->addWidget(newMoreInfo(0, [this](Qt::MouseButton) { showNote(wallNote); }));
    column()->addStretch();
    addPostingArea(
        PostTarget{7,
                   7,
                   {QStringLiteral("MyCWtbx_TQCY"), QStringLiteral("MyCWtbx_TCOM")},
                   QStringLiteral("MyCWtbx_TCOM"),
                   ConcreteSteps::WallVolume,
                   QStringLiteral("cu yd"),
                   QStringLiteral("MyCWtbx_CPCY"),
                   QStringLiteral("cu yd"),
                   QStringLiteral("Wall {MyCWcbx_WH} high, {MyCWcbx_WL} long, {MyCWcbx_WT} thick")},
        QStringLiteral("MYCWcmd_Send"), QStringLiteral("Send "),
        QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
}
