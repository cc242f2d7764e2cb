#include "finder/frozenscreen.h"

#include <cmath>

FrozenScreen::FrozenScreen(QImage picture, QList<ScreenPlace> screens)
    : m_picture(std::move(picture).convertToFormat(QImage::Format_RGB32)),
      m_screens(std::move(screens))
{
    for (const ScreenPlace &screen : m_screens)
        m_bounds |= screen.geometry;
    m_scale = m_bounds.isEmpty() ? 1 : qreal(m_picture.width()) / m_bounds.width();
    if (!m_screens.isEmpty())
        m_hotSpot = DeviceRect(m_screens.first()).center();
}

QPoint FrozenScreen::CursorPos()
{
    return m_hotSpot;
}

void FrozenScreen::SetCursorPos(QPoint point)
{
    m_hotSpot = point;
}

bool FrozenScreen::Live() const
{
    return false;
}

QImage FrozenScreen::ReadBlock(QPoint topLeft)
{
    QImage block(BlockSize, BlockSize, QImage::Format_RGB32);
    block.fill(Qt::black);
    for (const ScreenPlace &screen : m_screens) {
        const QRect device = DeviceRect(screen);
        const QRect part = device & QRect(topLeft, block.size());
        // Each device pixel reads the picture at its centre, which is exact where the picture's
        // scale is the screen's ratio.
        const qreal step = m_scale / screen.ratio;
        const QPointF origin = (screen.geometry.topLeft() - m_bounds.topLeft()) * m_scale;
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x) {
                const QPoint at(int(std::floor(origin.x() + (x - device.left() + 0.5) * step)),
                                int(std::floor(origin.y() + (y - device.top() + 0.5) * step)));
                if (m_picture.valid(at))
                    block.setPixel(x - topLeft.x(), y - topLeft.y(), m_picture.pixel(at));
            }
    }
    return block;
}

QImage FrozenScreen::ScreenPicture(const ScreenPlace &screen) const
{
    const QRectF shown((screen.geometry.topLeft() - m_bounds.topLeft()) * m_scale,
                       screen.geometry.size() * m_scale);
    QImage part = m_picture.copy(shown.toRect());
    part.setDevicePixelRatio(m_scale);
    return part;
}
