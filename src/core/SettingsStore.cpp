#include "core/SettingsStore.h"

#include <QSettings>

namespace {

QSettings openStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, SettingsStore::applicationName(),
                     SettingsStore::applicationName());
}

const QString kPricesSection = QStringLiteral("Prices");

} // namespace

QString SettingsStore::applicationName()
{
    return QStringLiteral("Mortarix");
}

QString SettingsStore::get(const QString &section, const QString &key, const QString &defaultValue)
{
    QSettings store = openStore();
    store.beginGroup(section);
    const QVariant value = store.value(key);
    if (!value.isValid())
        return defaultValue;
    return value.toString();
}

void SettingsStore::save(const QString &section, const QString &key, const QString &value)
{
    QSettings store = openStore();
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
}

QMap<QString, QString> SettingsStore::section(const QString &name)
{
    QSettings store = openStore();
    store.beginGroup(name);
    QMap<QString, QString> values;
    const QStringList keys = store.childKeys();
    for (const QString &key : keys)
        values.insert(key, store.value(key).toString());
    return values;
}

bool SettingsStore::saveSection(const QString &name, const QList<QPair<QString, QString>> &values)
{
    QSettings store = openStore();
    store.beginGroup(name);
    for (const auto &[key, value] : values)
        store.setValue(key, value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QString SettingsStore::filePath()
{
    return openStore().fileName();
}

namespace PriceStore {

QString priceKey(int index)
{
    return QStringLiteral("Price(%1)").arg(index);
}

QStringList load()
{
    const QMap<QString, QString> stored = SettingsStore::section(kPricesSection);
    QStringList prices;
    for (int i = 0; i < kPriceCount; ++i)
        prices << stored.value(priceKey(i));
    return prices;
}

bool save(const QStringList &prices)
{
    QList<QPair<QString, QString>> values;
    for (int i = 0; i < kPriceCount && i < prices.size(); ++i)
        values.append({priceKey(i), prices.at(i)});
    return SettingsStore::saveSection(kPricesSection, values);
}

} // namespace PriceStore
