#pragma once

#include <QRadioButton>

// Sets an option button's state as the program does: selecting runs its choice, and an option may
// be cleared even where its group otherwise keeps one selected.
inline void setOptionChecked(QRadioButton *button, bool selected)
{
    if (!button || button->isChecked() == selected)
        return;
    if (selected) {
        button->setChecked(true);
        return;
    }
    // Qt refuses to clear the checked button of an exclusive group; clearing must still work.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}
