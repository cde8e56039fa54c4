#include "shell/Splash.h"

#include "core/AppInfo.h"
#include "core/Twips.h"
#include "shell/Resources.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

Splash::Splash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    initMortarixResources();
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Mortarix"));
    setFixedSize(twips(5775), twips(3315));
    setFocusPolicy(Qt::StrongFocus);
    m_picture = QPixmap(QStringLiteral(":/mortarix/splash.png"));

    auto *title = new QLabel(QStringLiteral("Mortarix"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont(QStringLiteral("Stylus BT"));
    titleFont.setPointSizeF(18);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);

    auto *subtitle = new QLabel(QStringLiteral("(Masonry)"), this);
    subtitle->setObjectName(QStringLiteral("Label2"));
    QFont subtitleFont(QStringLiteral("Stylus BT"));
    subtitleFont.setPointSizeF(14.25);
    subtitleFont.setWeight(QFont::Light);
    subtitle->setFont(subtitleFont);

    m_version = new QLabel(QStringLiteral("Version"), this);
    m_version->setObjectName(QStringLiteral("lblVersion"));

    // The picture fills the left of the window; the labels stand to its right.
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(m_picture.width() + 16, 24, 12, 24);
    column->addWidget(title);
    column->addWidget(subtitle);
    column->addStretch();
    column->addWidget(m_version);

    m_delay = new QTimer(this);
    m_delay->setObjectName(QStringLiteral("tmrDelay"));
    m_delay->setSingleShot(true);
    connect(m_delay, &QTimer::timeout, this, [this] {
        m_delay->stop();
        setReadyToClose(true);
    });

    // A second timer the window has always carried; it does nothing.
    auto *idle = new QTimer(this);
    idle->setObjectName(QStringLiteral("Timer2"));

    load();
}

void Splash::load()
{
    m_version->setText(QStringLiteral("Version ") + AppInfo::versionTriple());
    m_readyToClose = false;
    m_delay->setInterval(kDelayMs);
    m_delay->start();
    show();
    raise();
    activateWindow();
    setFocus();
    // Paint at once, before start-up goes on.
    QCoreApplication::processEvents();
}

void Splash::setReadyToClose(bool ready)
{
    if (m_readyToClose == ready)
        return;
    m_readyToClose = ready;
    emit readyToCloseChanged(ready);
}

void Splash::setDelay(int milliseconds)
{
    m_delay->setInterval(milliseconds);
    if (!m_readyToClose)
        m_delay->start();
}

int Splash::delay() const
{
    return m_delay->interval();
}

void Splash::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_delay->stop();
        hide();
        setReadyToClose(true);
        return;
    }
    event->ignore();
}

void Splash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(QPoint(8, (height() - m_picture.height()) / 2), m_picture);
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
