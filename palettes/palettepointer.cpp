#include "palettes/palettepointer.h"

#include "core/copyactions.h"
#include "core/copytext.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/twips.h"
#include "palettes/drawpalette.h"
#include "palettes/palettehittest.h"
#include "palettes/palettekind.h"
#include "palettes/swatchhistory.h"
#include "settings/schema.h"
#include "settings/strings.h"

#include <QCursor>
#include <QPixmap>
#include <utility>

namespace {

// The highlight that marks the swatch a colour would land on.
constexpr ColourValue Highlight = ColourValue(0x8000000D);

// The press below the names and system grids picks nothing.
constexpr int GridBottom = 1455;

// The upper band of the display, the true colour's, ends here.
constexpr int TrueColourHalf = 500;

} // namespace

const QCursor &PaletteCursor(int id)
{
    // The pictures are among the window's resources.
    static const std::array<QCursor, 8> cursors = [] {
        std::array<QCursor, 8> cursors;
        for (int i = 0; i < 6; ++i)
            cursors[i] = QCursor(QPixmap(QStringLiteral(":/cursor-%1.png").arg(104 + i)), 8, 22);
        cursors[6] = QCursor(QPixmap(QStringLiteral(":/cursor-110.png")), 14, 12);
        cursors[7] = QCursor(QPixmap(QStringLiteral(":/cursor-111.png")), 10, 7);
        return cursors;
    }();
    return cursors[qBound(0, id - 104, 7)];
}

PalettePointer::PalettePointer(PictureBox &picPalette, ColourDisplay &picMain,
                               SwatchHistory &history, const CopyOptions &options,
                               const PaletteKind &currentPalette, QObject *parent)
    : QObject(parent), m_picPalette(picPalette), m_picMain(picMain), m_history(history),
      m_options(options), m_currentPalette(currentPalette)
{}

QString PalettePointer::RgbStatusText(QPoint at) const
{
    const ColourValue colour = m_picPalette.Point(at.x(), at.y());
    return QStringLiteral("R:%1  G:%2  B:%3")
        .arg(RedOf(colour))
        .arg(GreenOf(colour))
        .arg(BlueOf(colour));
}

// The dropper fills up on a press and empties on a release, step by step.
void PalettePointer::Animate(bool filling)
{
    for (int step = 0; step < 6; ++step)
        m_picPalette.setCursor(PaletteCursor(filling ? 104 + step : 109 - step));
}

// One pick: the colour that was current goes to the undo history, the one shown at the pointer
// becomes current (named by its entry index in the names and system palettes), and with instant
// copy on it goes to the clipboard.
void PalettePointer::Pick(QPoint at, int index)
{
    m_history.Apply(Record, m_picMain);
    Animate(true);
    SetCurrentColour(m_picMain, m_picPalette.Point(at.x(), at.y()), m_currentPalette, index);
    emit StatusMessage(RgbStatusText(at));
    CopyPickedColour(m_picMain, m_options, PaletteCopySource(m_currentPalette));
}

void PalettePointer::CancelDrag()
{
    if (!m_colourDrag)
        return;
    m_colourDrag = false;
    m_cancelled = true;
    m_picMain.unsetCursor();
    m_picPalette.setCursor(PaletteCursor(104));
    DrawPalette(m_picPalette, CustomPalette);
}

// The pointer is read once, and its pixel gives both the colour and the cell: the handler's X and
// Y, read from the event, may fall on the neighbouring pixel on a scaled screen.
void PalettePointer::picPalette_MouseDown(int button, int, int, int)
{
    m_cancelled = false;
    m_dragSourceSwatch = -1; // only a saved swatch picked by this press may be dragged
    const QPoint at = PointerOnPalette(m_picPalette);
    const int index = PaletteHitTest(CustomPalette, m_picPalette, at);
    const bool saved = SwatchIsSaved(CustomPalette, index, m_picPalette);
    m_pressedInSwatch = PointerInSwatch(m_picPalette, CustomPalette, at);
    if (button != Qt::LeftButton)
        return;
    switch (m_currentPalette) {
    case CustomPalette:
        // Only the colour of a saved swatch is taken, and the swatch may then be dragged.
        if (m_pressedInSwatch && saved) {
            m_dragSourceSwatch = index;
            Pick(at, 0);
        }
        return;
    case NamesPalette:
    case SystemPalette:
        // Below the grid nothing is picked, but the colour there is still told.
        if (at.y() < GridBottom)
            Pick(at, PaletteHitTest(m_currentPalette, m_picPalette, at));
        else
            emit StatusMessage(RgbStatusText(at));
        break;
    default:
        Pick(at, 0);
        break;
    }
}

void PalettePointer::MarkTarget(int index)
{
    DrawPalette(m_picPalette, CustomPalette);
    FillCell(index, Highlight);
}

void PalettePointer::FillCell(int index, ColourValue colour)
{
    const CellRectangle r = CellRect(index);
    m_picPalette.FilledBox(r.left, r.top, r.right, r.bottom, colour);
}

void PalettePointer::picPalette_MouseMove(int button, int, int x, int y)
{
    // A movement without a button is after the gesture, whatever became of its release.
    if (button == Qt::NoButton) {
        CancelDrag();
        m_cancelled = false;
    }
    if (m_cancelled)
        return;
    const QPoint at = PointerOnPalette(m_picPalette);
    const int index = PaletteHitTest(CustomPalette, m_picPalette, at);
    const bool inside = PointerInSwatch(m_picPalette, CustomPalette, at);
    const bool saved = SwatchIsSaved(CustomPalette, index, m_picPalette);
    if (m_colourDrag) {
        const QPoint box(PixelsToTwips(m_picPalette.width()), PixelsToTwips(m_picPalette.height()));
        const bool over = x >= 0 && x <= box.x() && y >= 0 && y <= box.y();
        m_picPalette.setCursor(PaletteCursor(over ? 110 : 111));
    }
    if (button == Qt::LeftButton) {
        if (m_currentPalette == CustomPalette && m_pressedInSwatch && saved &&
            m_dragSourceSwatch >= 0)
            m_colourDrag = true;
        if (m_colourDrag && index != -1)
            MarkTarget(index);
    } else if (button == Qt::NoButton) {
        if (m_currentPalette != CustomPalette || (inside && saved))
            m_picPalette.setCursor(PaletteCursor(104));
        else
            m_picPalette.setCursor(Qt::ArrowCursor);
    }
}

void PalettePointer::picPalette_MouseUp(int button, int, int, int)
{
    const QPoint at = PointerOnPalette(m_picPalette);
    const int index = PaletteHitTest(CustomPalette, m_picPalette, at);
    const bool saved = SwatchIsSaved(CustomPalette, index, m_picPalette);
    if (std::exchange(m_cancelled, false) || button != Qt::LeftButton)
        return;
    if (m_currentPalette != CustomPalette) {
        Animate(false);
        CopyPickedColour(m_picMain, m_options, PaletteCopySource(m_currentPalette));
        return;
    }
    if (m_colourDrag) {
        // The swatch moves: off the grid it is gone, onto another it takes that one's place.
        m_colourDrag = false;
        const ColourValue colour = ReadSwatchColour(m_picMain, TrueSwatch);
        FillCell(index, colour);
        DeleteValue(Schema::Swatch(m_dragSourceSwatch));
        if (index >= 0)
            SaveValue(Schema::Swatch(index), colour);
        m_picPalette.setCursor(PaletteCursor(104));
    } else if (m_pressedInSwatch && saved) {
        Animate(false);
        CopyPickedColour(m_picMain, m_options, CustomPaletteCopy);
    }
    DrawPalette(m_picPalette, CustomPalette);
}

void PalettePointer::picMain_MouseDown(int, int, int, int y)
{
    m_cancelled = false;
    m_swatchPart = y <= TrueColourHalf ? TrueSwatch : SafeSwatch;
}

void PalettePointer::picMain_MouseMove(int button, int, int, int)
{
    if (button == Qt::NoButton) {
        CancelDrag();
        m_cancelled = false;
    }
    // The colour is dragged only onto a custom palette the user can see.
    if (button != Qt::LeftButton || m_currentPalette != CustomPalette || m_picPalette.isHidden() ||
        m_cancelled)
        return;
    m_colourDrag = true;
    m_picMain.setCursor(PaletteCursor(110));
    const int index = PaletteHitTest(CustomPalette, m_picPalette, PointerOnPalette(m_picPalette));
    if (index != -1)
        MarkTarget(index);
}

void PalettePointer::picMain_MouseUp(int button, int, int, int)
{
    if (std::exchange(m_cancelled, false) || button != Qt::LeftButton || !m_colourDrag)
        return;
    m_colourDrag = false;
    m_picMain.unsetCursor();
    const int index = PaletteHitTest(CustomPalette, m_picPalette, PointerOnPalette(m_picPalette));
    const ColourValue colour = ReadSwatchColour(m_picMain, m_swatchPart);
    FillCell(index, colour);
    // A swatch that could not be stored leaves the store's word on it in the status bar.
    if (index >= 0 && SaveValue(Schema::Swatch(index), colour))
        emit StatusMessage(LoadResString(SavedInSwatchText) + QLatin1Char(' ') +
                           QString::number(index + 1));
    DrawPalette(m_picPalette, CustomPalette);
}
