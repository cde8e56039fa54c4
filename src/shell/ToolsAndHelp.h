#pragma once

class MainWindow;

// Connects the Tools and Help menu entries and the start page's web link of the main window.
void connectToolsAndHelp(MainWindow &window);
