#include "shell/StoredControls.h"

#include "platform/OptionButton.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace {

const QString kValuesSection = QStringLiteral("Values");

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QString ControlSettingKey(const QObject *control)
{
    // Array members are named "name(index)" already; a control outside an array has its bare name.
    return control ? control->objectName() : QString();
}

namespace OptionStates {

void setOption(QWidget *optionButton, bool selected)
{
    setOptionChecked(qobject_cast<QRadioButton *>(optionButton), selected);
}

void saveAll(const QWidget *window)
{
    QList<QPair<QString, QString>> values;
    const auto buttons = window->findChildren<QRadioButton *>();
    for (const QRadioButton *button : buttons)
        values.append({ControlSettingKey(button), boolText(button->isChecked())});
    SettingsStore::saveSection(kValuesSection, values);
}

void restoreAll(QWidget *window)
{
    const QMap<QString, QString> stored = SettingsStore::section(kValuesSection);
    const auto buttons = window->findChildren<QRadioButton *>();
    for (QRadioButton *button : buttons) {
        const QString text = stored.value(ControlSettingKey(button), boolText(button->isChecked()));
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            setOption(button, true);
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            setOption(button, false);
        // Anything else is not a state: the button keeps its designed state.
    }
}

} // namespace OptionStates

namespace PriceStore {

namespace {
QLineEdit *priceBox(const QWidget *window, int index)
{
    return window->findChild<QLineEdit *>(QStringLiteral("text1(%1)").arg(index));
}
} // namespace

bool saveAll(const QWidget *window)
{
    // A box the window lacks keeps its stored price.
    QStringList prices = load();
    for (int i = 0; i < kPriceCount; ++i) {
        if (const QLineEdit *box = priceBox(window, i))
            prices[i] = box->text();
    }
    return save(prices);
}

void restoreAll(QWidget *window)
{
    const QStringList prices = load();
    for (int i = 0; i < kPriceCount; ++i) {
        if (QLineEdit *box = priceBox(window, i))
            box->setText(prices.at(i));
    }
}

} // namespace PriceStore
