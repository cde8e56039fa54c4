#include "calculators/LabourField.h"

#include "core/CalculationStep.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class DigitsOnlyFilter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (text.isEmpty() || key->key() == Qt::Key_Delete)
            return false;
        return DigitsOnlyKey(text.at(0).unicode()) == 0;
    }
};

} // namespace

void installDigitsOnlyFilter(QLineEdit *field)
{
    field->installEventFilter(new DigitsOnlyFilter(field));
}
