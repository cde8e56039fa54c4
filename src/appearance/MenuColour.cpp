#include "appearance/MenuColour.h"

#include <QColor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// Once a menu's background comes from a style sheet, its highlighted entry must be given too,
// or the entry under the pointer is drawn as light text on the grey.
QString menuSheet(const QString &colour)
{
    return QStringLiteral("QMenu { background-color: %1; }"
                          "QMenu::item:selected { background-color: palette(highlight);"
                          " color: palette(highlighted-text); }")
        .arg(colour);
}

} // namespace

namespace MenuColour {

QColor menuColour()
{
    return QColor(0xE0, 0xE0, 0xE0);
}

void apply(QMainWindow *window)
{
    const QString colour = menuColour().name();
    window->menuBar()->setStyleSheet(QStringLiteral("QMenuBar { background-color: %1; } ").arg(colour) +
                                     menuSheet(colour));
    // Pop-up menus are not children of the bar; give them the same colour.
    const auto menus = window->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        menu->setStyleSheet(menuSheet(colour));
}

} // namespace MenuColour
