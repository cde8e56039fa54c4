#include "platform/ModalDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

#include <optional>

namespace Modal {

namespace {

struct PendingEnd
{
    QPointer<QObject> context;
    std::function<void()> then;
};

// The dialogs running through exec, the innermost last.
QList<QPointer<QDialog>> g_open;
std::optional<PendingEnd> g_pendingEnd;

void dismiss(QDialog *dialog)
{
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        // A click, not a close: a question that needs an answer ignores the close box.
        if (QAbstractButton *button = box->button(QMessageBox::StandardButton(safeAnswer(box)))) {
            button->click();
            return;
        }
    }
    dialog->reject();
}

// Menus open above everything run loops of their own; they go first.
void closePopups()
{
    for (int tries = 0; tries < 16; ++tries) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        popup->close();
    }
}

void finishWhenClear()
{
    if (!g_pendingEnd || !g_open.isEmpty())
        return; // the last dialog to return posts this again
    if (QApplication::activePopupWidget()) {
        closePopups();
        QTimer::singleShot(0, qApp, finishWhenClear);
        return;
    }
    PendingEnd pending = std::move(*g_pendingEnd);
    g_pendingEnd.reset();
    if (pending.context)
        pending.then();
}

} // namespace

int safeAnswer(const QDialog *dialog)
{
    if (const auto *box = qobject_cast<const QMessageBox *>(dialog)) {
        const QMessageBox::StandardButtons buttons = box->standardButtons();
        for (QMessageBox::StandardButton safe : {QMessageBox::Cancel, QMessageBox::No}) {
            if (buttons.testFlag(safe))
                return safe;
        }
        if (box->buttons().size() == 1)
            return box->standardButton(box->buttons().constFirst());
    }
    return QDialog::Rejected;
}

int exec(QDialog *dialog)
{
    const int safe = safeAnswer(dialog);
    if (g_pendingEnd)
        return safe;
    const QPointer<QDialog> guard(dialog);
    g_open.append(guard);
    const int result = dialog->exec();
    g_open.removeOne(guard);
    g_open.removeAll(nullptr);
    if (g_pendingEnd && g_open.isEmpty())
        QTimer::singleShot(0, qApp, finishWhenClear);
    return guard ? result : safe;
}

int openCount()
{
    return int(g_open.size());
}

void endAllThen(QObject *context, std::function<void()> then)
{
    if (g_pendingEnd)
        return;
    g_pendingEnd = PendingEnd{context, std::move(then)};
    closePopups();
    // Innermost first, so each loop returns into one that is about to return too.
    const QList<QPointer<QDialog>> open = g_open;
    for (auto it = open.crbegin(); it != open.crend(); ++it) {
        if (*it)
            dismiss(*it);
    }
    if (g_open.isEmpty())
        QTimer::singleShot(0, qApp, finishWhenClear);
}

bool isEnding()
{
    return g_pendingEnd.has_value();
}

} // namespace Modal
