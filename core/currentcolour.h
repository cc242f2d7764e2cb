#pragma once

#include "core/colour.h"

class PictureBox;
class QLabel;
class QWidget;

// The current-colour display: the true colour in the upper band of the box, its browser-safe
// colour in the lower band, each with a caption label on it. The display is the one holder of the
// current colour; everything that needs the colour reads it back from there.

// Where CentreInContainer puts a control.
enum CentreFlag {
    CentreUpDown = 1, // top: centred up and down
    CentreAcross = 2, // left: centred across
    CentreAbove = 4,  // top: ends three quarters of its height above the middle line
    CentreBelow = 8,  // top: half its height below the middle line
};

// Places control inside container by the flags; of the three that set the top, the last of
// CentreUpDown, CentreAbove, CentreBelow given wins.
void CentreInContainer(const QWidget &container, QWidget &control, int flags);

// Makes colour current. A colour picked from the names palette (kind 30) or the system palette
// (kind 40) is captioned with the name of its table entry index, any other with its hex text.
void SetCurrentColour(PictureBox &picMain, QLabel &upper, QLabel &lower, ColourValue colour,
                      int paletteKind, int index);

// Shows a true and a safe colour as they were stored, both captioned with their hex texts.
void ShowStoredColours(PictureBox &picMain, QLabel &upper, QLabel &lower, ColourValue trueColour,
                       ColourValue safeColour);

// The current true colour (which 1) or safe colour (which 2) as shown, else NoColour.
[[nodiscard]] ColourValue ReadSwatchColour(const PictureBox &picMain, int which);
