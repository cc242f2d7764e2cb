#include "finder/samplescreen.h"

#include "core/picturebox.h"
#include "core/twips.h"
#include "finder/screenmap.h"
#include "finder/screensource.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

const QCursor &ReticleCursor(int id)
{
    // The pictures are among the window's resources.
    static const QCursor black(QPixmap(QStringLiteral(":/cursor-101.png")), 12, 12);
    static const QCursor grey(QPixmap(QStringLiteral(":/cursor-103.png")), 12, 12);
    return id == 101 ? black : grey;
}

QPoint SampleScreen(PictureBox &view, ScreenSource &source)
{
    const int w = view.width();
    const int h = view.height();
    // Edges included: the finder never magnifies its own view.
    const auto overView = [&](QPoint hotSpot) {
        const QList<ScreenPlace> screens = ScreenPlaces();
        const QRect onScreen(DevicePoint(view.mapToGlobal(QPointF(0, 0)), screens),
                             DevicePoint(view.mapToGlobal(QPointF(w, h)), screens));
        return hotSpot.x() >= onScreen.left() && hotSpot.x() <= onScreen.right() &&
               hotSpot.y() >= onScreen.top() && hotSpot.y() <= onScreen.bottom();
    };
    const QPoint hotSpot = source.CursorPos();
    if (!source.Live() || !overView(hotSpot))
        view.PaintPicture(source.ReadBlock(hotSpot), QRect(0, 0, w, h));

    const int c = w / 2;
    const bool light = view.PixelColour(QPoint(c, h / 2)) > MarkerThreshold;
    view.Outline(QRect(QPoint(c - 6, c - 6), QPoint(c + 5, c + 5)), light ? 0x000000 : 0xCCCCCC);
    // Only a drag sets a pointer for the application; outside one this changes nothing.
    const QCursor &reticle = ReticleCursor(light ? 101 : 103);
    const QCursor *pointer = QGuiApplication::overrideCursor();
    if (pointer && pointer->pixmap().cacheKey() != reticle.pixmap().cacheKey())
        QGuiApplication::changeOverrideCursor(reticle);
    return hotSpot;
}
