// The finder of the main window: its icon, and the pointer and keys of a drag routed to the
// finder's handlers.

#include "app/frmmain.h"
#include "core/picturebox.h"
#include "core/twips.h"
#include "finder/finderdrag.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Shift as a bit set: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

void frmMain::CreateFinder()
{
    imgLocator = new QLabel(picFinder);
    imgLocator->setObjectName(QStringLiteral("imgLocator"));
    imgLocator->setAccessibleName(tr("Finder"));
    imgLocator->setToolTip(tr("Click and Drag"));
    // The icon has a picture for scaled screens too (locator@2x.png).
    imgLocator->setPixmap(
        QIcon(QStringLiteral(":/locator.png")).pixmap(QSize(32, 32), devicePixelRatioF()));
    imgLocator->setAlignment(Qt::AlignCenter);
    imgLocator->setGeometry(TwipsToPixels(405), TwipsToPixels(405), TwipsToPixels(480),
                            TwipsToPixels(480));
    imgLocator->installEventFilter(this);
    // The view holds the pointer and the keyboard while a drag lasts.
    picFinder->installEventFilter(this);

    FinderControls controls{picFinder,
                            imgLocator,
                            lblXCoord,
                            lblYCoord,
                            {lblRedVal, lblGreenVal, lblBlueVal},
                            {lblRedFloat, lblGreenFloat, lblBlueFloat},
                            {lblRedPercent, lblGreenPercent, lblBluePercent},
                            picMain,
                            lblHexName};
    m_finder = new FinderDrag(controls, History, Settings.copyOptions, this);
    connect(m_finder, &FinderDrag::StatusMessage, this, &frmMain::StatusMessage);
}

void frmMain::imgLocator_MouseDown(int Button, int Shift, int X, int Y)
{
    m_finder->MouseDown(Button, Shift, X, Y);
}

void frmMain::imgLocator_MouseMove(int Button, int Shift, int X, int Y)
{
    m_finder->MouseMove(Button, Shift, X, Y);
}

void frmMain::imgLocator_MouseUp(int Button, int Shift, int X, int Y)
{
    m_finder->MouseUp(Button, Shift, X, Y);
}

bool frmMain::FinderEvent(QObject *watched, QEvent *event)
{
    if (watched != imgLocator && !(watched == picFinder && m_finder->Dragging()))
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPointF at = imgLocator->mapFromGlobal(mouse->globalPosition()) * TwipsPerPixel();
        const int shift = ShiftOf(mouse->modifiers());
        const int x = qRound(at.x());
        const int y = qRound(at.y());
        if (event->type() == QEvent::MouseMove && mouse->buttons() == Qt::NoButton)
            imgLocator_MouseUp(0, shift, x, y); // the release went elsewhere
        else if (event->type() == QEvent::MouseMove)
            imgLocator_MouseMove(int(mouse->buttons()), shift, x, y);
        else if (event->type() == QEvent::MouseButtonRelease)
            imgLocator_MouseUp(int(mouse->button()), shift, x, y);
        else
            imgLocator_MouseDown(int(mouse->button()), shift, x, y);
        return true;
    }
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        return m_finder->KeyDown(key->key(), ShiftOf(key->modifiers()));
    }
    default:
        return false;
    }
}
