// The palette and the current-colour display under the pointer: picking, and dragging colours
// onto the custom palette, routed to the window's handlers.

#include "app/frmmain.h"
#include "app/mouseevent.h"
#include "core/currentcolour.h"
#include "core/twips.h"
#include "palettes/palettehittest.h"
#include "palettes/palettepointer.h"

#include <QHelpEvent>
#include <QLabel>
#include <QShortcut>
#include <QToolTip>

void frmMain::CreatePalettePointer()
{
    m_palette = new PalettePointer(*picPalette, *picMain, History, Settings.copyOptions,
                                   Settings.currentPalette, this);
    connect(m_palette, &PalettePointer::StatusMessage, this, &frmMain::StatusMessage);
    // Escape lets go of a dragged colour; so do the window losing the mouse (changeEvent) and the
    // palette being hidden (PaletteEvent).
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, m_palette,
            &PalettePointer::CancelDrag);
    picPalette->setCursor(PaletteCursor(104));
    // Hovering changes the pointer over the custom palette's swatches.
    picPalette->setMouseTracking(true);
    for (QWidget *control : {static_cast<QWidget *>(picPalette), static_cast<QWidget *>(picMain),
                             static_cast<QWidget *>(picMain->lblHexName[0]),
                             static_cast<QWidget *>(picMain->lblHexName[1])})
        control->installEventFilter(this);
}

void frmMain::picPalette_MouseDown(int Button, int Shift, int X, int Y)
{
    m_palette->picPalette_MouseDown(Button, Shift, X, Y);
}

void frmMain::picPalette_MouseMove(int Button, int Shift, int X, int Y)
{
    m_palette->picPalette_MouseMove(Button, Shift, X, Y);
}

void frmMain::picPalette_MouseUp(int Button, int Shift, int X, int Y)
{
    m_palette->picPalette_MouseUp(Button, Shift, X, Y);
}

void frmMain::picMain_MouseDown(int Button, int Shift, int X, int Y)
{
    m_palette->picMain_MouseDown(Button, Shift, X, Y);
}

void frmMain::picMain_MouseMove(int Button, int Shift, int X, int Y)
{
    m_palette->picMain_MouseMove(Button, Shift, X, Y);
}

void frmMain::picMain_MouseUp(int Button, int Shift, int X, int Y)
{
    m_palette->picMain_MouseUp(Button, Shift, X, Y);
}

// A press on a caption counts where the pointer is on the display under it.
void frmMain::lblHexName_MouseDown(int, int Button, int Shift, int, int)
{
    const QPoint at = picMain->mapFromGlobal(QCursor::pos());
    picMain_MouseDown(Button, Shift, PixelsToTwips(at.x()), PixelsToTwips(at.y()));
}

void frmMain::lblHexName_MouseMove(int, int Button, int Shift, int X, int Y)
{
    picMain_MouseMove(Button, Shift, X, Y);
}

void frmMain::lblHexName_MouseUp(int, int Button, int Shift, int X, int Y)
{
    picMain_MouseUp(Button, Shift, X, Y);
}

bool frmMain::PaletteEvent(QObject *watched, QEvent *event)
{
    // The pointer resting on a cell tells what the cell holds.
    if (watched == picPalette && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QPoint at(PixelsToTwips(help->pos().x()), PixelsToTwips(help->pos().y()));
        QToolTip::showText(help->globalPos(), CellToolTip(Settings.currentPalette, *picPalette, at),
                           picPalette);
        return true;
    }
    // A colour cannot be dropped onto a palette that has gone.
    if (watched == picPalette && event->type() == QEvent::Hide)
        m_palette->CancelDrag();
    // The second press of a double-click is a press like any other.
    const QEvent::Type type =
        event->type() == QEvent::MouseButtonDblClick ? QEvent::MouseButtonPress : event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const auto &captions = picMain->lblHexName;
    const int index = watched == captions[0] ? 0 : watched == captions[1] ? 1 : -1;
    if (watched != picPalette && watched != picMain && index < 0)
        return false;
    const auto [button, shift, x, y] =
        MouseArgumentsOf(*static_cast<QMouseEvent *>(event), *static_cast<QWidget *>(watched));
    const bool down = type == QEvent::MouseButtonPress, up = type == QEvent::MouseButtonRelease;
    if (watched == picPalette) {
        if (down)
            picPalette_MouseDown(button, shift, x, y);
        else if (up)
            picPalette_MouseUp(button, shift, x, y);
        else
            picPalette_MouseMove(button, shift, x, y);
    } else if (watched == picMain) {
        if (down)
            picMain_MouseDown(button, shift, x, y);
        else if (up)
            picMain_MouseUp(button, shift, x, y);
        else
            picMain_MouseMove(button, shift, x, y);
    } else if (down) {
        lblHexName_MouseDown(index, button, shift, x, y);
    } else if (up) {
        lblHexName_MouseUp(index, button, shift, x, y);
    } else {
        lblHexName_MouseMove(index, button, shift, x, y);
    }
    return true;
}
