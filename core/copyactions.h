#pragma once

#include "core/copytext.h"

#include <QString>

class ColourDisplay;

// The copy commands and the instant copy after a pick: each reads the colour back from the
// current-colour display, composes its text and puts it on the clipboard.

// Copies the current true colour; returns the status text to show.
QString CopyTrueColour(const ColourDisplay &picMain, const CopyOptions &options);

// Copies the current safe colour, as the lower band shows it; returns the status text to show.
QString CopySafeColour(const ColourDisplay &picMain, const CopyOptions &options);

// Copies the current true colour in the CSS form of copy source form; returns the status text to
// show.
QString CopyCss(const ColourDisplay &picMain, const CopyOptions &options, CopySource form);

// Copies the current true colour for source when instant copy is on; else does nothing.
void CopyPickedColour(const ColourDisplay &picMain, const CopyOptions &options, CopySource source);
