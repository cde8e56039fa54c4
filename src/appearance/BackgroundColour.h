#pragma once

#include <QColor>
#include <QString>

#include <array>

class QWidget;

// The background colour of the main window's labels and frames, chosen on the Options page.
namespace BackgroundColour {

// A colour as the program stores it: a system colour (high bit set, low byte the system colour's
// index) or red, green and blue packed as 0x00BBGGRR.
using ColourCode = quint32;

struct Choice
{
    QString caption;
    ColourCode code;
};

// The six choices, in the order of the option buttons Option1(0..5).
const std::array<Choice, 6> &choices();

// The colour a code stands for; system colours come from the application palette.
QColor translate(ColourCode code);

// Gives every label and frame of `window`, and the rebar and block option buttons, the colour
// `code`. Every other control keeps its own background.
void apply(QWidget *window, ColourCode code);

// Gives `control` a background of its own that colours applied around it do not change.
void setOwnBackground(QWidget *control, const QColor &colour);

} // namespace BackgroundColour
