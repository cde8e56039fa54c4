#include "tools/AboutWindow.h"

#include "core/AppInfo.h"
#include "platform/ModalDialog.h"
#include "tools/CreditsWindow.h"
#include "tools/DialogParts.h"
#include "tools/SystemCommands.h"
#include "tools/WebLink.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

using DialogParts::newButton;
using DialogParts::newLabel;

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + AppInfo::title());

    QLabel *icon = newLabel(QString(), QStringLiteral("picIcon"), this);
    icon->setPixmap(QPixmap(QStringLiteral(":/mortarix/mortarix.png"))
                        .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel *title = newLabel(AppInfo::title(), QStringLiteral("lblTitle"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);

    QLabel *version =
        newLabel(QStringLiteral("Version ") + AppInfo::versionTriple(), QStringLiteral("lblVersion"), this);

    QLabel *description = newLabel(
        QStringLiteral("Mortarix (Masonry)  Is One Of A Series Of Construction Calculating Software Titles. "
                       "This Software Is Designed For The Home Craftsman Or The Profesional Contractor.  "),
        QStringLiteral("lblDescription"), this);
    description->setWordWrap(true);

    m_link = newLabel(AppInfo::makerWebAddress(), QStringLiteral("Label1"), this);
    m_link->setToolTip(QStringLiteral("go to website "));
    WebLink::showAsLink(m_link);
    // Asked on release, after the pressed look is gone.
    m_link->installEventFilter(this);
    WebLink::addPressedLook(m_link);

    QLabel *disclaimer = newLabel(
        QStringLiteral("Warning: the quantities and costs this program works out are estimates. Check them "
                       "against the plans, local building codes and your suppliers before ordering material "
                       "or quoting a price. The makers accept no liability for loss or damage arising from "
                       "the use of this program or of its results."),
        QStringLiteral("lblDisclaimer"), this);
    disclaimer->setWordWrap(true);

    QPushButton *ok = DialogParts::newOkButton(QStringLiteral("cmdOK"), this);
    QPushButton *systemInfo =
        newButton(QStringLiteral("&System Info..."), QStringLiteral("cmdSysInfo"), this);
    connect(systemInfo, &QPushButton::clicked, this,
            [this] { SystemCommands::startSystemInformation(this); });
    QPushButton *credits = newButton(QStringLiteral("Credits"), QStringLiteral("Aboutcmd_Credits"), this);
    connect(credits, &QPushButton::clicked, this, &AboutWindow::openCredits);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(description);
    text->addSpacing(8);
    text->addWidget(m_link);
    text->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(systemInfo);
    buttons->addWidget(credits);
    buttons->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    bottom->addLayout(buttons);

    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addWidget(rule);
    column->addLayout(bottom);
    setMinimumWidth(480);
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_link->rect().contains(mouse->position().toPoint())) {
            WebLink::askAndOpen(this, WebLink::linkQuestion(), m_link->text());
            // The about box has done its part, whatever the answer.
            close();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::openCredits()
{
    // A window of the program, beside the about box, so the program can close all of them in turn.
    ModalDialog<CreditsWindow> credits(parentWidget() ? parentWidget() : this);
    credits.exec();
}
