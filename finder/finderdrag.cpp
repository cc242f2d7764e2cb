#include "finder/finderdrag.h"

#include "core/copyactions.h"
#include "core/copytext.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "finder/desktopportal.h"
#include "finder/finderoverlay.h"
#include "finder/samplescreen.h"
#include "finder/screensource.h"
#include "finder/stilloverlays.h"
#include "palettes/swatchhistory.h"
#include "settings/strings.h"

#include <QGuiApplication>
#include <QLabel>

FinderDrag::FinderDrag(const FinderControls &controls, SwatchHistory &history,
                       const CopyOptions &options, QObject *parent)
    : QObject(parent), m_controls(controls), m_history(history), m_options(options)
{}

FinderDrag::~FinderDrag() = default;

bool FinderDrag::Dragging() const
{
    return m_controls.imgLocator->isHidden();
}

void FinderDrag::imgLocator_MouseDown(int button, int, int, int)
{
    const bool pressedAgain = Dragging();
    // One question to the desktop at a time; its answer ends the pick.
    if (pressedAgain && !CurrentScreenSource().CanRead())
        return;
    m_history.Apply(Record, *m_controls.picMain);
    m_controls.imgLocator->hide();
    m_controls.picFinder->SetBackColour(FinderBackColour);
    emit StatusMessage(QString());
    if (!CurrentScreenSource().CanRead()) {
        AskPortal();
        return;
    }
    m_buttons |= button;
    if (pressedAgain) {
        QGuiApplication::changeOverrideCursor(ReticleCursor(101));
        return;
    }
    QGuiApplication::setOverrideCursor(ReticleCursor(101));
    // Every movement and key goes to the view until the release, wherever the pointer is.
    m_controls.picFinder->grabMouse();
    m_controls.picFinder->grabKeyboard();
}

void FinderDrag::AskPortal()
{
    if (!m_portal) {
        m_portal = new DesktopPortal(this);
        connect(m_portal, &DesktopPortal::ScreenshotTaken, this, &FinderDrag::PickOver);
        connect(m_portal, &DesktopPortal::Picked, this, [this](ColourValue colour) {
            ShowParts(m_controls, colour);
            Take(colour);
            m_controls.lblXCoord->clear();
            m_controls.lblYCoord->clear();
            CopyPickedColour(*m_controls.picMain, m_options, FinderCopy);
            EndPortalPick(QString());
        });
        connect(m_portal, &DesktopPortal::Ended, this,
                [this] { PortalGaveNothing(NoColourPickedText); });
        connect(m_portal, &DesktopPortal::Unavailable, this,
                [this] { PortalGaveNothing(NoScreenPickerText); });
    }
    m_askedForScreenshot = true;
    m_portal->TakeScreenshot();
}

// A desktop that gives no screenshot may still pick a colour itself.
void FinderDrag::PortalGaveNothing(StringId status)
{
    if (std::exchange(m_askedForScreenshot, false))
        m_portal->PickColour();
    else
        EndPortalPick(LoadResString(status));
}

void FinderDrag::EndPortalPick(const QString &status)
{
    m_controls.imgLocator->show();
    if (!status.isEmpty())
        emit StatusMessage(status);
}

void FinderDrag::PickOver(const QImage &picture)
{
    m_askedForScreenshot = false;
    m_still = std::make_unique<StillOverlays>(picture, m_controls, m_controls.picMain->window());
    connect(m_still.get(), &StillOverlays::Clicked, this,
            [this](FinderOverlay *overlay) { EndOverlays(true, overlay); });
    // Esc ends the pick without a colour, the one before the press still current.
    connect(m_still.get(), &StillOverlays::Escaped, this,
            [this](FinderOverlay *overlay) { EndOverlays(false, overlay); });
}

void FinderDrag::EndOverlays(bool take, FinderOverlay *last)
{
    const ColourValue colour = m_controls.picFinder->Point(647, 647);
    m_still->CloseAllBut(last);
    last->Close(m_controls.picMain->window());
    m_still.reset();
    m_controls.picFinder->Cls();
    if (take) {
        Take(colour);
        CopyPickedColour(*m_controls.picMain, m_options, FinderCopy);
    } else {
        ShowParts(m_controls, ReadSwatchColour(*m_controls.picMain, TrueSwatch));
        m_controls.lblXCoord->clear();
        m_controls.lblYCoord->clear();
    }
    m_controls.imgLocator->show();
}

void FinderDrag::imgLocator_MouseMove(int button, int, int, int)
{
    m_buttons = button;
    if (!Dragging() || !CurrentScreenSource().CanRead() || button != Qt::LeftButton)
        return;
    Take(Sample(m_controls, CurrentScreenSource()));
}

void FinderDrag::Take(ColourValue colour)
{
    SetCurrentColour(*m_controls.picMain, colour);
}

void FinderDrag::imgLocator_MouseUp(int, int, int, int)
{
    // The end of a desktop's pick is its answer, not the release of the button.
    if (!Dragging() || !CurrentScreenSource().CanRead())
        return;
    CopyPickedColour(*m_controls.picMain, m_options, FinderCopy);
    m_controls.picFinder->Cls();
    m_controls.picFinder->SetBackColour(FinderBackColour);
    m_controls.imgLocator->show();
    m_controls.picFinder->releaseKeyboard();
    m_controls.picFinder->releaseMouse();
    QGuiApplication::restoreOverrideCursor();
    m_buttons = 0;
}

bool FinderDrag::picFinder_KeyDown(int key, int shift)
{
    ScreenSource &source = CurrentScreenSource();
    const QPoint step = ArrowStep(key, shift);
    if (!Dragging() || !source.CanRead() || m_buttons != Qt::LeftButton || step.isNull())
        return false;
    source.SetCursorPos(source.CursorPos() + step);
    imgLocator_MouseMove(Qt::LeftButton, shift, 0, 0);
    return true;
}
