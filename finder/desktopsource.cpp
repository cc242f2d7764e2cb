#include "finder/desktopsource.h"

#include "finder/screenmap.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <cmath>

DesktopSource::DesktopSource(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool DesktopSource::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        m_cursor = static_cast<QMouseEvent *>(event)->globalPosition();
        break;
    default:
        break;
    }
    return false;
}

QPoint DesktopSource::CursorPos()
{
    return DevicePoint(m_cursor.value_or(QCursor::pos()), ScreenPlaces());
}

void DesktopSource::SetCursorPos(QPoint point)
{
    m_cursor = LogicalPoint(point, ScreenPlaces());
    QCursor::setPos(m_cursor->toPoint());
}

QImage DesktopSource::ReadBlock(QPoint topLeft)
{
    QImage block(BlockSize, BlockSize, QImage::Format_RGB32);
    block.fill(Qt::black);
    const QRect wanted(topLeft, block.size());
    for (QScreen *screen : QGuiApplication::screens()) {
        const ScreenPlace place{screen->geometry(), screen->devicePixelRatio()};
        const QRect part = wanted & DeviceRect(place);
        if (part.isEmpty())
            continue;
        // grabWindow takes logical pixels from the screen's top-left and multiplies them by the
        // ratio; the grab then starts at that device pixel and is a little larger than the part.
        const QPoint offset = part.topLeft() - place.geometry.topLeft();
        const int x = int(offset.x() / place.ratio);
        const int y = int(offset.y() / place.ratio);
        const QPoint grabbedAt =
            place.geometry.topLeft() + QPoint(qRound(x * place.ratio), qRound(y * place.ratio));
        const int w = int(std::ceil(part.width() / place.ratio)) + 2;
        const int h = int(std::ceil(part.height() / place.ratio)) + 2;
        const QImage grab = screen->grabWindow(0, x, y, w, h).toImage();
        for (int py = part.top(); py <= part.bottom(); ++py)
            for (int px = part.left(); px <= part.right(); ++px)
                if (const QPoint at = QPoint(px, py) - grabbedAt; grab.valid(at))
                    block.setPixel(QPoint(px, py) - topLeft, grab.pixel(at));
    }
    return block;
}
