#include "shell/Tray.h"

#include <QSystemTrayIcon>

SystemTray::SystemTray(QObject *parent) : Tray(parent)
{
}

bool SystemTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool SystemTray::isIconShown() const
{
    return m_icon && m_icon->isVisible();
}

void SystemTray::addIcon(const QIcon &icon, const QString &tip)
{
    if (isIconShown())
        return;
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick)
                emit doubleClicked();
            else if (reason == QSystemTrayIcon::Context)
                emit rightClicked();
        });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
}

void SystemTray::removeIcon()
{
    if (m_icon)
        m_icon->hide();
}
