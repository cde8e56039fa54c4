#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

// Every modal window of the program (message boxes, questions, the file, font, colour and print
// dialogs, the program's own dialogs) is built and run in one way: on the heap, held by a QPointer
// (ModalDialog below), run by Modal::exec. A dialog on the stack with a parent is freed twice when
// that parent goes while the dialog's loop runs; held this way it is simply found gone.
namespace Modal {

// Runs `dialog` modally and returns its result: the button of a message box, Accepted or Rejected
// for any other dialog. A dialog whose parent took it away while it ran answers safeAnswer. While
// the program is ending (endAllThen) a dialog is not shown at all and answers safeAnswer at once.
int exec(QDialog *dialog);

// The answer a dialog gives when the program ends under it, as if the user had dismissed it: Cancel,
// else No, else the only button of a message box; Rejected for any other dialog.
int safeAnswer(const QDialog *dialog);

// How many dialogs are running through exec, one inside the other.
int openCount();

// A request to end the program: every open dialog is answered with its safe answer, innermost
// first, and so is any dialog the code behind them opens until their loops have returned; then
// `then` runs from the event loop that was running before the first dialog opened. A request while
// one is already pending does nothing. `then` is dropped if `context` goes first.
void endAllThen(QObject *context, std::function<void()> then);

// True from endAllThen until its `then` has started.
bool isEnding();

} // namespace Modal

// Owns a dialog built on the heap; the dialog's parent (for placement and stacking) may also
// delete it, which leaves get() null instead of a dangling pointer.
template <typename Dialog> class ModalDialog final
{
public:
    template <typename... Args>
    explicit ModalDialog(Args &&...args) : m_dialog(new Dialog(std::forward<Args>(args)...))
    {
    }
    ~ModalDialog() { delete m_dialog.data(); }

    ModalDialog(const ModalDialog &) = delete;
    ModalDialog &operator=(const ModalDialog &) = delete;

    Dialog *get() const { return m_dialog.data(); }
    Dialog *operator->() const { return m_dialog.data(); }

    // Modal::exec; a dialog already gone answers Rejected.
    int exec() { return m_dialog ? Modal::exec(m_dialog.data()) : int(QDialog::Rejected); }

    // Accepted, and still there to be read.
    bool accepted() { return exec() == QDialog::Accepted && m_dialog; }

private:
    QPointer<Dialog> m_dialog;
};
