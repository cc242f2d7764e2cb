#pragma once

#include "finder/findercontrols.h"
#include "finder/frozenscreen.h"

#include <QObject>
#include <QPointer>

class FinderOverlay;
class QWidget;

// The screens as they were in one picture, shown still over every screen by a FinderOverlay each
// with the finder's magnified view and readouts beside the hot spot, which the pointer and the
// arrow keys (one device pixel, ten with Shift) move. The reticle is the pointer while they show.
// The finder's pick over a desktop's screenshot and the command line's pick share them.
class StillOverlays : public QObject
{
    Q_OBJECT

public:
    // The overlays are windows owned by parent where one is given.
    StillOverlays(const QImage &picture, const FinderControls &controls, QWidget *parent);
    // Closes the overlays still held.
    ~StillOverlays() override;

    [[nodiscard]] QList<FinderOverlay *> Overlays() const;
    // Closes every overlay but last, which the caller now holds: a desktop keeps the keys from a
    // window that a full-screen one still covers, so the others go first.
    void CloseAllBut(FinderOverlay *last);

signals:
    // A click or Enter on overlay: the pick ends at the hot spot.
    void Clicked(FinderOverlay *overlay);
    // Esc on overlay: the pick ends without a colour.
    void Escaped(FinderOverlay *overlay);

private:
    void MoveHotSpot(QPoint hotSpot);

    const FinderControls &m_controls;
    FrozenScreen m_frozen;
    // An overlay owned by the main window may go before this does.
    QList<QPointer<FinderOverlay>> m_overlays;
};
