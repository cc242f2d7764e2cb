#pragma once

#include "core/colour.h"
#include "finder/findercontrols.h"

#include <QObject>
#include <QWidget>
#include <memory>

class DesktopPortal;
class StillOverlays;

// One colour taken from the screen with no main window, for the command line: the screens as they
// were at the start, in overlays with the finder's magnified view and readouts beside the hot
// spot, until a click or Enter takes the colour there or Esc ends it without one. The picture is
// the screen's own where the program may read it, which then holds the pointer and the keys;
// elsewhere the desktop's screenshot, or the desktop's own pick where it gives none.
class ScreenPick : public QObject
{
    Q_OBJECT

public:
    ScreenPick();
    ~ScreenPick() override;

    void Start();

signals:
    void Picked(ColourValue colour);
    // The pick ended without a colour: problem says why where there is no way to pick one here,
    // and is empty where the user ended it.
    void Ended(const QString &problem);

private:
    void PickOver(const QImage &picture);
    void HoldPointerAndKeys(int triesLeft);
    void PortalGaveNothing(const QString &problem);

    QWidget m_hidden; // holds the view and the readouts that the overlays show
    FinderControls m_controls;
    DesktopPortal *m_portal;
    std::unique_ptr<StillOverlays> m_still;
    // Whether the question to the desktop is for a screenshot, which may still fall back to its
    // own pick.
    bool m_askedForScreenshot = false;
};
