#include "palettes/drawpalette.h"

#include "core/picturebox.h"
#include "core/twips.h"
#include "palettes/palettehittest.h"
#include "palettes/palettekind.h"
#include "settings/schema.h"

namespace {

constexpr ColourValue ButtonFace = ColourValue(0x8000000F);
constexpr ColourValue GreyText = ColourValue(0x80000011);

// The drawing area: the box less 75 twips each way.
constexpr int Margin = 75;

// The greyscale's darkest greys (below 0x080808) each get a line 11 twips beyond the last
// column's right edge, and together they make one dark line beside it.
constexpr ColourValue DarkGreys = 0x080808;
constexpr int DarkLineOffset = 110;
constexpr int DarkLineLength = 200;

// Holds the box's repaint back while it lives, then asks for one: a palette is hundreds of boxes,
// and a repaint asked for each costs more than all their filling.
class OneRepaint
{
public:
    explicit OneRepaint(PictureBox &box) : m_box(box) { m_box.setUpdatesEnabled(false); }
    ~OneRepaint() { m_box.setUpdatesEnabled(true); }
    OneRepaint(const OneRepaint &) = delete;
    OneRepaint &operator=(const OneRepaint &) = delete;

private:
    PictureBox &m_box;
};

void DrawCustomPalette(PictureBox &picPalette, int columnStep, int rowStep)
{
    for (int index = 0; index < Schema::SwatchCount; ++index) {
        const GridCell cell = GridPosition(index);
        const int x = cell.column * columnStep, y = cell.row * rowStep;
        picPalette.Box(x, y, x + columnStep, y + rowStep, GreyText, ButtonFace);
    }
    const QList<int> swatches = GetSwatches(ButtonFace);
    for (int index = 0; index < Schema::SwatchCount; ++index) {
        const CellRectangle inner = CellRect(index);
        picPalette.FilledBox(inner.left, inner.top, inner.right, inner.bottom, swatches[index]);
    }
}

} // namespace

QSize CellSteps(const PictureBox &picPalette, PaletteKind kind)
{
    const PaletteGrid grid = GridOf(kind);
    if (grid.columns == 0)
        return {};
    // The browser-safe palette's 37 columns are spread over 10 twips more.
    const int width = PixelsToTwips(picPalette.width()) - Margin + (kind == SafePalette ? 10 : 0);
    const int height = PixelsToTwips(picPalette.height()) - Margin;
    return QSize(width / grid.columns, height / grid.rows);
}

void DrawPalette(PictureBox &picPalette, PaletteKind kind)
{
    const OneRepaint repaint(picPalette);
    picPalette.Cls();
    picPalette.raise();
    const PaletteGrid grid = GridOf(kind);
    if (grid.columns == 0)
        return;
    const QSize steps = CellSteps(picPalette, kind);
    const int columnStep = steps.width();
    const int rowStep = steps.height();
    if (kind == CustomPalette) {
        DrawCustomPalette(picPalette, columnStep, rowStep);
        return;
    }
    const QList<ColourValue> cells = PaletteCellColours(kind);
    for (int cell = 0; cell < cells.size(); ++cell) {
        const int column = cell / grid.rows, row = cell % grid.rows;
        const ColourValue colour = cells[cell];
        if (kind == NamesPalette || kind == SystemPalette) {
            // A press names the cell the hit test finds, so the cell is drawn where it finds it:
            // up to the pixel before the next column's and the next row's first pixel.
            const QPoint from = CellStart(kind, column, row);
            const QPoint to = CellStart(kind, column + 1, row + 1);
            picPalette.FilledBox(from.x(), from.y(), to.x() - 1, to.y() - 1, colour);
            continue;
        }
        const int x = column * columnStep, y = row * rowStep;
        picPalette.FilledBox(x, y, x + columnStep, y + rowStep, colour);
        if (kind == GreyPalette && colour < DarkGreys) {
            picPalette.Line(x + DarkLineOffset, y, x + DarkLineOffset, y + DarkLineLength, colour);
        }
    }
}
