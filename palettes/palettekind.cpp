#include "palettes/palettekind.h"

#include "core/colournames.h"

PaletteGrid GridOf(PaletteKind kind)
{
    switch (kind) {
    case SafePalette:
        return {37, 6};
    case GreyPalette:
        return {32, 8};
    case NamesPalette:
        return {14, 10};
    case SystemPalette:
        return {7, 4};
    case CustomPalette:
        return {8, 8};
    default:
        return {};
    }
}

namespace {

// The 216 browser-safe colours from white down, blue changing fastest, each column of six ending
// in a blue of 0; then a last column of the six safe greys.
QList<ColourValue> SafeColours()
{
    constexpr int Columns = 37;
    constexpr int Rows = 6;
    QList<ColourValue> cells;
    int red = 255, green = 255, blue = 255;
    for (int cell = 0; cell < Columns * Rows; ++cell) {
        cells.append(RgbColour(red, green, blue));
        const bool lastColumn = cell / Rows == Columns - 1;
        if (red == green && green == blue && lastColumn) {
            red -= 51, green -= 51, blue -= 51;
        } else if (red == 0 && green == 0 && blue == 0) {
            red = green = blue = 255;
        } else if (blue != 0) {
            blue -= 51;
        } else if (green != 0) {
            green -= 51, blue = 255;
        } else {
            red -= 51, green = blue = 255;
        }
    }
    return cells;
}

QList<ColourValue> Greys()
{
    QList<ColourValue> cells;
    for (int grey = 255; grey >= 0; --grey)
        cells.append(RgbColour(grey, grey, grey));
    return cells;
}

QList<ColourValue> NamedColours()
{
    QList<ColourValue> cells;
    for (int index = 0; index < ColourNameCount; ++index)
        cells.append(ParseHexPairs(ColourNameEntry(index).valueText));
    return cells;
}

QList<ColourValue> SystemColours()
{
    QList<ColourValue> cells;
    for (int index = 0; index < SystemColourCount; ++index)
        cells.append(SystemColourReference(SystemColourEntry(index).valueText));
    return cells;
}

} // namespace

QList<ColourValue> PaletteCellColours(PaletteKind kind)
{
    switch (kind) {
    case SafePalette:
        return SafeColours();
    case GreyPalette:
        return Greys();
    case NamesPalette:
        return NamedColours();
    case SystemPalette:
        return SystemColours();
    default:
        return {};
    }
}

CellRectangle CellRect(int index)
{
    constexpr int Inset = 15;
    const GridCell cell = GridPosition(index);
    return {cell.row * SwatchCellHeight + Inset, cell.column * SwatchCellWidth + Inset,
            (cell.row + 1) * SwatchCellHeight - Inset, (cell.column + 1) * SwatchCellWidth - Inset};
}
