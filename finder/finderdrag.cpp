#include "finder/finderdrag.h"

#include "core/copyactions.h"
#include "core/copytext.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "finder/portalpick.h"
#include "finder/samplescreen.h"
#include "finder/screensource.h"
#include "palettes/swatchhistory.h"
#include "settings/strings.h"

#include <QGuiApplication>
#include <QLabel>

namespace {} // namespace

FinderDrag::FinderDrag(const FinderControls &controls, SwatchHistory &history,
                       const CopyOptions &options, QObject *parent)
    : QObject(parent), m_controls(controls), m_history(history), m_options(options)
{}

bool FinderDrag::Dragging() const
{
    return m_controls.imgLocator->isHidden();
}

void FinderDrag::MouseDown(int button, int, int, int)
{
    const bool pressedAgain = Dragging();
    // One question to the desktop at a time; its answer ends the pick.
    if (pressedAgain && !CurrentScreenSource())
        return;
    m_history.Apply(Record, *m_controls.picMain, *m_controls.lblHexName[0],
                    *m_controls.lblHexName[1]);
    m_controls.imgLocator->hide();
    m_controls.picFinder->SetBackColour(FinderBackColour);
    emit StatusMessage(QString());
    if (!CurrentScreenSource()) {
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
        m_portal = new PortalPick(this);
        connect(m_portal, &PortalPick::Picked, this, [this](ColourValue colour) {
            Take(colour);
            m_controls.lblXCoord->clear();
            m_controls.lblYCoord->clear();
            EndPortalPick();
        });
        connect(m_portal, &PortalPick::Cancelled, this, &FinderDrag::EndPortalPick);
        connect(m_portal, &PortalPick::Unavailable, this, [this] {
            m_controls.imgLocator->show();
            emit StatusMessage(tr("Picking from the screen is not available here"));
        });
    }
    m_portal->Start();
}

void FinderDrag::MouseMove(int button, int, int, int)
{
    m_buttons = button;
    if (!Dragging() || !CurrentScreenSource() || button != Qt::LeftButton)
        return;
    const QPoint hotSpot = SampleScreen(*m_controls.picFinder, *CurrentScreenSource());
    m_controls.lblXCoord->setText(QString::number(hotSpot.x()));
    m_controls.lblYCoord->setText(QString::number(hotSpot.y()));
    Take(m_controls.picFinder->Point(647, 647));
}

void FinderDrag::Take(ColourValue colour)
{
    // The texts of every part are made once: a drag shows them at every movement.
    struct PartTexts
    {
        QString value, fraction, percent;
    };
    static const std::array<PartTexts, 256> texts = [] {
        std::array<PartTexts, 256> texts;
        for (int part = 0; part < 256; ++part)
            texts[part] = {QString::number(part), RedFloatText(part, 3),
                           PercentText(part) + QLatin1Char('%')};
        return texts;
    }();
    const int parts[] = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
    for (int i = 0; i < 3; ++i) {
        m_controls.values[i]->setText(texts[parts[i]].value);
        m_controls.fractions[i]->setText(texts[parts[i]].fraction);
        m_controls.percents[i]->setText(texts[parts[i]].percent);
    }
    SetCurrentColour(*m_controls.picMain, *m_controls.lblHexName[0], *m_controls.lblHexName[1],
                     colour, 0, 0);
}

void FinderDrag::MouseUp(int, int, int, int)
{
    // The end of a desktop's pick is its answer, not the release of the button.
    if (!Dragging() || !CurrentScreenSource())
        return;
    CopyPickedColour(*m_controls.picMain, *m_controls.lblHexName[0], m_options, FinderCopy);
    m_controls.picFinder->Cls();
    m_controls.picFinder->SetBackColour(FinderBackColour);
    m_controls.imgLocator->show();
    m_controls.picFinder->releaseKeyboard();
    m_controls.picFinder->releaseMouse();
    QGuiApplication::restoreOverrideCursor();
    m_buttons = 0;
}

// An answer ends the pick as a release ends a drag; a cancel is a release without a movement.
void FinderDrag::EndPortalPick()
{
    CopyPickedColour(*m_controls.picMain, *m_controls.lblHexName[0], m_options, FinderCopy);
    m_controls.imgLocator->show();
}

bool FinderDrag::KeyDown(int key, int shift)
{
    ScreenSource *source = CurrentScreenSource();
    if (!Dragging() || !source || m_buttons != Qt::LeftButton)
        return false;
    const int step = shift & 1 ? 10 : 1;
    QPoint move;
    switch (key) {
    case Qt::Key_Left:
        move = QPoint(-step, 0);
        break;
    case Qt::Key_Right:
        move = QPoint(step, 0);
        break;
    case Qt::Key_Up:
        move = QPoint(0, -step);
        break;
    case Qt::Key_Down:
        move = QPoint(0, step);
        break;
    default:
        return false;
    }
    source->SetCursorPos(source->CursorPos() + move);
    MouseMove(Qt::LeftButton, shift, 0, 0);
    return true;
}
