#pragma once

#include <QString>

#include <array>

class QWidget;

// The program font: one of six font sets for the labels, frames, option buttons, command
// buttons and the totals grid of the main window, chosen on the Options page.
namespace ProgramFont {

struct Face
{
    QString family;
    qreal pointSize;
};

struct Choice
{
    QString caption;
    Face label;
    Face frame;
    Face optionButton;
    Face commandButton;
    Face grid;
};

// The six choices, in the order of the option buttons Option2(0..5).
const std::array<Choice, 6> &choices();

// Gives each label, frame, option button, command button and grid of `window` the name and size
// of choice `index` for its kind; every other attribute (bold, italic, ...) stays. Text boxes,
// lists, the editor and the status bar keep their fonts. A face the system lacks is left to
// the platform's substitution.
void apply(QWidget *window, int index);

} // namespace ProgramFont
