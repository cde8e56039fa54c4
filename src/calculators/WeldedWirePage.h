#pragma once

#include "calculators/CalculatorPage.h"

class QComboBox;

// Page 4: the welded wire fabric calculator.
class WeldedWirePage final : public CalculatorPage
{
    Q_OBJECT

public:
    WeldedWirePage(QGroupBox *frame, const Workspace &workspace);

private:
    // "More Info": the left button opens the page's pop-up menu at the pointer.
    void openPopupMenu(Qt::MouseButton button);

    QComboBox *m_rollSize = nullptr;
};
