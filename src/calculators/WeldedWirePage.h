#pragma once

#include "calculators/CalculatorPage.h"

// Page 4: the welded wire fabric calculator.
class WeldedWirePage final : public CalculatorPage
{
    Q_OBJECT

public:
    WeldedWirePage(QGroupBox *frame, const Workspace &workspace);
};
