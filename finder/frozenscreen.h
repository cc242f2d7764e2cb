#pragma once

#include "finder/screenmap.h"
#include "finder/screensource.h"

#include <QImage>

// The screens as one screenshot showed them, for a desktop that lets no program read the screen
// itself. The picture covers the box around every screen's logical geometry at one scale (a
// desktop takes it at its largest screen ratio), so a screen of a smaller ratio shows enlarged in
// it. The hot spot is where the finder last put it: the program may not move the real pointer.
class FrozenScreen : public ScreenSource
{
public:
    FrozenScreen(QImage picture, QList<ScreenPlace> screens);

    QPoint CursorPos() override;
    void SetCursorPos(QPoint point) override;
    QImage ReadBlock(QPoint topLeft) override;
    [[nodiscard]] bool Live() const override;

    // The part of the picture that shows one of the screens, with the picture's pixel ratio.
    [[nodiscard]] QImage ScreenPicture(const ScreenPlace &screen) const;

private:
    QImage m_picture;
    QList<ScreenPlace> m_screens;
    QRect m_bounds; // logical pixels
    qreal m_scale;  // picture pixels to a logical pixel
    QPoint m_hotSpot;
};
