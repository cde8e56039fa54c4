#pragma once

#include "calculators/CalculatorPage.h"

class QLineEdit;
class QRadioButton;

// Page 5: the block calculator.
class BlockPage final : public CalculatorPage
{
    Q_OBJECT

public:
    BlockPage(QGroupBox *frame, const Workspace &workspace);

    // The block size choices BLCKopt(0..1).
    const QList<QRadioButton *> &sizeOptions() const { return m_sizes; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Copies the price of block size `index` into the cost-per-block field.
    void priceSize(int index);

    QList<QRadioButton *> m_sizes;
    QLineEdit *m_price = nullptr;
};
