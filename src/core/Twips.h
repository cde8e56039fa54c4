#pragma once

#include <QRect>

// Layout values are given in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int twips(int value)
{
    return (value + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
