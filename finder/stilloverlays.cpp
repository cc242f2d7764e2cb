#include "finder/stilloverlays.h"

#include "finder/finderoverlay.h"
#include "finder/samplescreen.h"

#include <QGuiApplication>
#include <QScreen>

StillOverlays::StillOverlays(const QImage &picture, const FinderControls &controls, QWidget *parent)
    : m_controls(controls), m_frozen(picture, ScreenPlaces())
{
    QGuiApplication::setOverrideCursor(ReticleCursor(101));
    for (QScreen *screen : QGuiApplication::screens()) {
        const ScreenPlace place{screen->geometry(), screen->devicePixelRatio()};
        auto *overlay =
            new FinderOverlay(screen, m_frozen.ScreenPicture(place), m_controls, parent);
        connect(overlay, &FinderOverlay::Moved, this, &StillOverlays::MoveHotSpot);
        connect(overlay, &FinderOverlay::Clicked, this, [this, overlay] { emit Clicked(overlay); });
        connect(overlay, &FinderOverlay::KeyDown, this, [this, overlay](int key, int shift) {
            if (key == Qt::Key_Escape)
                emit Escaped(overlay);
            else if (const QPoint step = ArrowStep(key, shift); !step.isNull())
                MoveHotSpot(m_frozen.CursorPos() + step);
        });
        m_overlays.append(overlay);
        overlay->showFullScreen();
    }
    MoveHotSpot(m_frozen.CursorPos());
    m_overlays.first()->activateWindow();
}

StillOverlays::~StillOverlays()
{
    for (const QPointer<FinderOverlay> &overlay : std::as_const(m_overlays))
        delete overlay;
    QGuiApplication::restoreOverrideCursor();
}

QList<FinderOverlay *> StillOverlays::Overlays() const
{
    QList<FinderOverlay *> overlays;
    for (const QPointer<FinderOverlay> &overlay : m_overlays)
        overlays.append(overlay);
    return overlays;
}

void StillOverlays::CloseAllBut(FinderOverlay *last)
{
    for (const QPointer<FinderOverlay> &overlay : std::as_const(m_overlays)) {
        overlay->disconnect(this);
        if (overlay != last) {
            overlay->hide();
            overlay->deleteLater();
        }
    }
    m_overlays.clear();
}

void StillOverlays::MoveHotSpot(QPoint hotSpot)
{
    m_frozen.SetCursorPos(hotSpot);
    Sample(m_controls, m_frozen);
    for (const QPointer<FinderOverlay> &overlay : std::as_const(m_overlays))
        overlay->Follow(hotSpot);
}
