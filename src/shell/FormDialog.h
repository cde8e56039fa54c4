#pragma once

#include "core/SettingsStore.h"
#include "platform/ModalDialog.h"
#include "shell/ShellMessages.h"

#include <optional>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QString;
class QWidget;

// What the program's own form dialogs (job details, business details, material factors) share:
// how a field is made, how the form is closed off with OK and Cancel, and how one is run.
namespace FormDialog {

// A one-line field named `name`, holding `text`, taking at most `maxLength` characters.
QLineEdit *newLine(QWidget *parent, const QString &name, const QString &text, int maxLength);

// Lays `form` out above OK and Cancel as the whole of `dialog`, `width` wide and as tall as it
// needs; the buttons accept and reject it. The box is returned for any further button.
QDialogButtonBox *finish(QDialog *dialog, QFormLayout *form, int width);

// Runs a `Dialog` built on `value`; what `read` gives after OK, nothing after Cancel.
template <typename Dialog, typename Value>
std::optional<Value> edit(QWidget *parent, const Value &value, Value (Dialog::*read)() const)
{
    ModalDialog<Dialog> dialog(value, parent);
    if (!dialog.accepted())
        return std::nullopt;
    return (dialog.get()->*read)();
}

// Settings kept once per user: loads `Value`, edits it with `Dialog::edit` and saves it, saying
// so when the store cannot be written. True when saved.
template <typename Dialog, typename Value> bool editStored(QWidget *parent, const QString &what)
{
    const std::optional<Value> edited = Dialog::edit(parent, Value::load());
    if (!edited)
        return false;
    if (!edited->save()) {
        ShellMessages::settingsNotSaved(parent, what, SettingsStore::filePath());
        return false;
    }
    return true;
}

} // namespace FormDialog
