#include "calculators/RebarPage.h"

#include "core/RebarSteps.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *newOption(const QString &name, const QString &caption, QWidget *parent)
{
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    return option;
}

} // namespace

RebarPage::RebarPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    // The kind selector shows one of the three stacked input frames.
    auto *selector = new QGroupBox(this);
    auto *kinds = new QHBoxLayout(selector);
    kinds->setContentsMargins(6, 2, 6, 2);
    const QStringList kindCaptions = {QStringLiteral("Horizontal Rebar"), QStringLiteral("Verticle Rebar"),
                                      QStringLiteral("Rebar Matts")};
    const QStringList frameCaptions = {QStringLiteral("Horizontal Rebar"), QStringLiteral("Verticle Rebar"),
                                       QStringLiteral("Rebar Matt")};
    column()->addWidget(selector);
    for (int i = 0; i < 3; ++i) {
        QRadioButton *kind =
            newOption(QStringLiteral("rbropt_visible(%1)").arg(i), kindCaptions.at(i), selector);
        kinds->addWidget(kind);
        auto *input = new QGroupBox(frameCaptions.at(i), this);
        input->setObjectName(QStringLiteral("RBRFrame(%1)").arg(i));
        column()->addWidget(input);
        connect(kind, &QRadioButton::toggled, input, &QWidget::setVisible);
        m_kinds.append(kind);
        m_inputFrames.append(input);
    }
    buildHorizontalFrame(m_inputFrames.at(0));
    buildVerticalFrame(m_inputFrames.at(1));
    buildMatFrame(m_inputFrames.at(2));
    m_kinds.constFirst()->setChecked(true);
    stackInputFrames();

    QLineEdit *price = newInput(Rebar::kPricePerFoot, 5);
    auto *sizes = new QGroupBox(QStringLiteral("Select Size For Pricing"), this);
    sizes->setObjectName(QStringLiteral("RBRFrame(4)"));
    auto *sizeGrid = new QGridLayout(sizes);
    sizeGrid->setContentsMargins(6, 2, 6, 2);
    sizeGrid->setVerticalSpacing(0);
    const QStringList sizeCaptions = Rebar::barSizes();
    for (int i = 0; i < sizeCaptions.size(); ++i) {
        QRadioButton *size = newOption(QStringLiteral("Option3(%1)").arg(i), sizeCaptions.at(i), sizes);
        sizeGrid->addWidget(size, i % 3, i / 3);
        m_barSizes.append(size);
        // Each choice prices the bar from the list, also over a typed price.
        connect(size, &QRadioButton::clicked, this,
                [this, price, i] { fillFromPriceList(price, Rebar::kFirstPriceEntry + i); });
    }
    // The sizes stand beside the total and its cost, which they price.
    auto *pricing = new QHBoxLayout;
    pricing->addWidget(sizes);
    auto *totals = new QGridLayout;
    QPushButton *totalStep =
        newStepButton(QStringLiteral("MyRbrVcmd_TtLLF"), QStringLiteral("Total Lineal Feet"), [this] {
            return Rebar::totalStep(fieldText(Rebar::kHorizontalFeet), fieldText(Rebar::kVerticalFeet),
                                    fieldText(Rebar::kMatFeet));
        });
    totals->addWidget(totalStep, 0, 0);
    totals->addWidget(newResult(Rebar::kTotalFeet), 0, 1);
    addFieldRow(totals, newLabel(QStringLiteral("Enter Cost Of Rebar")), price);
    totals->addWidget(newStepButton(QStringLiteral("MyRbrVcmd_TC"), QStringLiteral("Cost Of Material"),
                                    [this] {
                                        return Rebar::costStep(fieldText(Rebar::kTotalFeet),
                                                               fieldText(Rebar::kPricePerFoot));
                                    }),
                      2, 0);
    totals->addWidget(newResult(Rebar::kCost), 2, 1);
    pricing->addLayout(totals, 1);
    column()->addLayout(pricing);
    // The price stands between the total and its cost, so it is reached between them.
    setTabOrder(totalStep, price);

    column()->addStretch();
    addPostingArea(
        PostTarget{
            1,
            3,
            {QStringLiteral("MyRbrVtbx_TtlLF"), QStringLiteral("MyRbrtVtbx_TC")},
            QStringLiteral("MyRbrtVtbx_TC"),
            Rebar::kTotalFeet,
            QStringLiteral("lin ft"),
            Rebar::kPricePerFoot,
            QStringLiteral("lin ft"),
            QStringLiteral(
                "Rebar {option:Option3}, horizontal {MyRbrtbx_TQLF} lin ft, vertical {MyRbrVtbx_QLF} lin ft, "
                "mats {MyRbrRMcbx_LOM} by {MyRbrRMcbx_WOM} at {MyRbrRMcbx_DOC}, {MyRbrRMcbx_QOM} mats")},
        QStringLiteral("MyRbrRMcmd_STOS"), QStringLiteral("Send "),
        QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(2, [this](Qt::MouseButton) { showNote(Rebar::note()); }));
}

void RebarPage::buildHorizontalFrame(QGroupBox *frame)
{
    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, newLabel(QStringLiteral("Enter Linear Feet")), newInput(Rebar::kLinearFeet, 4));
    addFieldRow(grid, newLabel(QStringLiteral("Enter Qnty Of Rows")),
                newList(Rebar::kRows, Rebar::rowCounts()));
    QPushButton *step = newStepButton(QStringLiteral("MyRbrcmd_TQ"), QStringLiteral(" Qnty Of L.F."), [this] {
        return Rebar::horizontalStep(fieldText(Rebar::kLinearFeet), fieldText(Rebar::kRows));
    });
    addStepRow(grid, step, newResult(Rebar::kHorizontalFeet));
}

void RebarPage::buildVerticalFrame(QGroupBox *frame)
{
    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, newLabel(QStringLiteral("Enter On Center Dimension")),
                newList(Rebar::kSpacing, Rebar::wallSpacings()));
    addFieldRow(grid, newLabel(QStringLiteral("Enter Height Of Wall")),
                newList(Rebar::kWallHeight, Rebar::wallHeights()));
    // A length off the list may be typed.
    addFieldRow(grid, newLabel(QStringLiteral("Enter Total Length Of Wall")),
                newList(Rebar::kWallLength, Rebar::wallLengths(), true));
    QPushButton *step =
        newStepButton(QStringLiteral("MyRbrVcmd_QLF"), QStringLiteral("Qnty Of L.F."), [this] {
            return Rebar::verticalStep(fieldText(Rebar::kWallHeight), fieldText(Rebar::kWallLength),
                                       fieldText(Rebar::kSpacing));
        });
    addStepRow(grid, step, newResult(Rebar::kVerticalFeet));
}

void RebarPage::buildMatFrame(QGroupBox *frame)
{
    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, newLabel(QStringLiteral("Enter Length Of Matt ")),
                newList(Rebar::kMatLength, Rebar::matSizes()));
    addFieldRow(grid, newLabel(QStringLiteral("Enter Width Of Matt ")),
                newList(Rebar::kMatWidth, Rebar::matSizes()));
    addFieldRow(grid, newLabel(QStringLiteral("Enter On Center Dimension")),
                newList(Rebar::kMatSpacing, Rebar::matSpacings()));
    // A count off the list may be typed.
    addFieldRow(grid, newLabel(QStringLiteral("Enter Quantity Of Matts")),
                newList(Rebar::kMatCount, Rebar::matCounts(), true));
    QPushButton *step =
        newStepButton(QStringLiteral("MyRbrRMcmd_QLF"), QStringLiteral("Qnty Of L.F."), [this] {
            return Rebar::matStep(fieldText(Rebar::kMatSpacing), fieldText(Rebar::kMatLength),
                                  fieldText(Rebar::kMatWidth), fieldText(Rebar::kMatCount));
        });
    addStepRow(grid, step, newResult(Rebar::kMatFeet));
}

void RebarPage::stackInputFrames()
{
    for (int i = 0; i < m_inputFrames.size(); ++i)
        m_inputFrames.at(i)->setVisible(m_kinds.at(i)->isChecked());
}
