#include "palettes/swatchhistory.h"

#include "core/currentcolour.h"

int SwatchHistory::StackDepth(const Stack &stack)
{
    int depth = 0;
    while (stack[depth])
        ++depth;
    return depth;
}

void SwatchHistory::Apply(HistoryAction action, ColourDisplay &picMain)
{
    const int u = StackDepth(m_undoStack);
    const int r = StackDepth(m_redoStack);
    const ColourValue current = ReadSwatchColour(picMain, TrueSwatch);
    // Going back or forward from a full opposite stack shows the colour but moves nothing: the
    // full stack cannot take the current colour, so the shown one must stay where it is too.
    switch (action) {
    case Record:
        if (u < StackLimit)
            m_undoStack[u] = current;
        break;
    case Undo:
        if (u == 0)
            break;
        if (r < StackLimit)
            m_redoStack[r] = current;
        SetCurrentColour(picMain, *m_undoStack[u - 1]);
        if (r < StackLimit)
            m_undoStack[u - 1].reset();
        break;
    case Redo:
        if (r == 0)
            break;
        if (u < StackLimit)
            m_undoStack[u] = current;
        SetCurrentColour(picMain, *m_redoStack[r - 1]);
        if (u < StackLimit)
            m_redoStack[r - 1].reset();
        break;
    }
    emit EnabledChanged(StackDepth(m_undoStack) >= 1, StackDepth(m_redoStack) >= 1);
}
