#include "app/mouseevent.h"

#include "core/twips.h"

MouseArguments MouseArgumentsOf(const QMouseEvent &event, const QWidget &control)
{
    const QPointF at = control.mapFromGlobal(event.globalPosition()) * TwipsPerPixel();
    const int button =
        int(event.type() == QEvent::MouseMove ? event.buttons() : Qt::MouseButtons(event.button()));
    return {button, ShiftOf(event.modifiers()), qRound(at.x()), qRound(at.y())};
}

int ShiftOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}
