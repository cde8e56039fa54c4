#pragma once

#include "core/SettingsStore.h"
#include "shell/ShellMessages.h"

#include <optional>

class QWidget;

// Settings kept once per user and edited in a dialog of their own: loads `Value`, edits it with
// `Dialog::edit` and saves it, saying so when the store cannot be written. True when saved.
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
