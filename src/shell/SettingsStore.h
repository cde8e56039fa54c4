#pragma once

#include <QString>

class QObject;
class QWidget;

// The per-user store of text values kept between runs: option-button states in section "Values"
// and the price list in section "Prices". Backed by an INI file under the user's configuration
// folder (XDG_CONFIG_HOME), application "Mortarix".
class SettingsStore final
{
public:
    static QString applicationName();

    // The stored text, or `defaultValue` when the key or its section does not exist.
    static QString get(const QString &section, const QString &key, const QString &defaultValue = {});
    // Creates section and key as needed and replaces any earlier value; on disk on return.
    static void save(const QString &section, const QString &key, const QString &value);

    // Where the store lives, for the README and for tests.
    static QString filePath();
};

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

// The price list: the boxes text1(0..10) stored as "Price(i)" in section "Prices".
namespace PriceStore {
constexpr int kPriceCount = 11;
QString priceKey(int index);
// False when the store could not be written (the prices are then not on disk).
bool saveAll(const QWidget *window);
void restoreAll(QWidget *window);
} // namespace PriceStore
