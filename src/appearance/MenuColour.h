#pragma once

class QColor;
class QMainWindow;

// The menu bar and every menu of a window are painted on one fixed light grey.
namespace MenuColour {
QColor menuColour();
void apply(QMainWindow *window);
} // namespace MenuColour
