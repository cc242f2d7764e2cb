#pragma once

#include "core/palettekind.h"

class PictureBox;

// Clears the palette box and draws the palette of kind into it; any other kind leaves it clear.
// The custom palette is drawn from the swatches as they are stored now.
void DrawPalette(PictureBox &picPalette, PaletteKind kind);
