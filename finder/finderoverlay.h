#pragma once

#include "finder/findercontrols.h"
#include "finder/screenmap.h"

#include <QImage>
#include <QWidget>

// A window over the whole of one screen that shows the screens as they were when a pick began,
// where the finder's own window cannot stay above the others (Wayland): the pointer moves over the
// still picture, and the overlay draws the magnified view and the readouts beside the hot spot.
class FinderOverlay : public QWidget
{
    Q_OBJECT

public:
    // A window of its own, owned by parent.
    FinderOverlay(QScreen *screen, QImage picture, const FinderControls &controls, QWidget *parent);

    // Shows the main window's magnified view and readouts beside the hot spot (a device pixel)
    // where it lies on this overlay's screen, else hides them.
    void Follow(QPoint hotSpot);
    // Closes the overlay and gives the keys to next.
    void Close(QWidget *next);

signals:
    // The pointer is over the device pixel hotSpot.
    void Moved(QPoint hotSpot);
    // A press and its release, or Enter: the pick ends at the hot spot.
    void Clicked();
    // Any other key; shift as in a key handler (1 Shift, 2 Ctrl, 4 Alt).
    void KeyDown(int key, int shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void PointerAt(QPointF position);
    void FocusMoved(QWindow *focus);
    // Where the view and its readouts go: beside the hot spot, on the side that has room.
    [[nodiscard]] QRect PanelRect() const;

    QImage m_picture;
    const FinderControls &m_controls;
    // The screen's logical geometry, which pointer positions are relative to: a window on Wayland
    // does not learn where it lies on the desktop.
    QRect m_screen;
    QList<ScreenPlace> m_screens; // every screen, as when the screenshot was taken
    QSize m_panelSize;
    QPointF m_hotSpot;         // logical, in this window; outside it when the hot spot is elsewhere
    QPointF m_pointer{-1, -1}; // logical, in this window: where the pointer was last seen
    bool m_pressed = false;
    QWidget *m_next = nullptr; // the window the keys go to once the overlay closes
};
