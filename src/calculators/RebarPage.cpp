#include "calculators/RebarPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
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
        m_inputFrames.append(input);
    }
    selector->findChild<QRadioButton *>(QStringLiteral("rbropt_visible(0)"))->setChecked(true);

    auto *sizes = new QGroupBox(QStringLiteral("Select Size For Pricing"), this);
    sizes->setObjectName(QStringLiteral("RBRFrame(4)"));
    auto *sizeRow = new QHBoxLayout(sizes);
    const QStringList sizeCaptions = {QStringLiteral("1/2\""), QStringLiteral("5/8\""),
                                      QStringLiteral("3/4\""), QStringLiteral("1\""),
                                      QStringLiteral("1 1/4\"")};
    for (int i = 0; i < 5; ++i)
        sizeRow->addWidget(newOption(QStringLiteral("Option3(%1)").arg(i), sizeCaptions.at(i), sizes));
    column()->addWidget(sizes);
    column()->addStretch();
    addPostingArea(PostTarget{1,
                              3,
                              {QStringLiteral("MyRbrVtbx_TtlLF"), QStringLiteral("MyRbrtVtbx_TC")},
                              QStringLiteral("MyRbrtVtbx_TC")},
                   QStringLiteral("MyRbrRMcmd_STOS"), QStringLiteral("Send "),
                   QStringLiteral("Click \"SEND\" Button To Copy Total Cost  To The Totals Page."));
    column()->addWidget(newMoreInfo(2, [](Qt::MouseButton) {}));
}

void RebarPage::stackInputFrames()
{
    for (int i = 0; i < m_inputFrames.size(); ++i) {
        auto *kind = findChild<QRadioButton *>(QStringLiteral("rbropt_visible(%1)").arg(i));
        m_inputFrames.at(i)->setVisible(kind && kind->isChecked());
    }
}
