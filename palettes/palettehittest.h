#pragma once

#include "core/palettekind.h"

#include <QPoint>
#include <QString>

class PictureBox;

// Which cell of a palette lies under a point, given in twips of the palette box. The grids are
// those of the names (30), system (40) and custom (50) palettes at the box's fixed size.

// The cell index under at, or -1 off the grid; -1 for the other palettes.
[[nodiscard]] int PaletteHitTest(PaletteKind kind, const PictureBox &picPalette, QPoint at);

// The top-left corner of cell (column, row) of the names (30) or system (40) palette in twips of
// the box: the first pixel that PaletteHitTest puts in that column and that row. The drawing puts
// its cells' edges there, so that a press on any pixel takes the colour of the cell it names.
[[nodiscard]] QPoint CellStart(PaletteKind kind, int column, int row);

// Whether at lies strictly inside the colour of the custom swatch under it (not on the 15-twip
// border round it); false for the other palettes.
[[nodiscard]] bool PointerInSwatch(const PictureBox &picPalette, PaletteKind kind, QPoint at);

// Whether custom swatch index is stored and shown as stored; false for the other palettes.
[[nodiscard]] bool SwatchIsSaved(PaletteKind kind, int index, const PictureBox &picPalette);

// Where the pointer is now, in twips of the palette box.
[[nodiscard]] QPoint PointerOnPalette(const PictureBox &picPalette);

// What the cell at at is, for its tooltip: the name and hex text of a names or system palette cell
// ("darkcyan  #008B8B"), the hex text of a browser-safe, greyscale or saved custom swatch's colour;
// empty on an empty swatch and off the cells.
[[nodiscard]] QString CellToolTip(PaletteKind kind, const PictureBox &picPalette, QPoint at);
