#pragma once

#include "core/colour.h"
#include "core/palettekind.h"

#include <QList>

// The cells of each palette kind: their grid, their colours, and the places of the custom swatches.

// The grid of a palette, columns by rows; none for anything but the five kinds.
struct PaletteGrid
{
    int columns = 0;
    int rows = 0;
};
[[nodiscard]] PaletteGrid GridOf(PaletteKind kind);

// The colours of a palette's cells in drawing order, column by column and top to bottom in each.
// The system palette's cells are system colour references; the custom palette has no fixed cells.
[[nodiscard]] QList<ColourValue> PaletteCellColours(PaletteKind kind);

// A custom swatch's place in its 8 x 8 grid: swatches run down each column of 8 in turn.
struct GridCell
{
    int column = 0;
    int row = 0;
};
[[nodiscard]] constexpr GridCell GridPosition(int index)
{
    return {index / 8, index % 8};
}

// A custom swatch's cell, in twips of the palette box.
inline constexpr int SwatchCellWidth = 397;
inline constexpr int SwatchCellHeight = 181;

// The inner rectangle of custom swatch index, in twips of the palette box: its cell inset by 15.
struct CellRectangle
{
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};
[[nodiscard]] CellRectangle CellRect(int index);
