#pragma once

#include "core/colour.h"

#include <QByteArray>
#include <QList>

// The custom swatches in files other programs read: a GIMP or Inkscape palette (.gpl) and CSS
// custom properties (.css), one line a colour in both.
enum class SwatchFormat { Gpl, Css };

// The colours in the given order, each named after its place among them ("Swatch 1").
[[nodiscard]] QByteArray SwatchFileText(const QList<ColourValue> &colours, SwatchFormat format);

// What a palette file holds: its colours in file order, or why it holds none that can be trusted.
struct SwatchFileContents
{
    enum Problem { None, TooLarge, NotAPalette, BadLine };
    QList<ColourValue> colours;
    Problem problem = None;
    int line = 0; // the first line that is no colour, counted from 1, for BadLine
};

// The largest file read; a palette of every 8-bit colour would not reach it.
inline constexpr qsizetype SwatchFileLimit = 1 << 20;

// Reads a .gpl file, or a .css file of the shape SwatchFileText writes (which the first line
// tells apart). A file that is too large, not a palette, or has a line that is neither a colour
// nor one of the format's other lines gives no colours at all.
[[nodiscard]] SwatchFileContents ReadSwatchFile(QByteArrayView bytes);
