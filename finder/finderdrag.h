#pragma once

#include "core/colour.h"

#include <QObject>
#include <array>

class PictureBox;
class PortalPick;
class QLabel;
class QWidget;
class SwatchHistory;
struct CopyOptions;

// The magnified view's back colour, the system colour of a button's highlight.
inline constexpr ColourValue FinderBackColour = ColourValue(0x80000014);

// The controls of the main window that the finder reads and writes.
struct FinderControls
{
    PictureBox *picFinder;
    QWidget *imgLocator;
    QLabel *lblXCoord, *lblYCoord;
    std::array<QLabel *, 3> values, fractions, percents; // red, green, blue
    PictureBox *picMain;
    std::array<QLabel *, 2> lblHexName;
};

// Taking a colour from the screen. A press on the finder icon starts a drag that samples the
// screen at every movement of the left button alone, until any release. Where the program may not
// read the screen, the press asks the desktop to pick a colour instead.
class FinderDrag : public QObject
{
    Q_OBJECT

public:
    FinderDrag(const FinderControls &controls, SwatchHistory &history, const CopyOptions &options,
               QObject *parent);

    // Button is a bit set (1 left, 2 right, 4 middle), Shift too (1 Shift, 2 Ctrl, 4 Alt); X and
    // Y are twips from the icon's top-left, which the finder has no use for.
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    // While the left button alone holds a drag, an arrow key moves the pointer by one device pixel
    // (ten with Shift) and samples there. Returns whether the key was taken.
    bool KeyDown(int key, int shift);

    [[nodiscard]] bool Dragging() const;

signals:
    void StatusMessage(const QString &text);

private:
    // A colour taken from the screen becomes current and fills the colour readouts.
    void Take(ColourValue colour);
    void AskPortal();
    void EndPortalPick();

    FinderControls m_controls;
    SwatchHistory &m_history;
    const CopyOptions &m_options;
    PortalPick *m_portal = nullptr;
    // The buttons held at the latest press or movement of the drag.
    int m_buttons = 0;
};
