#pragma once

#include "core/colour.h"

#include <QString>

// Contrast between two colours as WCAG 2.x defines it: the ratio of their relative luminances,
// each plus 0.05, from 1 (the same) to 21 (black on white).
[[nodiscard]] double ContrastRatio(ColourValue a, ColourValue b);

// What a ratio passes. A verdict uses the ratio as computed; the text shows it rounded down, so
// that a ratio shown as 4.50 always passes AA.
struct ContrastVerdicts
{
    bool aaNormal, aaLarge, aaaNormal, aaaLarge;
};
[[nodiscard]] ContrastVerdicts ContrastVerdictsOf(double ratio);
// "4.47:1"
[[nodiscard]] QString ContrastRatioText(double ratio);
