#pragma once

#include <QList>
#include <QWidget>

class QRadioButton;

// The Options page: the background colour (Option1) and the program font (Option2), one choice
// each. Selecting a choice, by a click or when the stored states are restored, applies it to the
// whole main window at once.
class OptionsPage final : public QWidget
{
    Q_OBJECT

public:
    // Built inside `frame` (myframe(300)), which the main window lays it into.
    explicit OptionsPage(QWidget *frame);

    // The colour choices Option1(0..5) and the font choices Option2(0..5).
    const QList<QRadioButton *> &colourChoices() const { return m_colours; }
    const QList<QRadioButton *> &fontChoices() const { return m_fonts; }

private:
    QList<QRadioButton *> m_colours;
    QList<QRadioButton *> m_fonts;
};
