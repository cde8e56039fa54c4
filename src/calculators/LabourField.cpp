#include "calculators/LabourField.h"

#include "core/CalculationStep.h"
#include "core/NumberFormat.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace {

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

class DigitsOnlyFilter final : public QObject
{
public:
    explicit DigitsOnlyFilter(QLineEdit *field) : QObject(field), m_field(field), m_before(field->text())
    {
        // A paste (keyboard, menu or middle button) or a drop arrives as one edit; it is kept only
        // when what it inserted is all digits, as typing it would have been.
        connect(field, &QLineEdit::textEdited, this, &DigitsOnlyFilter::checkEdit);
        // The field's own text, not the signal's: a refused edit is put back while its signal runs.
        connect(field, &QLineEdit::textChanged, this, [this] { m_before = m_field->text(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            const QString text = key->text();
            if (text.isEmpty() || key->key() == Qt::Key_Delete)
                return false;
            // A Ctrl chord types nothing, whatever text the system gives it: it is a shortcut
            // (select all, copy, paste, undo).
            const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
                return false;
            return DigitsOnlyKey(text.at(0).unicode()) == 0;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !m_field->hasSelectedText() &&
            m_field->text() == Numbers::formatCurrency(Numbers::Currency())) {
            m_field->selectAll();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void checkEdit(const QString &after)
    {
        const QString before = m_before;
        qsizetype head = 0;
        while (head < before.size() && head < after.size() && before.at(head) == after.at(head))
            ++head;
        qsizetype tail = 0;
        while (tail < before.size() - head && tail < after.size() - head &&
               before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
            ++tail;
        if (allDigits(QStringView(after).mid(head, after.size() - head - tail)))
            return;
        m_field->setText(before);
        m_field->setCursorPosition(int(head));
    }

    QLineEdit *m_field;
    QString m_before;
};

} // namespace

void installDigitsOnlyFilter(QLineEdit *field)
{
    field->installEventFilter(new DigitsOnlyFilter(field));
}
