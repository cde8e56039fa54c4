#include "tools/ToolsAndHelp.h"

#include "shell/MainWindow.h"

void connectToolsAndHelp(MainWindow &window)
{
    Q_UNUSED(window);
}
