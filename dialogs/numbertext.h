#pragma once

#include <QString>

// A whole number read from the start of a text as a typed number is read: leading blanks skipped,
// then the longest part that forms a number (digits with a sign, a decimal point and an exponent,
// or &H and hex digits); the rest is ignored, and a text without such a part reads as 0. The
// number is rounded to the nearest whole one, halves to the even neighbour; beyond 32 bits it is 0.
// "7abc" is 7, "2.5" is 2, "3.5" is 4.
[[nodiscard]] int ReadWholeNumber(const QString &text);
