#pragma once

#include "core/colour.h"

#include <QColor>

// A colour value as the platform draws it: a system colour reference 0x800000nn becomes the
// current colour of the palette role it stands for, any other value its own red, green and blue.
[[nodiscard]] QColor ResolveColour(ColourValue colour);

// The colour value of what the platform drew.
[[nodiscard]] ColourValue ColourOf(QColor colour);
