#pragma once

#include "calculators/CalculatorPage.h"

// Page 2: the rebar calculator.
class RebarPage final : public CalculatorPage
{
    Q_OBJECT

public:
    RebarPage(QGroupBox *frame, const Workspace &workspace);

    // Shows the input frame of the selected rebar kind only.
    void stackInputFrames();

private:
    QList<QGroupBox *> m_inputFrames;
};
