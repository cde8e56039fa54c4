#pragma once

#include <QAction>
#include <QMenu>

// Adds the entry `caption` to `menu` under `name`, the name colours, accessibility and tests know it
// by, and returns it for its owner to connect.
inline QAction *addMenuEntry(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}
