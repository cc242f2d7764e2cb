#pragma once

#include "core/colour.h"

#include <QObject>
#include <array>
#include <optional>

class ColourDisplay;

enum HistoryAction { Undo = 1, Redo = 2, Record = 3 };

// The undo and redo history of the current colour: two stacks of at most ten colours that live for
// one run of the program. A stack that is full takes nothing more; see Apply.
class SwatchHistory : public QObject
{
    Q_OBJECT

public:
    // Records the current colour, or brings back the colour before the current one (undo) or
    // after it (redo). Then tells whether undo and redo have anything to bring back.
    void Apply(HistoryAction action, ColourDisplay &picMain);

signals:
    void EnabledChanged(bool undoEnabled, bool redoEnabled);

private:
    // Eleven slots, of which the filled ones are always a prefix of at most ten.
    using Stack = std::array<std::optional<ColourValue>, 11>;
    static constexpr int StackLimit = 10;

    [[nodiscard]] static int StackDepth(const Stack &stack);

    Stack m_undoStack;
    Stack m_redoStack;
};
