#pragma once

#include <QWidget>

// The Options page: the background colour (Option1) and the program font (Option2), one choice
// each. Selecting a choice, by a click or when the stored states are restored, applies it to the
// whole main window at once.
class OptionsPage final : public QWidget
{
    Q_OBJECT

public:
    // Fills `frame` (myframe(300)) and lives inside it.
    explicit OptionsPage(QWidget *frame);
};
