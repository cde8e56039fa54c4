#pragma once

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QSignalSpy>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace TestSupport {

// Points XDG_CONFIG_HOME and XDG_RUNTIME_DIR at a fresh folder, so no test reads or writes a
// real user's settings or lock files, and pins the locale to US conventions.
void isolateEnvironment();

// The folder of sample RTF files, or an empty string where it is not beside the project.
QString corpusDir();

// Watches for the next modal widget while alive; destroying it stops the watch.
using ModalWatch = std::shared_ptr<QObject>;

// What a message box showed before it was answered.
struct SeenMessage
{
    ModalWatch watch;
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next modal message box (waiting up to timeoutMs for it) by clicking `answer`,
// and records what it showed. Keep the returned object alive until the box has been answered.
[[nodiscard]] std::shared_ptr<SeenMessage> answerNextMessageBox(QMessageBox::StandardButton answer,
                                                                int timeoutMs = 5000);

// Runs `action` on the next modal widget of any kind (a dialog, a window) once it appears, as long
// as the returned watch is kept alive.
[[nodiscard]] ModalWatch onNextModalWidget(std::function<void(QWidget *)> action, int timeoutMs = 5000);

} // namespace TestSupport

// A test main that isolates settings before the application object exists.
#define MORTARIX_TEST_MAIN(TestObject)                                                                       \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        TestSupport::isolateEnvironment();                                                                   \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
