#pragma once

class QWidget;

// The system's own tools, started from the Tools menu and the about box. None is waited for.
namespace SystemCommands {

// Tools > Calculator: the desktop's calculator; nothing happens where there is none.
void startCalculator();
// Tools > Screen Display Size > Display Setting: the display settings; nothing happens where
// there are none.
void openDisplaySettings();
// About > System Info: the system information program, or a message that there is none.
void startSystemInformation(QWidget *parent);

} // namespace SystemCommands
