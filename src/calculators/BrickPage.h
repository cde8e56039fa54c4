#pragma once

#include "calculators/CalculatorPage.h"

class QComboBox;
class QLineEdit;

// Page 7: the brick calculator.
class BrickPage final : public CalculatorPage
{
    Q_OBJECT

public:
    BrickPage(QGroupBox *frame, const Workspace &workspace);

    // Fills the brick-size list; runs once while the main window loads.
    void fillSizeList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The length was clicked before a size was chosen: says where to begin.
    void showStartHint();

    QComboBox *m_size = nullptr;
    QLineEdit *m_perHundred = nullptr;
    QLineEdit *m_length = nullptr;
};
