#include "calculators/BrickPage.h"

#include "core/BrickSteps.h"
#include "platform/Messages.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

BrickPage::BrickPage(QGroupBox *frame, const Workspace &workspace) : CalculatorPage(frame, workspace)
{
    auto *calculator = new QGroupBox(QStringLiteral("Brick Calculator"), this);
    calculator->setObjectName(QStringLiteral("myframe(19)"));
    auto *grid = new QGridLayout(calculator);

    // The sizes come in when the main window loads.
    m_size = newList(Brick::kSize, {});
    m_perHundred = newResult(Brick::kPerHundred);
    m_length = newInput(Brick::kWallLength, 5);
    m_length->installEventFilter(this);
    addFieldRow(grid, QStringLiteral("Select Size Of Brick"), m_size);
    addFieldRow(grid, QStringLiteral("No. Of Bricks Per 100 Sq.Ft."), m_perHundred);
    addFieldRow(grid, QStringLiteral("Enter Length Of Wall"), m_length);
    addFieldRow(grid, QStringLiteral("Enter Heigth Of Wall"),
                newList(Brick::kWallHeight, Brick::wallHeights()));
    addStepRow(grid,
               newStepButton(QStringLiteral("MYBRICKcmd_SqFT"), QStringLiteral("Square Feet"),
                             [this] {
                                 return Brick::squareFeetStep(fieldText(Brick::kWallLength),
                                                              fieldText(Brick::kWallHeight),
                                                              fieldText(Brick::kPerHundred));
                             }),
               newResult(Brick::kArea));
    addFieldRow(grid, QStringLiteral("Total Brick Count"), newResult(Brick::kCount));
    addFieldRow(grid, QStringLiteral("Enter Cost Of Brick (EA)"), newInput(Brick::kPricePerBrick, 5));
    addStepRow(grid,
               newStepButton(QStringLiteral("MYBRICKcmd_TotalCost"), QStringLiteral("Cost Of Material"),
                             [this] {
                                 return Brick::costStep(fieldText(Brick::kCount),
                                                        fieldText(Brick::kPricePerBrick));
                             }),
               newResult(Brick::kCost));
    column()->addWidget(calculator);

    connect(m_size, &QComboBox::activated, this, [this](int position) {
        m_perHundred->setText(QString::number(Brick::bricksPerHundred(position)));
    });
    // Another size counts the bricks of the area shown again.
    connect(m_perHundred, &QLineEdit::textChanged, this,
            [this] { apply(Brick::recount(fieldText(Brick::kPerHundred), fieldText(Brick::kArea))); });

    column()->addStretch();
    addPostingArea(
        PostTarget{0,
                   8,
                   {QStringLiteral("MYBRICKlbl_Ccost")},
                   QStringLiteral("MYBRICKlbl_Ccost"),
                   Brick::kCount,
                   QStringLiteral("bricks"),
                   Brick::kPricePerBrick,
                   QStringLiteral("brick"),
                   QStringLiteral("{MyBrickcbo_Size} brick, wall {MYBricktbx_LOW} ft by {MYBRICKcbo_HOW}")},
        QStringLiteral("MyBRICKcmd_Send"), QStringLiteral("Send"),
        QStringLiteral("Click \"SEND\" To Copy Total Cost To Totals Page."));
    column()->addWidget(newMoreInfo(1, [this](Qt::MouseButton) { showNote(Brick::note()); }));
}

void BrickPage::fillSizeList()
{
    m_size->clear();
    m_size->addItems(Brick::brickSizes());
    m_size->setCurrentIndex(-1);
}

void BrickPage::showStartHint()
{
    Messages::showStartHint(this, Brick::startHint());
    m_size->setFocus();
}

bool BrickPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_length && event->type() == QEvent::MouseButtonRelease &&
        m_perHundred->text().isEmpty()) {
        // After the release is done, so the box does not hold a half-finished mouse selection.
        QMetaObject::invokeMethod(this, &BrickPage::showStartHint, Qt::QueuedConnection);
    }
    return CalculatorPage::eventFilter(watched, event);
}
