#pragma once

#include <QImage>
#include <QPoint>

// Where the finder reads the screen: the pointer's hot spot and the pixels under it, both in
// device pixels, the screen's own. The program reads the real desktop; tests serve a picture of
// their own.
class ScreenSource
{
public:
    static constexpr int BlockSize = 7;

    virtual ~ScreenSource() = default;

    // The pointer's hot spot as the window system last reported it.
    [[nodiscard]] virtual QPoint CursorPos() = 0;
    // Moves the pointer so that its hot spot is at point.
    virtual void SetCursorPos(QPoint point) = 0;
    // The BlockSize × BlockSize pixels whose top-left is topLeft, in an RGB32 image; pixels
    // beyond every screen's edge are black.
    [[nodiscard]] virtual QImage ReadBlock(QPoint topLeft) = 0;
    // Whether the pixels are the screen as it is now, which shows the finder's own view too; a
    // picture taken before the pick shows the view as it was.
    [[nodiscard]] virtual bool Live() const { return true; }
    // Whether the screen can be read at all. Where the desktop lets no program read it, the
    // finder asks the desktop portal for a screenshot, or for a colour of its own pick.
    [[nodiscard]] virtual bool CanRead() const { return true; }
};

// The source the finder reads; Main sets the desktop's, tests their own. Until then it is one
// that cannot read the screen.
[[nodiscard]] ScreenSource &CurrentScreenSource();
void SetScreenSource(ScreenSource &source);

// The source of a desktop that lets no program read the screen: it reads nothing.
[[nodiscard]] ScreenSource &UnreadableScreen();

// The desktop's source for the platform the program runs on, which lives as long as the
// application object.
[[nodiscard]] ScreenSource &DesktopScreenSource();
