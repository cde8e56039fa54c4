#include "shell/StartPage.h"

#include "core/AppInfo.h"
#include "tools/WebLink.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

QFrame *decorativeLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setLineWidth(1);
    line->setMidLineWidth(1);
    return line;
}

} // namespace

StartPage::StartPage(QWidget *frame) : QWidget(frame)
{
    setObjectName(QStringLiteral("StartPageContent"));

    auto *title = new QLabel(AppInfo::title(), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *subtitle = new QLabel(QStringLiteral("(Masonry)"), this);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSizeF(subtitleFont.pointSizeF() * 1.5);
    subtitle->setFont(subtitleFont);
    subtitle->setAlignment(Qt::AlignCenter);

    auto *hint = new QLabel(QStringLiteral("Estimates for masonry and concrete work.\n"
                                           "Choose a calculator with the buttons on the left."),
                            this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);

    m_link = new QLabel(AppInfo::makerWebDomain().toUpper(), this);
    m_link->setObjectName(QStringLiteral("Label3"));
    m_link->setToolTip(QStringLiteral("go to website"));
    m_link->setAlignment(Qt::AlignCenter);
    WebLink::showAsLink(m_link);
    m_link->installEventFilter(this);

    auto *column = new QVBoxLayout(this);
    column->addStretch(2);
    column->addWidget(decorativeLine(this));
    column->addWidget(title);
    column->addWidget(subtitle);
    column->addWidget(decorativeLine(this));
    column->addStretch(1);
    column->addWidget(hint);
    column->addStretch(2);
    column->addWidget(decorativeLine(this));
    column->addWidget(m_link);
    column->addWidget(decorativeLine(this));
    column->addStretch(1);
}

bool StartPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_link->rect().contains(mouse->position().toPoint()))
            emit linkClicked();
    }
    return QWidget::eventFilter(watched, event);
}
