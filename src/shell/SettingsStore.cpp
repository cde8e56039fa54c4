#include "shell/SettingsStore.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QWidget>

namespace {

QSettings openStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, SettingsStore::applicationName(),
                     SettingsStore::applicationName());
}

const QString kValuesSection = QStringLiteral("Values");
const QString kPricesSection = QStringLiteral("Prices");

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

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

QString SettingsStore::filePath()
{
    return openStore().fileName();
}

QString ControlSettingKey(const QObject *control)
{
    // Array members are named "name(index)" already; a control outside an array has its bare name.
    return control ? control->objectName() : QString();
}

namespace OptionStates {

void setOption(QWidget *optionButton, bool selected)
{
    auto *button = qobject_cast<QRadioButton *>(optionButton);
    if (!button || button->isChecked() == selected)
        return;
    if (selected) {
        button->setChecked(true);
        return;
    }
    // Qt refuses to clear the checked button of an exclusive group; clearing must still work.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

void saveAll(const QWidget *window)
{
    QSettings store = openStore();
    store.beginGroup(kValuesSection);
    const auto buttons = window->findChildren<QRadioButton *>();
    for (const QRadioButton *button : buttons)
        store.setValue(ControlSettingKey(button), boolText(button->isChecked()));
    store.endGroup();
    store.sync();
}

void restoreAll(QWidget *window)
{
    QSettings store = openStore();
    store.beginGroup(kValuesSection);
    const auto buttons = window->findChildren<QRadioButton *>();
    for (QRadioButton *button : buttons) {
        const QString text = store.value(ControlSettingKey(button), boolText(button->isChecked())).toString();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            setOption(button, true);
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            setOption(button, false);
        // Anything else is not a state: the button keeps its designed state.
    }
}

} // namespace OptionStates

namespace PriceStore {

QString priceKey(int index)
{
    return QStringLiteral("Price(%1)").arg(index);
}

namespace {
QLineEdit *priceBox(const QWidget *window, int index)
{
    return window->findChild<QLineEdit *>(QStringLiteral("text1(%1)").arg(index));
}
} // namespace

bool saveAll(const QWidget *window)
{
    QSettings store = openStore();
    store.beginGroup(kPricesSection);
    for (int i = 0; i < kPriceCount; ++i) {
        if (const QLineEdit *box = priceBox(window, i))
            store.setValue(priceKey(i), box->text());
    }
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

void restoreAll(QWidget *window)
{
    QSettings store = openStore();
    store.beginGroup(kPricesSection);
    for (int i = 0; i < kPriceCount; ++i) {
        if (QLineEdit *box = priceBox(window, i))
            box->setText(store.value(priceKey(i), QString()).toString());
    }
}

} // namespace PriceStore
