#include "palettes/palettehittest.h"

#include "core/colournames.h"
#include "core/picturebox.h"
#include "core/twips.h"
#include "palettes/drawpalette.h"
#include "palettes/palettekind.h"
#include "settings/schema.h"

#include <QCursor>
#include <algorithm>

namespace {

// The names and system grids as the hit test reads them: column = (X + offset) \ step, and the
// same for rows: each cell begins a few twips left of and above the multiples of the steps.
struct HitGrid
{
    int columnStep, rowStep, columnOffset, rowOffset, rows, cells;
};
constexpr HitGrid NamesGrid{227, 145, 10, 5, 10, 140};
constexpr HitGrid SystemGrid{454, 363, 5, 10, 4, 28};

// The twips of the first whole pixel at or after twips.
int FirstPixelFrom(int twips)
{
    const int perPixel = TwipsPerPixel();
    return std::max(0, (twips + perPixel - 1) / perPixel) * perPixel;
}

QPoint BoxTwips(const PictureBox &picPalette)
{
    return QPoint(PixelsToTwips(picPalette.width()), PixelsToTwips(picPalette.height()));
}

} // namespace

int PaletteHitTest(PaletteKind kind, const PictureBox &picPalette, QPoint at)
{
    const QPoint box = BoxTwips(picPalette);
    const int x = at.x(), y = at.y();
    switch (kind) {
    case NamesPalette:
    case SystemPalette: {
        if (x < 0 || y < 0 || x > box.x() || y > box.y())
            return -1;
        const HitGrid &grid = kind == NamesPalette ? NamesGrid : SystemGrid;
        const int index = grid.rows * ((x + grid.columnOffset) / grid.columnStep) +
                          (y + grid.rowOffset) / grid.rowStep;
        // The last column's right edge reaches past the grid: it is folded back into it.
        return index > grid.cells - 1 ? index - grid.rows : index;
    }
    case CustomPalette:
        if (x < 0 || y < 0 || x > box.x() - 100 || y > box.y() - 100)
            return -1;
        return 8 * (x / SwatchCellWidth) + y / SwatchCellHeight;
    default:
        return -1;
    }
}

QPoint CellStart(PaletteKind kind, int column, int row)
{
    const HitGrid &grid = kind == NamesPalette ? NamesGrid : SystemGrid;
    return QPoint(FirstPixelFrom(column * grid.columnStep - grid.columnOffset),
                  FirstPixelFrom(row * grid.rowStep - grid.rowOffset));
}

bool PointerInSwatch(const PictureBox &picPalette, PaletteKind kind, QPoint at)
{
    if (kind != CustomPalette)
        return false;
    const CellRectangle r = CellRect(PaletteHitTest(CustomPalette, picPalette, at));
    return r.left < at.x() && at.x() < r.right && r.top < at.y() && at.y() < r.bottom;
}

bool SwatchIsSaved(PaletteKind kind, int index, const PictureBox &picPalette)
{
    if (kind != CustomPalette || index < 0)
        return false;
    const CellRectangle r = CellRect(index);
    return picPalette.Point(r.left + 15, r.top + 15) == GetSetting(Schema::Swatch(index), -1);
}

QPoint PointerOnPalette(const PictureBox &picPalette)
{
    const QPoint pixels = picPalette.mapFromGlobal(QCursor::pos());
    return QPoint(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y()));
}

QString CellToolTip(PaletteKind kind, const PictureBox &picPalette, QPoint at)
{
    const PaletteGrid grid = GridOf(kind);
    // Whether at lies in the grid, which ends before far.
    const auto before = [&at](QPoint far) {
        return at.x() >= 0 && at.y() >= 0 && at.x() < far.x() && at.y() < far.y();
    };
    bool onCell = false;
    if (kind == CustomPalette) {
        onCell = PointerInSwatch(picPalette, kind, at) &&
                 SwatchIsSaved(kind, PaletteHitTest(kind, picPalette, at), picPalette);
    } else if (kind == NamesPalette || kind == SystemPalette) {
        // Each cell is drawn up to the next one's start.
        onCell = before(CellStart(kind, grid.columns, grid.rows));
    } else if (grid.columns > 0) {
        // A step for each cell, its far edge included.
        const QSize steps = CellSteps(picPalette, kind);
        onCell =
            before(QPoint(steps.width() * grid.columns, steps.height() * grid.rows) + QPoint(1, 1));
    }
    if (!onCell)
        return {};
    const QString hex = u'#' + HexText(picPalette.Point(at.x(), at.y()));
    const int index = PaletteHitTest(kind, picPalette, at);
    if (kind == NamesPalette)
        return ColourNameEntry(index).name + QStringLiteral("  ") + hex;
    if (kind == SystemPalette)
        return SystemColourEntry(index).name + QStringLiteral("  ") + hex;
    return hex;
}
