#include "calculators/CalculatorPage.h"

#include "calculators/LabourField.h"
#include "core/NumberFormat.h"
#include "platform/Messages.h"
#include "platform/OptionButton.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The longest text kept in a list that takes typing; its entries are numbers of a few digits.
constexpr int kMaxTypedListText = 32;
} // namespace

CalculatorPage::CalculatorPage(QGroupBox *frame, const Workspace &workspace)
    : QWidget(frame), m_workspace(workspace)
{
    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(4);
}

QWidget *CalculatorPage::field(const QString &name) const
{
    QWidget *found = m_fields.value(name, nullptr);
    // Steps name the fields they read and write; a name no field carries is a fault of the page.
    Q_ASSERT_X(found, "CalculatorPage::field", qPrintable(name));
    return found;
}

QString CalculatorPage::fieldText(const QString &name) const
{
    QWidget *field = this->field(name);
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->text();
    if (auto *list = qobject_cast<QComboBox *>(field))
        return list->currentText();
    if (auto *label = qobject_cast<QLabel *>(field))
        return label->text();
    return {};
}

void CalculatorPage::apply(const StepOutcome &outcome)
{
    switch (outcome.message) {
    case StepOutcome::Message::DataMissing:
        Messages::warnDataMissing(this);
        break;
    case StepOutcome::Message::MaximumCalculation:
        Messages::warnMaximumCalculation(this);
        break;
    case StepOutcome::Message::None:
        break;
    }
    for (const auto &[name, text] : outcome.writes) {
        QWidget *field = this->field(name);
        if (auto *line = qobject_cast<QLineEdit *>(field))
            line->setText(text);
        else if (auto *label = qobject_cast<QLabel *>(field))
            label->setText(text);
        else if (auto *list = qobject_cast<QComboBox *>(field))
            list->setEditText(text);
    }
}

void CalculatorPage::postToTotals()
{
    QStringList required;
    for (const QString &name : std::as_const(m_post.requiredFields))
        required << fieldText(name);
    const QString labour = m_labour ? m_labour->text() : QString();
    switch (decidePost(required, labour)) {
    case PostDecision::DataMissing:
        Messages::warnDataMissing(this);
        return;
    case PostDecision::LabourMissing:
        Messages::warnLabourMissing(this);
        if (m_labour)
            m_labour->setFocus();
        return;
    case PostDecision::Post:
        break;
    }
    Messages::notifySentToTotals(this);
    PostedRecord record;
    record.row = m_post.totalsRow;
    record.description = describe(m_post.description);
    record.quantity = QString(fieldText(m_post.quantityField) + u' ' + m_post.quantityUnit).trimmed();
    record.price = fieldText(m_post.priceField);
    if (const auto price = Numbers::parseLocaleCurrency(record.price))
        record.unitPrice = Numbers::formatCurrency(*price) + QLatin1String(" per ") + m_post.priceUnit;
    record.labour = labour;
    record.material = fieldText(m_post.costField);
    record.inputs = fieldTexts();
    // The chosen sizes too (bar, block), by caption: what to order depends on them.
    for (const QRadioButton *option : findChildren<QRadioButton *>()) {
        if (option->isChecked() && !option->objectName().startsWith(QLatin1String("Option10(")))
            record.inputs.insert(option->objectName(), option->text());
    }
    if (TotalsGrid *grid = m_workspace.totals) {
        grid->setCell(m_post.totalsRow, TotalsGrid::kMaterialColumn, record.material);
        grid->setCell(m_post.totalsRow, TotalsGrid::kLabourColumn, labour);
        record.item = grid->cell(m_post.totalsRow, 0);
    }
    emit posted(record);
}

QString CalculatorPage::describe(const QString &pattern) const
{
    static const QRegularExpression placeholder(QStringLiteral("\\{(option:)?([^}]+)\\}"));
    QStringList clauses;
    for (const QString &clause : pattern.split(QLatin1String(", "), Qt::SkipEmptyParts)) {
        QString text = clause;
        bool complete = true;
        for (auto it = placeholder.globalMatch(clause); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            QString value;
            if (match.hasCaptured(1)) {
                for (const QRadioButton *option : findChildren<QRadioButton *>()) {
                    if (option->isChecked() && option->objectName().startsWith(match.captured(2) + u'('))
                        value = option->text();
                }
            } else {
                value = fieldText(match.captured(2)).trimmed();
                if (value.endsWith(u'"'))
                    value = value.chopped(1).trimmed() + QLatin1String(" in");
                else if (value.endsWith(u'\''))
                    value = value.chopped(1).trimmed() + QLatin1String(" ft");
            }
            complete = complete && !value.isEmpty();
            text.replace(match.captured(0), value);
        }
        if (complete)
            clauses.append(text);
    }
    return clauses.join(QLatin1String(", "));
}

QMap<QString, QString> CalculatorPage::fieldTexts() const
{
    QMap<QString, QString> texts;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        // Labels are captions, not entries.
        if (!qobject_cast<QLabel *>(it.value()))
            texts.insert(it.key(), fieldText(it.key()));
    }
    return texts;
}

QMap<QString, bool> CalculatorPage::optionChoices() const
{
    QMap<QString, bool> choices;
    const auto options = findChildren<QRadioButton *>();
    for (const QRadioButton *option : options)
        choices.insert(option->objectName(), option->isChecked());
    return choices;
}

void CalculatorPage::restore(const QMap<QString, QString> &texts, const QMap<QString, bool> &options)
{
    const auto buttons = findChildren<QRadioButton *>();
    for (QRadioButton *option : buttons) {
        if (auto choice = options.constFind(option->objectName()); choice != options.cend())
            setOptionChecked(option, *choice);
    }
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QString text = texts.value(it.key());
        if (auto *line = qobject_cast<QLineEdit *>(it.value())) {
            if (line == m_labour) {
                const bool digits = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                                                   [](QChar c) { return c.isDigit(); });
                // The start value is the only text with more than digits a labour field holds.
                line->setText(digits ? text.left(line->maxLength())
                                     : Numbers::formatCurrency(Numbers::Currency()));
            } else {
                // A result shown again is no new result: nothing that follows one runs again.
                const QSignalBlocker quiet(line->isReadOnly() ? line : nullptr);
                line->setText(text); // cut to the field's limit
            }
        } else if (auto *list = qobject_cast<QComboBox *>(it.value())) {
            const int index = list->findText(text, Qt::MatchExactly);
            list->setCurrentIndex(index);
            if (list->isEditable())
                list->setEditText(index < 0 ? text.left(kMaxTypedListText) : list->itemText(index));
        }
    }
}

QLineEdit *CalculatorPage::newInput(const QString &name, int maxLength)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    m_fields.insert(name, field);
    if (maxLength > 0)
        field->setMaxLength(maxLength);
    field->installEventFilter(this);
    return field;
}

QComboBox *CalculatorPage::newList(const QString &name, const QStringList &entries, bool editable)
{
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    m_fields.insert(name, list);
    list->setEditable(editable);
    list->addItems(entries);
    list->installEventFilter(this);
    // No entry is chosen until the user picks one.
    list->setCurrentIndex(-1);
    if (editable)
        list->setEditText(QString());
    return list;
}

QLineEdit *CalculatorPage::newResult(const QString &name)
{
    QLineEdit *field = newInput(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLabel *CalculatorPage::newLabel(const QString &text, const QString &name)
{
    auto *label = new QLabel(text, this);
    if (!name.isEmpty()) {
        label->setObjectName(name);
        m_fields.insert(name, label);
    }
    return label;
}

void CalculatorPage::addFieldRow(QGridLayout *grid, QLabel *caption, QWidget *field)
{
    const int row = grid->rowCount();
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
}

void CalculatorPage::addFieldRow(QGridLayout *grid, const QString &label, QWidget *field)
{
    addFieldRow(grid, newLabel(label), field);
}

void CalculatorPage::addStepRow(QGridLayout *grid, QPushButton *button, QLineEdit *result)
{
    const int row = grid->rowCount();
    grid->addWidget(button, row, 0);
    grid->addWidget(result, row, 1);
}

QPushButton *CalculatorPage::newStepButton(const QString &name, const QString &caption,
                                           std::function<StepOutcome()> step)
{
    QPushButton *button = newPageButton(name, caption);
    connect(button, &QPushButton::clicked, this, [this, step = std::move(step)] { apply(step()); });
    return button;
}

QPushButton *CalculatorPage::newPageButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(true);
    m_buttons.append(button);
    return button;
}

void CalculatorPage::pressOnReturn(QWidget *input, QPushButton *step)
{
    m_returnPresses.insert(input, step);
}

QPushButton *CalculatorPage::stepFor(QWidget *input) const
{
    if (QPushButton *step = m_returnPresses.value(input))
        return step;
    for (QWidget *w = input->nextInFocusChain(); w != input; w = w->nextInFocusChain()) {
        auto *button = qobject_cast<QPushButton *>(w);
        if (button && m_buttons.contains(button) && button->isVisibleTo(this) && button->isEnabled())
            return button;
    }
    return nullptr;
}

QLineEdit *CalculatorPage::newLabourField(int index)
{
    m_labour = newInput(QStringLiteral("myADDSigntbx(%1)").arg(index), 10);
    installDigitsOnlyFilter(m_labour);
    return m_labour;
}

QPushButton *CalculatorPage::newSendButton(const QString &name, const QString &caption,
                                           const PostTarget &target)
{
    m_post = target;
    QPushButton *button = newPageButton(name, caption);
    connect(button, &QPushButton::clicked, this, &CalculatorPage::postToTotals);
    return button;
}

void CalculatorPage::addPostingArea(const PostTarget &target, const QString &sendName,
                                    const QString &sendCaption, const QString &hint)
{
    auto *row = new QHBoxLayout;
    QLabel *label = newLabel(QStringLiteral("Add Labor Cost (Optional)"));
    QLineEdit *labour = newLabourField(target.labourIndex);
    label->setBuddy(labour);
    row->addWidget(label);
    row->addWidget(labour);
    row->addWidget(newSendButton(sendName, sendCaption, target));
    m_column->addLayout(row);
    QLabel *hintLabel = newLabel(hint);
    hintLabel->setWordWrap(true);
    m_column->addWidget(hintLabel);
}

QRadioButton *CalculatorPage::newMoreInfo(int index, std::function<void(Qt::MouseButton)> onRelease)
{
    auto *option = new QRadioButton(QStringLiteral("More Info"), this);
    option->setObjectName(QStringLiteral("Option10(%1)").arg(index));
    // Each page's option stands alone in its page, so all of them start selected.
    option->setChecked(true);
    option->installEventFilter(this);
    m_onRelease.insert(option, std::move(onRelease));
    return option;
}

void CalculatorPage::showNote(const QString &note)
{
    Messages::showNote(this, note);
}

void CalculatorPage::fillFromPriceListOnClick(QLineEdit *target, int entry)
{
    target->installEventFilter(this);
    m_priceOnClick.insert(target, entry);
}

void CalculatorPage::fillFromPriceList(QLineEdit *target, int entry)
{
    if (target && m_workspace.priceList)
        target->setText(m_workspace.priceList->entry(entry));
}

bool CalculatorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *input = qobject_cast<QWidget *>(watched);
        const bool editable =
            qobject_cast<QComboBox *>(watched) ||
            (qobject_cast<QLineEdit *>(watched) && !static_cast<QLineEdit *>(watched)->isReadOnly());
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && editable && input) {
            // Return finishes the entry and works it out, as a click on the group's step would.
            if (QPushButton *step = stepFor(input)) {
                step->click();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonPress && m_priceOnClick.contains(watched)) {
        fillFromPriceList(qobject_cast<QLineEdit *>(watched), m_priceOnClick.value(watched));
    } else if (event->type() == QEvent::MouseButtonRelease && m_onRelease.contains(watched)) {
        const auto button = static_cast<QMouseEvent *>(event)->button();
        // Run after the release has been handled, so the option's own click completes first.
        const auto action = m_onRelease.value(watched);
        QMetaObject::invokeMethod(
            this, [action, button] { action(button); }, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}
