#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// What one calculator button does, as a plain value: either one of the standard messages, or the
// texts to write into result fields. Steps are pure functions from field texts to an outcome; the
// page shows the message or writes the texts.
struct StepOutcome
{
    enum class Message { None, DataMissing, MaximumCalculation };

    Message message = Message::None;
    // Field objectName and its new text; an empty text empties the field. Written in order.
    QList<QPair<QString, QString>> writes;

    // An input is missing: a message, and no field changes.
    static StepOutcome dataMissing();
    // An input is past its bound: a message, then the named result fields are emptied.
    static StepOutcome tooLarge(const QStringList &emptied = {});
    // The result: `text` goes into `field`.
    static StepOutcome write(const QString &field, const QString &text);
    // Adds a further write to a result.
    StepOutcome &also(const QString &field, const QString &text);
};

// Runs a step, turning an out-of-range number (an absurd entry such as 1E999) into the
// maximum-calculation message instead of a wrong result; `emptied` as for tooLarge.
StepOutcome guardedStep(const std::function<StepOutcome()> &step, const QStringList &emptied = {});

// The key filter of the labour fields: the digits 0 to 9 and control codes (Backspace, Tab,
// Return, Escape and the Ctrl shortcuts such as select all, copy, cut and paste) pass unchanged;
// every other character gives 0, which swallows the key. Only what would be typed into the
// field is refused; moving and editing keys work as in any other field.
int DigitsOnlyKey(int characterCode);

// What "Send " does with the texts of its fields.
enum class PostDecision {
    DataMissing,   // a required result field is empty
    LabourMissing, // the labour field is empty: the focus goes there
    Post,          // confirm, then write the cells
};
PostDecision decidePost(const QStringList &requiredTexts, const QString &labourText);
