#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class HandOver;
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

// Opens in `window` the job files later starts hand over, from the time `handOver` listens.
void receiveJobs(HandOver *handOver, MainWindow *window);

// The job file named on the command line (the first argument that is not an option), or empty.
QString jobArgument(const QStringList &arguments);

// The whole start-up, then `jobPath` opened when given; returns the program's exit code once its
// last window has closed. When another copy is already running, a job path is handed to it and
// this one ends at once with 0.
int run(QApplication &app, const QString &jobPath = {});

// How long the splash stays (3000 ms unless a benchmark shortens it).
void setSplashDelay(int milliseconds);

// Tests set this to run start-up without entering the event loop at the end.
void setEnterEventLoop(bool enter);

} // namespace Startup
