#pragma once

#include "calculators/Workspace.h"
#include "core/CalculationStep.h"
#include "core/Job.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// Where a calculator's "Send " posts and what it requires.
struct PostTarget
{
    int labourIndex = 0;        // myADDSigntbx(labourIndex)
    int totalsRow = 0;          // row of the totals grid
    QStringList requiredFields; // result fields that must not be empty
    QString costField;          // posted as the material cost
    // What the record of a Send keeps: the quantity with its unit, and the unit price.
    QString quantityField;
    QString quantityUnit;
    QString priceField;
    QString priceUnit; // what one unit of the price buys, "cu yd"
    // The one-line description of what was measured: clauses separated by ", ", each with {field}
    // for a field's text (inch and foot marks spoken as "in" and "ft") or {option:Group} for the
    // caption of the group's chosen option. A clause with an empty field is left out.
    QString description;
};

// The shared part of every calculator page: its fields are its state; buttons run pure steps
// and the page writes their results; the labour field, "Send " and "More Info" work the same on
// every page. A page class builds its own fields on top of this.
class CalculatorPage : public QWidget
{
    Q_OBJECT

public:
    // Built inside `frame` (a page of the main window), which the main window lays it into.
    CalculatorPage(QGroupBox *frame, const Workspace &workspace);

    // The text of the page's field `name` (line edit, list or label); a name the page did not make
    // is a fault (asserted), and reads as empty.
    QString fieldText(const QString &name) const;
    // The labour field of this page, once built.
    QLineEdit *labourField() const { return m_labour; }

    // The page as the user left it: every field's text (lists by their text) and every option
    // button's choice, by objectName.
    QMap<QString, QString> fieldTexts() const;
    // The page's description pattern (see PostTarget) filled from what the page shows.
    QString describe(const QString &pattern) const;
    QMap<QString, bool> optionChoices() const;
    // Puts back what fieldTexts and optionChoices gave, as the user could have entered it: options
    // first (a named one only), then every field; a text is cut to its field's limit, a list
    // choice not in the list is left unset, a labour amount that is not all digits leaves the
    // field's start value, and a field not named is emptied.
    void restore(const QMap<QString, QString> &texts, const QMap<QString, bool> &options);

    // Shows the outcome's message, then writes its texts.
    void apply(const StepOutcome &outcome);
    // "Send ": checks the fields, confirms, and writes labour and material cost to the totals.
    void postToTotals();

signals:
    // A Send posted to the totals: what it posted and from what.
    void posted(const PostedRecord &record);

protected:
    const Workspace &workspace() const { return m_workspace; }
    QVBoxLayout *column() const { return m_column; }

    // Building blocks, each named as the program's controls are named.
    QLineEdit *newInput(const QString &name, int maxLength = 0);
    QComboBox *newList(const QString &name, const QStringList &entries, bool editable = false);
    QLineEdit *newResult(const QString &name);
    QLabel *newLabel(const QString &text, const QString &name = {});
    // One row of a frame's grid: `caption` beside `field`, whose buddy it becomes.
    static void addFieldRow(QGridLayout *grid, QLabel *caption, QWidget *field);
    // The same with a new caption reading `label`, made after the field.
    void addFieldRow(QGridLayout *grid, const QString &label, QWidget *field);
    // One row of a frame's grid: a step button beside the result it writes.
    static void addStepRow(QGridLayout *grid, QPushButton *button, QLineEdit *result);
    // A button that runs `step` and applies its outcome.
    QPushButton *newStepButton(const QString &name, const QString &caption,
                               std::function<StepOutcome()> step);
    // The labour field myADDSigntbx(index): at most 10 characters, digits and Backspace only.
    QLineEdit *newLabourField(int index);
    // The "Send " button posting to `target`.
    QPushButton *newSendButton(const QString &name, const QString &caption, const PostTarget &target);
    // The standard foot of a page: "Add Labor Cost (Optional)" with the labour field, the "Send "
    // button and its hint.
    void addPostingArea(const PostTarget &target, const QString &sendName, const QString &sendCaption,
                        const QString &hint);
    // A "More Info" option, Option10(index); `onRelease` runs when a mouse button is released over it.
    QRadioButton *newMoreInfo(int index, std::function<void(Qt::MouseButton)> onRelease);
    // Shows a note as "More Info" does: information icon, OK.
    void showNote(const QString &note);
    // Return in `input` presses `step` instead of the step button that follows it on the page.
    void pressOnReturn(QWidget *input, QPushButton *step);
    // A click into `target` copies price-list entry `entry` into it, also over a typed price.
    void fillFromPriceListOnClick(QLineEdit *target, int entry);
    // Copies price-list entry `entry` into `target` now.
    void fillFromPriceList(QLineEdit *target, int entry);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The field the page made under `name`.
    QWidget *field(const QString &name) const;
    // A button of the page that Return presses, made autoDefault so it takes Return itself too.
    QPushButton *newPageButton(const QString &name, const QString &caption);
    // The step button Return in `input` presses: the one set for it, or the first one that follows
    // it in the tab order.
    QPushButton *stepFor(QWidget *input) const;

    Workspace m_workspace;
    QVBoxLayout *m_column = nullptr;
    QLineEdit *m_labour = nullptr;
    PostTarget m_post;
    // The page's named fields, registered as they are made: steps address them by name.
    QHash<QString, QWidget *> m_fields;
    QHash<QObject *, int> m_priceOnClick;
    QHash<QObject *, std::function<void(Qt::MouseButton)>> m_onRelease;
    QList<QPushButton *> m_buttons;
    QHash<QObject *, QPushButton *> m_returnPresses;
};
