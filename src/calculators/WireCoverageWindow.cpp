#include "calculators/WireCoverageWindow.h"

#include "platform/Messages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

WireCoverageWindow::WireCoverageWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMYWWCoverage"));
    // The designed caption gives way to the program's title as the window opens.
    setWindowTitle(Messages::applicationTitle());

    auto *frame = new QGroupBox(QStringLiteral("Sq.Ft. Coverage Area Of Welded Wire Roll"), this);
    auto *frameLayout = new QVBoxLayout(frame);
    struct Roll
    {
        const char *name;
        const char *caption;
        const char *squareFeet;
    };
    static constexpr Roll kRolls[] = {
        {"MYAREAopt_100", "100 ' Roll", "500 Sq.Ft."},
        {"MYAREAopt_150", "150 '  Roll", "750 Sq.Ft."},
        {"MYAREAopt_500", "500 '  Roll", "2500 Sq.Ft."},
    };
    for (const Roll &roll : kRolls) {
        auto *option = new QRadioButton(QLatin1String(roll.caption), frame);
        option->setObjectName(QLatin1String(roll.name));
        frameLayout->addWidget(option);
        const QString squareFeet = QLatin1String(roll.squareFeet);
        connect(option, &QRadioButton::toggled, this, [this, squareFeet](bool checked) {
            if (checked)
                m_squareFeet->setText(squareFeet);
        });
    }
    frameLayout->addWidget(new QLabel(QStringLiteral("Total Square Feet Per Roll"), frame));
    m_squareFeet = new QLabel(frame);
    m_squareFeet->setObjectName(QStringLiteral("MYAREAlbl_TotSF"));
    m_squareFeet->setFrameShape(QFrame::Panel);
    m_squareFeet->setFrameShadow(QFrame::Sunken);
    m_squareFeet->setMinimumWidth(120);
    frameLayout->addWidget(m_squareFeet);

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("MYfrmWWcmd_close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setSizeGripEnabled(false);
}

WireCoverageWindow *WireCoverageWindow::open(QWidget *parent)
{
    auto *window = new WireCoverageWindow(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Modal without a nested event loop, so closing the program can close it like any window.
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    return window;
}
