#pragma once

#include "core/colour.h"

#include <QPoint>
#include <array>

class ColourDisplay;
class PictureBox;
class QLabel;
class QWidget;
class ScreenSource;

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

// How far an arrow key moves the hot spot of a pick: one device pixel, ten with Shift (shift bit
// 1); none for any other key.
[[nodiscard]] QPoint ArrowStep(int key, int shift);

// Samples the screen at the source's hot spot into the view and the readouts; returns the colour
// taken.
ColourValue Sample(const FinderControls &controls, ScreenSource &source);

// Fills the colour readouts.
void ShowParts(const FinderControls &controls, ColourValue colour);
