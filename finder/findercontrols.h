#pragma once

#include "core/colour.h"

#include <array>

class ColourDisplay;
class PictureBox;
class QLabel;
class QWidget;

// The magnified view's back colour, the system colour of a button's highlight.
inline constexpr ColourValue FinderBackColour = ColourValue(0x80000014);

// The controls of the main window that the finder reads and writes.
struct FinderControls
{
    PictureBox *picFinder;
    QWidget *imgLocator;
    QLabel *lblXCoord, *lblYCoord;
    std::array<QLabel *, 3> values, fractions, percents; // red, green, blue
    ColourDisplay *picMain;
};
