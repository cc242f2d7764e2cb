#pragma once

#include "core/colour.h"

#include <QString>
#include <optional>

// A colour in the forms today's style sheets write it, each exact for the colour's 8-bit parts
// as far as its digits go: #ff6600, #f60, rgb(255 102 0), hsl(24 100% 50%),
// oklch(69.58% 0.204 43.49) and a custom property named after the colour.
[[nodiscard]] QString CssHexText(ColourValue c);
// The three-digit form, only where each part's two digits are the same.
[[nodiscard]] std::optional<QString> CssShortHexText(ColourValue c);
[[nodiscard]] QString CssRgbText(ColourValue c);
// Hue in degrees, saturation and lightness in percent, each with at most two decimals.
[[nodiscard]] QString CssHslText(ColourValue c);
// Through OKLab: lightness in percent with two decimals, chroma with three, hue in degrees with
// two; a chroma below 0.0005 (a grey) writes chroma and hue as 0.
[[nodiscard]] QString CssOklchText(ColourValue c);
[[nodiscard]] QString CssCustomPropertyText(ColourValue c);
