#pragma once

#include "calculators/CalculatorPage.h"

// Page 7: the brick calculator.
class BrickPage final : public CalculatorPage
{
    Q_OBJECT

public:
    BrickPage(QGroupBox *frame, const Workspace &workspace);

    // Fills the brick-size list; runs once while the main window loads.
    void fillSizeList();
};
