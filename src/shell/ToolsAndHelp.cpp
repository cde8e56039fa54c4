#include "shell/ToolsAndHelp.h"

#include "core/AppInfo.h"
#include "platform/ModalDialog.h"
#include "shell/MainWindow.h"
#include "shell/StartPage.h"
#include "tools/AboutWindow.h"
#include "tools/CalendarWindow.h"
#include "tools/ReadmeWindow.h"
#include "tools/SystemCommands.h"
#include "tools/WebLink.h"

#include <QAction>
#include <QLabel>

#include <functional>

namespace {

// Opens a secondary window modally over the main window. It is a child of the main window while
// open, so closing the program can find it, and is gone once closed.
template <typename Window> void openModal(MainWindow &main)
{
    ModalDialog<Window> window(&main);
    window.exec();
}

void onTriggered(MainWindow &window, const char *name, const std::function<void()> &action)
{
    if (QAction *entry = window.menuAction(QLatin1String(name)))
        QObject::connect(entry, &QAction::triggered, &window, action);
}

} // namespace

void connectToolsAndHelp(MainWindow &window)
{
    MainWindow *main = &window;
    onTriggered(window, "mnuOptions", [main] { main->showOptions(); });
    onTriggered(window, "mnuCalendar", [main] { openModal<CalendarWindow>(*main); });
    onTriggered(window, "mnuCalc", [] { SystemCommands::startCalculator(); });
    onTriggered(window, "mnuChngRes", [] { SystemCommands::openDisplaySettings(); });
    onTriggered(window, "mnureedme", [main] { openModal<ReadmeWindow>(*main); });
    onTriggered(window, "mnuMortarixWeb", [main] {
        // The address the about box's link shows.
        WebLink::askAndOpen(main, WebLink::onlineHelpQuestion(), AppInfo::makerWebAddress());
    });
    onTriggered(window, "mnuAbout", [main] { openModal<AboutWindow>(*main); });

    if (auto *start = window.findChild<StartPage *>()) {
        WebLink::addPressedLook(start->link());
        QObject::connect(start, &StartPage::linkClicked, &window, [main, start] {
            WebLink::askAndOpen(main, WebLink::linkQuestion(), start->link()->text());
        });
    }
}
