#pragma once

#include "core/colour.h"
#include "core/currentcolour.h"

#include <QObject>
#include <QPoint>

class PictureBox;
class QCursor;
class SwatchHistory;
struct CopyOptions;

// The pointers of the palette: the dropper (104), filling up in five steps (105 to 109), a colour
// carried (110) and a swatch about to be thrown away (111).
[[nodiscard]] const QCursor &PaletteCursor(int id);

// Picking colours from the palette with the left button, and filling the custom palette: the
// current colour dragged from its display onto a swatch is saved there, a saved swatch dragged
// elsewhere moves, and dragged off the palette it is deleted. Every value changes in the settings
// at once. X and Y are twips of the control the handler is named for (a press on the palette
// reads the pointer itself); Button and Shift are bit sets (1 left, 2 right, 4 middle; 1 Shift,
// 2 Ctrl, 4 Alt).
class PalettePointer : public QObject
{
    Q_OBJECT

public:
    PalettePointer(PictureBox &picPalette, ColourDisplay &picMain, SwatchHistory &history,
                   const CopyOptions &options, const PaletteKind &currentPalette, QObject *parent);

    void picPalette_MouseDown(int button, int shift, int x, int y);
    void picPalette_MouseMove(int button, int shift, int x, int y);
    void picPalette_MouseUp(int button, int shift, int x, int y);
    void picMain_MouseDown(int button, int shift, int x, int y);
    void picMain_MouseMove(int button, int shift, int x, int y);
    void picMain_MouseUp(int button, int shift, int x, int y);

    // Ends a colour drag without dropping it: nothing is saved, moved or deleted, and the rest of
    // the gesture, up to the next press, does nothing. For Escape, the window losing the mouse,
    // the palette being hidden, and a release that went elsewhere.
    void CancelDrag();

    // A colour is being dragged onto the custom palette.
    [[nodiscard]] bool ColourDrag() const { return m_colourDrag; }

signals:
    void StatusMessage(const QString &text);

private:
    void Pick(QPoint at, int index);
    void Animate(bool filling);
    void MarkTarget(int index);
    void FillCell(int index, ColourValue colour);
    [[nodiscard]] QString RgbStatusText(QPoint at) const;

    PictureBox &m_picPalette;
    ColourDisplay &m_picMain;
    SwatchHistory &m_history;
    const CopyOptions &m_options;
    const PaletteKind &m_currentPalette;

    bool m_colourDrag = false;
    bool m_cancelled = false;
    bool m_pressedInSwatch = false;
    int m_dragSourceSwatch = -1;      // none
    Swatch m_swatchPart = TrueSwatch; // the half of the display a drag of it began on
};
