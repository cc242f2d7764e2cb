#include "finder/screenmap.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

// How far a point lies outside a rectangle, zero inside it.
qreal Distance(QPointF point, const QRectF &rect)
{
    const qreal dx = std::max({rect.left() - point.x(), 0.0, point.x() - rect.right()});
    const qreal dy = std::max({rect.top() - point.y(), 0.0, point.y() - rect.bottom()});
    return std::hypot(dx, dy);
}

QPoint ToDevice(QPointF logical, const ScreenPlace &screen)
{
    const QPointF origin = screen.geometry.topLeft();
    const QPointF device = origin + (logical - origin) * screen.ratio;
    // A pointer position is an exact image of a device pixel; the tolerance keeps rounding noise
    // from moving it to the pixel before.
    return QPoint(int(std::floor(device.x() + 1e-6)), int(std::floor(device.y() + 1e-6)));
}

const ScreenPlace *Nearest(const QList<ScreenPlace> &screens, QPointF point, bool device)
{
    const ScreenPlace *nearest = nullptr;
    qreal best = 0;
    for (const ScreenPlace &screen : screens) {
        const QRectF rect = device ? QRectF(DeviceRect(screen)) : QRectF(screen.geometry);
        const qreal distance = Distance(point, rect);
        if (!nearest || distance < best) {
            nearest = &screen;
            best = distance;
        }
    }
    return nearest;
}

} // namespace

QList<ScreenPlace> ScreenPlaces()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<ScreenPlace> places;
    places.reserve(screens.size());
    for (const QScreen *screen : screens)
        places.append({screen->geometry(), screen->devicePixelRatio()});
    return places;
}

QRect DeviceRect(const ScreenPlace &screen)
{
    return QRect(screen.geometry.topLeft(), QSize(qRound(screen.geometry.width() * screen.ratio),
                                                  qRound(screen.geometry.height() * screen.ratio)));
}

QPoint DevicePoint(QPointF logical, const QList<ScreenPlace> &screens)
{
    const ScreenPlace *holder = nullptr;
    for (const ScreenPlace &screen : screens) {
        if (!QRectF(screen.geometry).contains(logical))
            continue;
        if (DeviceRect(screen).contains(ToDevice(logical, screen)))
            return ToDevice(logical, screen);
        holder = holder ? holder : &screen;
    }
    if (!holder)
        holder = Nearest(screens, logical, false);
    return holder ? ToDevice(logical, *holder) : ToDevice(logical, ScreenPlace{});
}

QPointF LogicalPoint(QPoint device, const QList<ScreenPlace> &screens)
{
    const auto shows = [device](const ScreenPlace &s) { return DeviceRect(s).contains(device); };
    const auto showing = std::find_if(screens.begin(), screens.end(), shows);
    const ScreenPlace *screen =
        showing != screens.end() ? &*showing : Nearest(screens, device, true);
    if (!screen)
        return device;
    const QPointF origin = screen->geometry.topLeft();
    return origin + (QPointF(device) - origin) / screen->ratio;
}
