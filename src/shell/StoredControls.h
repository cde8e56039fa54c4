#pragma once

#include "core/SettingsStore.h"

#include <QString>

class QObject;
class QWidget;

// The key of a control: "name(index)" for a member of a control array, else its bare name.
// Widgets carry exactly that text as their objectName.
QString ControlSettingKey(const QObject *control);

// The option buttons of a window, each stored as True or False under its key.
namespace OptionStates {
void saveAll(const QWidget *window);
void restoreAll(QWidget *window);
// Sets an option button's state as the program does: selecting runs its choice, and an
// option may be cleared even where its group otherwise keeps one selected.
void setOption(QWidget *optionButton, bool selected);
} // namespace OptionStates

// The price list's boxes text1(0..10) of a window, stored and restored.
namespace PriceStore {
// False when the store could not be written (the prices are then not on disk).
bool saveAll(const QWidget *window);
void restoreAll(QWidget *window);
} // namespace PriceStore
