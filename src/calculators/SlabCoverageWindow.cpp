#include "calculators/SlabCoverageWindow.h"

#include "core/ConcreteSteps.h"
#include "platform/Messages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SlabCoverageWindow::SlabCoverageWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMYSQFTCoverage"));
    setWindowTitle(Messages::applicationTitle());
    setWindowModality(Qt::ApplicationModal);

    auto *frame = new QGroupBox(QStringLiteral("Sq. Ft. Area 1 C.Y. will cover"), this);
    auto *form = new QFormLayout(frame);

    m_thickness = new QComboBox(frame);
    m_thickness->setObjectName(QStringLiteral("MyFWsq2cycbx_thickness"));
    for (const char *inches : {"1", "2", "3", "3.5", "4", "5", "5.5", "6", "7", "8", "9", "10", "11", "12"})
        m_thickness->addItem(QLatin1String(inches) + QLatin1Char('"'));
    m_thickness->setCurrentIndex(-1);
    form->addRow(new QLabel(QStringLiteral("Enter Thickness of Concrete"), frame), m_thickness);

    m_total = new QLabel(frame);
    m_total->setObjectName(QStringLiteral("MYACtbx_TSF"));
    m_total->setFrameShape(QFrame::Panel);
    m_total->setFrameShadow(QFrame::Sunken);
    // Wide enough for the longest figure, 15 significant digits.
    m_total->setMinimumWidth(m_total->fontMetrics().horizontalAdvance(QStringLiteral("00.00000000000000")) +
                             2 * m_total->frameWidth() + 8);
    m_total->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(new QLabel(QStringLiteral("Total Sq. Ft."), frame), m_total);

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("MYSQFTfrmcmd_close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(m_thickness, &QComboBox::currentTextChanged, this, &SlabCoverageWindow::showCoverage);
}

SlabCoverageWindow *SlabCoverageWindow::openOver(QWidget *parent)
{
    auto *window = new SlabCoverageWindow(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void SlabCoverageWindow::showCoverage()
{
    if (const auto coverage = ConcreteSteps::slabCoverage(m_thickness->currentText()))
        m_total->setText(*coverage);
    else
        Messages::warnThicknessMissing(this);
}
