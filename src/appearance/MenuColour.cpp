#include "appearance/MenuColour.h"

#include <QColor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace MenuColour {

QColor menuColour()
{
    return QColor(0xE0, 0xE0, 0xE0);
}

void apply(QMainWindow *window)
{
    const QString sheet = QStringLiteral("background-color: %1;").arg(menuColour().name());
    window->menuBar()->setStyleSheet(QStringLiteral("QMenuBar { %1 } QMenu { %1 }").arg(sheet));
    // Pop-up menus are not children of the bar; give them the same colour.
    const auto menus = window->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        menu->setStyleSheet(QStringLiteral("QMenu { %1 }").arg(sheet));
}

} // namespace MenuColour
