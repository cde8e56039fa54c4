#pragma once

#include "calculators/CalculatorPage.h"

// Page 5: the block calculator.
class BlockPage final : public CalculatorPage
{
    Q_OBJECT

public:
    BlockPage(QGroupBox *frame, const Workspace &workspace);
};
