#pragma once

#include "calculators/CalculatorPage.h"

// Page 0: the footing calculator.
class FootingPage final : public CalculatorPage
{
    Q_OBJECT

public:
    FootingPage(QGroupBox *frame, const Workspace &workspace);
};
