#pragma once

#include "calculators/CalculatorPage.h"

// Page 6: the poured concrete wall calculator.
class PouredWallsPage final : public CalculatorPage
{
    Q_OBJECT

public:
    PouredWallsPage(QGroupBox *frame, const Workspace &workspace);
};
