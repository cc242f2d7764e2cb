#pragma once

#include "finder/screensource.h"

#include <QObject>
#include <optional>

// The real desktop through Qt: the hot spot is that of the latest pointer event the program
// received (which costs no round trip to the window system), the pixels come from
// QScreen::grabWindow on every screen the block touches.
class DesktopSource : public QObject, public ScreenSource
{
public:
    explicit DesktopSource(QObject *parent);

    QPoint CursorPos() override;
    void SetCursorPos(QPoint point) override;
    QImage ReadBlock(QPoint topLeft) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Where the latest pointer event put the hot spot, in logical pixels.
    std::optional<QPointF> m_cursor;
};
