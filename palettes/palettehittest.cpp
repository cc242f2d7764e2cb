#include "palettes/palettehittest.h"

#include "core/picturebox.h"
#include "core/twips.h"
#include "palettes/palettekind.h"
#include "settings/schema.h"

#include <QCursor>

namespace {

QPoint BoxTwips(const PictureBox &picPalette)
{
    return QPoint(PixelsToTwips(picPalette.width()), PixelsToTwips(picPalette.height()));
}

} // namespace

int PaletteHitTest(int kind, const PictureBox &picPalette, QPoint at)
{
    const QPoint box = BoxTwips(picPalette);
    const int x = at.x(), y = at.y();
    switch (kind) {
    case NamesPalette:
    case SystemPalette: {
        if (x < 0 || y < 0 || x > box.x() || y > box.y())
            return -1;
        // The last column's right edge reaches past the grid: it is folded back into it.
        const int rows = kind == NamesPalette ? 10 : 4;
        const int cells = kind == NamesPalette ? 140 : 28;
        const int index = kind == NamesPalette ? 10 * ((x + 10) / 227) + (y + 5) / 145
                                               : 4 * ((x + 5) / 454) + (y + 10) / 363;
        return index > cells - 1 ? index - rows : index;
    }
    case CustomPalette:
        if (x < 0 || y < 0 || x > box.x() - 100 || y > box.y() - 100)
            return -1;
        return 8 * (x / 397) + y / 181;
    }
    return -1;
}

bool PointerInSwatch(const PictureBox &picPalette, int kind, QPoint at)
{
    if (kind != CustomPalette)
        return false;
    const CellRectangle r = CellRect(PaletteHitTest(CustomPalette, picPalette, at));
    return r.left < at.x() && at.x() < r.right && r.top < at.y() && at.y() < r.bottom;
}

bool SwatchIsSaved(int kind, int index, const PictureBox &picPalette)
{
    if (kind != CustomPalette || index < 0)
        return false;
    const CellRectangle r = CellRect(index);
    return picPalette.Point(r.left + 15, r.top + 15) == GetValue(Schema::Swatch(index), -1).toInt();
}

QPoint PointerOnPalette(const PictureBox &picPalette)
{
    const QPoint pixels = picPalette.mapFromGlobal(QCursor::pos());
    return QPoint(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y()));
}
