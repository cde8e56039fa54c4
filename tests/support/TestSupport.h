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
