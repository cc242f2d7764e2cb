// The finder of the main window: its icon, and the pointer and keys of a drag routed to the
// finder's handlers.

#include "app/frmmain.h"
#include "app/mouseevent.h"
#include "core/picturebox.h"
#include "core/twips.h"
#include "finder/finderdrag.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

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
                            picMain};
    m_finder = new FinderDrag(controls, History, Settings.copyOptions, this);
    connect(m_finder, &FinderDrag::StatusMessage, this, &frmMain::StatusMessage);
}

void frmMain::imgLocator_MouseDown(int Button, int Shift, int X, int Y)
{
    m_finder->imgLocator_MouseDown(Button, Shift, X, Y);
}

void frmMain::imgLocator_MouseMove(int Button, int Shift, int X, int Y)
{
    m_finder->imgLocator_MouseMove(Button, Shift, X, Y);
}

void frmMain::imgLocator_MouseUp(int Button, int Shift, int X, int Y)
{
    m_finder->imgLocator_MouseUp(Button, Shift, X, Y);
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
        const auto [button, shift, x, y] = MouseArgumentsOf(*mouse, *imgLocator);
        if (event->type() == QEvent::MouseMove && button == 0)
            imgLocator_MouseUp(0, shift, x, y); // the release went elsewhere
        else if (event->type() == QEvent::MouseMove)
            imgLocator_MouseMove(button, shift, x, y);
        else if (event->type() == QEvent::MouseButtonRelease)
            imgLocator_MouseUp(button, shift, x, y);
        else
            imgLocator_MouseDown(button, shift, x, y);
        return true;
    }
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        return m_finder->picFinder_KeyDown(key->key(), ShiftOf(key->modifiers()));
    }
    default:
        return false;
    }
}
