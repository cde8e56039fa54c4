#pragma once

#include "calculators/CalculatorPage.h"

// Page 7: the brick calculator.
class BrickPage final : public CalculatorPage
{
    Q_OBJECT

public:
    BrickPage(QGroupBox *frame, const Workspace &workspace);
};
