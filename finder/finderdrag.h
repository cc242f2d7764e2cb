#pragma once

#include "core/colour.h"
#include "finder/findercontrols.h"
#include "settings/strings.h"

#include <QObject>
#include <array>
#include <memory>

class DesktopPortal;
class FinderOverlay;
class StillOverlays;
class QImage;
class ScreenSource;
class SwatchHistory;
struct CopyOptions;

// Taking a colour from the screen. A press on the finder icon starts a drag that samples the
// screen at every movement of the left button alone, until any release. Where the program may not
// read the screen, the press asks the desktop for a screenshot and the pick goes on over it, in
// overlays on every screen, until a click or Esc; where the desktop gives none, it asks the
// desktop to pick a colour instead.
class FinderDrag : public QObject
{
    Q_OBJECT

public:
    FinderDrag(const FinderControls &controls, SwatchHistory &history, const CopyOptions &options,
               QObject *parent);

    // Button is a bit set (1 left, 2 right, 4 middle), Shift too (1 Shift, 2 Ctrl, 4 Alt); X and
    // Y are twips from the icon's top-left, which the finder has no use for.
    void imgLocator_MouseDown(int button, int shift, int x, int y);
    void imgLocator_MouseMove(int button, int shift, int x, int y);
    void imgLocator_MouseUp(int button, int shift, int x, int y);
    // While the left button alone holds a drag, an arrow key moves the pointer by one device pixel
    // (ten with Shift) and samples there. Returns whether the key was taken.
    bool picFinder_KeyDown(int key, int shift);

    [[nodiscard]] bool Dragging() const;
    // Goes on with a pick over a picture of the screens, as the desktop gave it.
    void PickOver(const QImage &picture);

    ~FinderDrag() override;

signals:
    void StatusMessage(const QString &text);

private:
    // A colour taken from the screen becomes current.
    void Take(ColourValue colour);
    void AskPortal();
    // Ends a pick over the screenshot, taking the colour at the hot spot or none; the overlay
    // last used gives the keys back to the main window.
    void EndOverlays(bool take, FinderOverlay *last);
    // The desktop answered without a screenshot or a colour; status says why where nothing more
    // can be asked.
    void PortalGaveNothing(StringId status);
    // Ends a pick of the desktop's, the icon back; a status text says why where it took no colour.
    void EndPortalPick(const QString &status);

    FinderControls m_controls;
    SwatchHistory &m_history;
    const CopyOptions &m_options;
    DesktopPortal *m_portal = nullptr;
    std::unique_ptr<StillOverlays> m_still; // while a pick goes over a desktop's screenshot
    // Whether the question to the desktop is for a screenshot, which may still fall back to its
    // own pick.
    bool m_askedForScreenshot = false;
    // The buttons held at the latest press or movement of the drag.
    int m_buttons = 0;
};
