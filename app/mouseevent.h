#pragma once

#include <QMouseEvent>
#include <QWidget>

// A pointer event as the window's handlers take it: Button as a bit set (1 left, 2 right,
// 4 middle; the button pressed or released, or at a movement the buttons held), Shift as a bit set
// (1 Shift, 2 Ctrl, 4 Alt), and X and Y in twips of the control.
struct MouseArguments
{
    int button, shift, x, y;
};

MouseArguments MouseArgumentsOf(const QMouseEvent &event, const QWidget &control);

int ShiftOf(Qt::KeyboardModifiers modifiers);
