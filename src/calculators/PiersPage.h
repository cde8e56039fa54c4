#pragma once

#include "calculators/CalculatorPage.h"

// Page 1: the pier calculator.
class PiersPage final : public CalculatorPage
{
    Q_OBJECT

public:
    PiersPage(QGroupBox *frame, const Workspace &workspace);
};
