#include "core/CalculationStep.h"

#include "core/Numbers.h"

StepOutcome StepOutcome::dataMissing()
{
    StepOutcome outcome;
    outcome.message = Message::DataMissing;
    return outcome;
}

StepOutcome StepOutcome::tooLarge(const QStringList &emptied)
{
    StepOutcome outcome;
    outcome.message = Message::MaximumCalculation;
    for (const QString &field : emptied)
        outcome.writes.append({field, QString()});
    return outcome;
}

StepOutcome StepOutcome::write(const QString &field, const QString &text)
{
    StepOutcome outcome;
    outcome.writes.append({field, text});
    return outcome;
}

StepOutcome &StepOutcome::also(const QString &field, const QString &text)
{
    writes.append({field, text});
    return *this;
}

StepOutcome guardedStep(const std::function<StepOutcome()> &step, const QStringList &emptied)
{
    try {
        return step();
    } catch (const Numbers::NumberOverflow &) {
        return StepOutcome::tooLarge(emptied);
    }
}

int DigitsOnlyKey(int characterCode)
{
    const bool control = (characterCode >= 0 && characterCode < 32) || characterCode == 127;
    if (control || (characterCode >= '0' && characterCode <= '9'))
        return characterCode;
    return 0;
}

PostDecision decidePost(const QStringList &requiredTexts, const QString &labourText)
{
    for (const QString &text : requiredTexts) {
        if (text.isEmpty())
            return PostDecision::DataMissing;
    }
    if (labourText.isEmpty())
        return PostDecision::LabourMissing;
    return PostDecision::Post;
}
