#pragma once

#include "core/palettekind.h"

#include <QSize>

class PictureBox;

// Clears the palette box and draws the palette of kind into it; any other kind leaves it clear.
// The custom palette is drawn from the swatches as they are stored now.
void DrawPalette(PictureBox &picPalette, PaletteKind kind);

// The width and height of a cell of kind's grid as DrawPalette lays it out in the box, in twips;
// empty for any other kind.
[[nodiscard]] QSize CellSteps(const PictureBox &picPalette, PaletteKind kind);
