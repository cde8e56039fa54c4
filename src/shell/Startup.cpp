#include "shell/Startup.h"

#include "core/AppInfo.h"
#include "platform/AppLocale.h"
#include "platform/Desktop.h"
#include "platform/HandOver.h"
#include "platform/ModalDialog.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignal.h"
#include "shell/JobSession.h"
#include "shell/MainWindow.h"
#include "shell/Resources.h"
#include "shell/ShellMessages.h"
#include "shell/Splash.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QScreen>
#include <QSessionManager>

#include <memory>

namespace Startup {

namespace {
bool g_enterEventLoop = true;
int g_splashDelay = Splash::kDelayMs;
} // namespace

void setSplashDelay(int milliseconds)
{
    g_splashDelay = milliseconds;
}

void setEnterEventLoop(bool enter)
{
    g_enterEventLoop = enter;
}

bool isLowResolutionScreen(const QSize &pixels)
{
    return pixels.width() == 640 && pixels.height() == 480;
}

void changeDisplaySettings(QWidget *parent)
{
    Desktop &desktop = Desktop::instance();
    const auto command = desktop.findFirstProgram(SystemPrograms::displaySettings());
    if (!command || !desktop.runAndWait(*command)) {
        ShellMessages::displaySettingsUnavailable(parent);
        return;
    }
    ShellMessages::displaySettingsChanged(parent);
}

void closeOnSessionEnd(MainWindow *window, TerminationSignal *termination)
{
    // A termination request or the end of the session closes through the closing steps, so
    // prices, options and notes are not lost.
    QObject::connect(termination, &TerminationSignal::terminationRequested, window, &MainWindow::requestEnd);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window, [window](QSessionManager &manager) {
        if (!manager.allowsInteraction())
            return;
        // Questions cannot be asked from inside another dialog's loop: the open dialogs go first
        // and the closing steps follow from the main loop, so this request cannot wait for them.
        if (Modal::openCount() > 0 || Modal::isEnding() || window->isClosing()) {
            window->requestEnd();
            manager.release();
            return;
        }
        // A "No" to the exit question keeps the session from ending.
        if (!window->closeWithReason(MainWindow::CloseReason::System))
            manager.cancel();
        manager.release();
    });
}

void receiveJobs(HandOver *handOver, MainWindow *window)
{
    QObject::connect(handOver, &HandOver::received, window, [window](const QString &path) {
        // Not from inside the socket's signal: the questions and dialogs that may follow run a loop.
        QMetaObject::invokeMethod(
            window, [window, path] { window->jobs()->openFromOutside(path); }, Qt::QueuedConnection);
    });
    handOver->listen();
}

QString jobArgument(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (!argument.startsWith(u'-'))
            return argument;
    }
    return {};
}

int run(QApplication &app, const QString &jobPath)
{
    initMortarixResources();
    AppLocale::install();
    app.setApplicationName(AppInfo::title());
    app.setApplicationDisplayName(AppInfo::title());
    app.setApplicationVersion(AppInfo::versionTriple());
    app.setWindowIcon(QIcon(QStringLiteral(":/mortarix/mortarix-48.png")));

    const QString job = jobPath.isEmpty() ? QString() : QFileInfo(jobPath).absoluteFilePath();
    SingleInstance instance;
    if (!instance.acquire()) {
        // Another copy runs: it opens the job, and this one leaves silently.
        if (!job.isEmpty() && !HandOver::send(job))
            qWarning("The running copy of the program did not take the job %s", qPrintable(job));
        return 0;
    }

    auto window = std::make_unique<MainWindow>();

    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && isLowResolutionScreen(screen->size())) {
        if (ShellMessages::askChangeLowResolution()) {
            changeDisplaySettings(nullptr);
            if (!ShellMessages::askContinueStarting())
                return 0; // the hidden window goes without its closing steps
        }
    }

    {
        Splash splash;
        if (g_splashDelay != Splash::kDelayMs)
            splash.setDelay(g_splashDelay);
        if (!splash.readyToClose()) {
            QEventLoop wait;
            QObject::connect(&splash, &Splash::readyToCloseChanged, &wait, &QEventLoop::quit);
            wait.exec();
        }
        window->show();
    }
    HandOver handOver;
    receiveJobs(&handOver, window.get());
    window->jobs()->offerRecovery();
    if (!job.isEmpty())
        window->jobs()->openFromOutside(job);

    if (!g_enterEventLoop) {
        window.release()->setAttribute(Qt::WA_DeleteOnClose);
        return 0;
    }
    MainWindow *main = window.release();
    main->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(main, &MainWindow::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    TerminationSignal termination;
    closeOnSessionEnd(main, &termination);
    return app.exec();
}

} // namespace Startup
