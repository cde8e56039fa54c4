#pragma once

#include <QSize>
#include <QString>

class MainWindow;
class QApplication;
class QWidget;
class TerminationSignal;

// Main: brings the program up in order (single copy, hidden main window with its load steps,
// screen check, splash) and then runs the event loop.
namespace Startup {

// The screen that draws the low-resolution warning: exactly 640 x 480 pixels.
bool isLowResolutionScreen(const QSize &pixels);

// Starts the display-settings program, waits (event loop running) until it has ended and says
// the settings have changed. Where no such program exists it says so instead.
void changeDisplaySettings(QWidget *parent);

// Closes `window` through its closing steps when the process is asked to terminate or the
// desktop session ends.
void closeOnSessionEnd(MainWindow *window, TerminationSignal *termination);

// The whole start-up; returns the program's exit code once its last window has closed
// (at once, with 0, when another copy is already running).
int run(QApplication &app);

// How long the splash stays (3000 ms unless a benchmark shortens it).
void setSplashDelay(int milliseconds);

// Tests set this to run start-up without entering the event loop at the end.
void setEnterEventLoop(bool enter);

} // namespace Startup
