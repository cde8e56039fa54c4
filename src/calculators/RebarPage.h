#pragma once

#include "calculators/CalculatorPage.h"

// Page 2: the rebar calculator. A selector shows one of three stacked input frames (horizontal
// bars, vertical bars, mats); the total adds the results of all three, shown or not.
class RebarPage final : public CalculatorPage
{
    Q_OBJECT

public:
    RebarPage(QGroupBox *frame, const Workspace &workspace);

    // Shows the input frame of the selected rebar kind only.
    void stackInputFrames();
    // The bar size choices Option3(0..4).
    const QList<QRadioButton *> &barSizeOptions() const { return m_barSizes; }

private:
    void buildHorizontalFrame(QGroupBox *frame);
    void buildVerticalFrame(QGroupBox *frame);
    void buildMatFrame(QGroupBox *frame);

    QList<QRadioButton *> m_kinds; // rbropt_visible(0..2), one per input frame
    QList<QGroupBox *> m_inputFrames;
    QList<QRadioButton *> m_barSizes;
};
