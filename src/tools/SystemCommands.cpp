#include "tools/SystemCommands.h"

#include "platform/Desktop.h"
#include "tools/ToolsMessages.h"

namespace {

// Starts the first of `candidates` found; false when none is installed.
bool startFirstFound(const QList<QStringList> &candidates)
{
    Desktop &desktop = Desktop::instance();
    const auto command = desktop.findFirstProgram(candidates);
    if (!command)
        return false;
    // A program that is there but will not start ends the command as quietly as a missing one.
    desktop.startDetached(*command);
    return true;
}

} // namespace

namespace SystemCommands {

void startCalculator()
{
    startFirstFound(SystemPrograms::calculator());
}

void openDisplaySettings()
{
    startFirstFound(SystemPrograms::displaySettings());
}

void startSystemInformation(QWidget *parent)
{
    if (startFirstFound(SystemPrograms::systemInformation()))
        return;
    ToolsMessages::noSystemInformation(parent);
}

} // namespace SystemCommands
