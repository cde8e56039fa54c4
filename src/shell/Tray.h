#pragma once

#include <QIcon>
#include <QObject>

class QSystemTrayIcon;

// The program's one notification-area icon.
class Tray : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // False on desktops without a notification area.
    virtual bool isAvailable() const = 0;
    virtual bool isIconShown() const = 0;
    // Adds the icon; a second add while it is shown changes nothing.
    virtual void addIcon(const QIcon &icon, const QString &tip) = 0;
    virtual void removeIcon() = 0;

signals:
    void doubleClicked();
    void rightClicked();
};

// The tray as Qt provides it.
class SystemTray final : public Tray
{
    Q_OBJECT

public:
    explicit SystemTray(QObject *parent = nullptr);

    bool isAvailable() const override;
    bool isIconShown() const override;
    void addIcon(const QIcon &icon, const QString &tip) override;
    void removeIcon() override;

private:
    QSystemTrayIcon *m_icon = nullptr;
};
