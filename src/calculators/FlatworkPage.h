#pragma once

#include "calculators/CalculatorPage.h"

// Page 3: the flatwork calculator.
class FlatworkPage final : public CalculatorPage
{
    Q_OBJECT

public:
    FlatworkPage(QGroupBox *frame, const Workspace &workspace);
};
