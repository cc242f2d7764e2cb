#include "finder/screenpick.h"

#include "core/picturebox.h"
#include "core/twips.h"
#include "finder/desktopportal.h"
#include "finder/finderoverlay.h"
#include "finder/samplescreen.h"
#include "finder/screenmap.h"
#include "finder/screensource.h"
#include "finder/stilloverlays.h"
#include "settings/strings.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// Every screen in one picture at the largest screen ratio, as a desktop's screenshot shows them.
QImage ScreenPicture()
{
    QRect bounds;
    qreal scale = 1;
    for (const ScreenPlace &place : ScreenPlaces()) {
        bounds |= place.geometry;
        scale = std::max(scale, place.ratio);
    }
    QImage picture((QSizeF(bounds.size()) * scale).toSize(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        const QRectF shown(QPointF(geometry.topLeft() - bounds.topLeft()) * scale,
                           QSizeF(geometry.size()) * scale);
        painter.drawImage(
            shown, screen->grabWindow(0, 0, 0, geometry.width(), geometry.height()).toImage());
    }
    return picture;
}

} // namespace

ScreenPick::ScreenPick()
    : m_controls{new PictureBox(&m_hidden),
                 nullptr,
                 new QLabel(&m_hidden),
                 new QLabel(&m_hidden),
                 {},
                 {},
                 {},
                 nullptr},
      m_portal(new DesktopPortal(this))
{
    for (int i = 0; i < 3; ++i) {
        m_controls.values[i] = new QLabel(&m_hidden);
        m_controls.fractions[i] = new QLabel(&m_hidden);
        m_controls.percents[i] = new QLabel(&m_hidden);
    }
    // The size of the main window's view.
    m_controls.picFinder->resize(TwipsToPixels(1295), TwipsToPixels(1295));
    m_controls.picFinder->SetBackColour(FinderBackColour);
    connect(m_portal, &DesktopPortal::ScreenshotTaken, this, &ScreenPick::PickOver);
    connect(m_portal, &DesktopPortal::Picked, this, &ScreenPick::Picked);
    connect(m_portal, &DesktopPortal::Ended, this, [this] { PortalGaveNothing(QString()); });
    connect(m_portal, &DesktopPortal::Unavailable, this,
            [this] { PortalGaveNothing(LoadResString(NoScreenPickerText)); });
}

ScreenPick::~ScreenPick() = default;

void ScreenPick::Start()
{
    if (DesktopScreenSource().CanRead()) {
        PickOver(ScreenPicture());
        return;
    }
    m_askedForScreenshot = true;
    m_portal->TakeScreenshot();
}

// A desktop that gives no screenshot may still pick a colour itself.
void ScreenPick::PortalGaveNothing(const QString &problem)
{
    if (std::exchange(m_askedForScreenshot, false))
        m_portal->PickColour();
    else
        emit Ended(problem);
}

void ScreenPick::PickOver(const QImage &picture)
{
    // A picture that the desktop gave came without the pointer's place, and the overlays cannot
    // hold the pointer and the keys where the program may not read the screen.
    const bool ownPicture = !std::exchange(m_askedForScreenshot, false);
    m_still = std::make_unique<StillOverlays>(picture, m_controls, nullptr);
    connect(m_still.get(), &StillOverlays::Clicked, this,
            [this] { emit Picked(m_controls.picFinder->Point(647, 647)); });
    connect(m_still.get(), &StillOverlays::Escaped, this, [this] { emit Ended(QString()); });
    if (!ownPicture)
        return;
    // The X server tells no window that the pointer is in it when the window shows under the
    // pointer and takes the grab: the overlays learn it here, in whole logical pixels as the
    // pointer's events give it, and the pick starts there.
    for (FinderOverlay *overlay : m_still->Overlays()) {
        const QPointF at = QCursor::pos() - overlay->screen()->geometry().topLeft();
        QEnterEvent enter(at, at, QCursor::pos());
        QCoreApplication::sendEvent(overlay, &enter);
    }
    HoldPointerAndKeys(100);
}

// The X server grants a grab only to a window it shows, and to none while another program holds
// the pointer or the keyboard (the desktop's shortcut that started this one may still hold the
// keys): so the grab is asked for again, for two seconds at most. Without it the pick still works
// wherever the overlays get the pointer and the keys.
void ScreenPick::HoldPointerAndKeys(int triesLeft)
{
    QWindow *window = m_still->Overlays().first()->windowHandle();
    if ((window->setMouseGrabEnabled(true) && window->setKeyboardGrabEnabled(true)) ||
        triesLeft == 0)
        return;
    QTimer::singleShot(20, this, [this, triesLeft] { HoldPointerAndKeys(triesLeft - 1); });
}
