#pragma once

#include "support/CoreTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QList>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace TestSupport {

// Watches for the next modal widget while alive; destroying it stops the watch.
using ModalWatch = std::shared_ptr<QObject>;

// Runs `action` on the next modal widget of any kind (a dialog, a window) once it appears, as long
// as the returned watch is kept alive.
[[nodiscard]] ModalWatch onNextModalWidget(std::function<void(QWidget *)> action, int timeoutMs = 5000);

// The child of `parent` named `name`; a test ends at once when there is none.
template <typename T = QWidget> T *child(const QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Runs `open` (which shows a modal dialog and returns when it closes), doing `act` on the dialog
// once it is up; returns what `open` returned.
template <typename Open> auto withDialog(std::function<void(QWidget &)> act, Open open)
{
    auto watch = onNextModalWidget([act](QWidget *dialog) { act(*dialog); });
    return open();
}

// Files and programs: a file written whole (the test ends when it cannot be), a file's bytes
// (empty when unreadable), and what a program printed (empty when it did not finish in 30 s).
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);
QByteArray readFile(const QString &path);
QString output(const QString &program, const QStringList &arguments);

// What one of a run of message boxes showed.
struct ShownMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// All of a box in one line, "title / icon / buttons / text", to compare at once.
QString summary(const ShownMessage &message);

// Answers message boxes one after another while alive, the n-th with answers[n], and records what
// each showed. Another modal window in front (the dialog a box comes from) is passed over; boxes
// beyond the last answer are left alone.
class MessageAnswers final : public QObject
{
public:
    explicit MessageAnswers(QList<QMessageBox::StandardButton> answers);

    QList<ShownMessage> seen;

    // The summary of the n-th box (counting from 0), waiting up to timeoutMs for it; empty if none.
    QString waitFor(qsizetype n, int timeoutMs = 5000);

private:
    QList<QMessageBox::StandardButton> m_answers;
    QPointer<QMessageBox> m_last;
    QTimer m_timer;
};

} // namespace TestSupport

// A test main that isolates settings before the application object exists. When `isChild`, the
// executable was started by its own test as another copy of the program, and runs `child(app)`.
#define MORTARIX_TEST_MAIN_OR_CHILD(TestObject, isChild, child)                                             \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        if (isChild) {                                                                                       \
            QApplication app(argc, argv);                                                                    \
            return child(app);                                                                               \
        }                                                                                                    \
        TestSupport::isolateEnvironment();                                                                   \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
#define MORTARIX_TEST_MAIN(TestObject) MORTARIX_TEST_MAIN_OR_CHILD(TestObject, false, [](QApplication &) { return 0; })
