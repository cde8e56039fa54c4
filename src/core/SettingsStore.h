#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

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

    // Every key of a section with its text, read at once.
    static QMap<QString, QString> section(const QString &name);
    // Stores the values in one write; false when the store could not be written (the values are
    // then not on disk).
    static bool saveSection(const QString &name, const QList<QPair<QString, QString>> &values);

    // Where the store lives, for the README and for tests.
    static QString filePath();
};

// The price list: entry i stored as "Price(i)" in section "Prices".
namespace PriceStore {
constexpr int kPriceCount = 11;
QString priceKey(int index);
// The kPriceCount stored texts, empty where none is stored.
QStringList load();
// Stores the first kPriceCount texts; false when the store could not be written.
bool save(const QStringList &prices);
} // namespace PriceStore
