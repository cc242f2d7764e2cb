#pragma once

#include "core/colour.h"
#include "core/palettekind.h"
#include "core/picturebox.h"

#include <array>

class QLabel;

// The current-colour display picMain: the true colour in the upper band of the box, its
// browser-safe colour in the lower band, each with its caption on it. The display is the one
// holder of the current colour; everything that needs the colour reads it back from there.
class ColourDisplay : public PictureBox
{
    Q_OBJECT

public:
    explicit ColourDisplay(QWidget *parent = nullptr);

    // The captions: [0] on the true colour, [1] on the safe colour.
    std::array<QLabel *, 2> lblHexName;

signals:
    // The true colour shown is another than before, whichever command made it current.
    void colourChanged(ColourValue trueColour);
};

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

// Makes colour current. A colour picked from the names or the system palette is captioned with the
// name of its table entry index, any other with its hex text.
void SetCurrentColour(ColourDisplay &picMain, ColourValue colour,
                      PaletteKind paletteKind = NoPalette, int index = 0);

// Shows a true and a safe colour as they were stored, both captioned with their hex texts.
void ShowStoredColours(ColourDisplay &picMain, ColourValue trueColour, ColourValue safeColour);

// The two colours the display shows, in its upper and its lower band.
enum Swatch : int { TrueSwatch = 1, SafeSwatch = 2 };

// The current true colour or safe colour as shown; NoColour for any other swatch.
[[nodiscard]] ColourValue ReadSwatchColour(const ColourDisplay &picMain, Swatch which);
