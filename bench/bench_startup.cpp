// The program's own start-up without the splash's three seconds: single-copy check, the main
// window created and loaded from a store holding every key, the splash shown, the window shown,
// then quitting at the first idle.
#include "shell/Startup.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::setSplashDelay(0);
    Startup::setEnterEventLoop(false);
    Startup::run(app);
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    const int code = app.exec();
    // Gone without its closing questions: the benchmark measures the start only.
    QWidget *main = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmMain"))
            main = window;
    }
    delete main;
    return code;
}
