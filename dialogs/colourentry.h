#pragma once

#include "core/colour.h"

#include <QString>
#include <optional>

// The notations a colour can be typed in, as the Enter Colour window offers them.
enum ColourNotation { HexNotation = 1, DecimalNotation = 2, NameNotation = 4, RgbNotation = 8 };

// What the typing filter does with one key: let it through, or discard it, with or without a beep.
struct KeyVerdict
{
    bool accepted;
    bool beep;
    friend bool operator==(const KeyVerdict &, const KeyVerdict &) = default;
};

// The most characters a box takes in a notation: 6 hex digits, 8 decimal digits, 20 letters of a
// name, and in a red, green or blue box (RgbNotation) 102, a fraction re-formatted with 100
// decimals.
[[nodiscard]] int MaxLength(int notation);

// The key filter of a box: key typed at the end of text. notation is the single box's, or
// RgbNotation for a red, green or blue box (a whole number 0-255, a fraction with a point that
// stays at most 1, or a percentage to 100). Backspace and Enter are the caller's.
[[nodiscard]] KeyVerdict FilterKey(int notation, const QString &text, QChar key);

// Whether text could have been typed into an empty box of the notation key by key past its filter
// and length: pasted text is held to the same rules as typed text.
[[nodiscard]] bool CouldBeTyped(int notation, const QString &text);

// Text as it is pasted into a box: the program's own copy text comes without the quotes around it
// and its pound sign, and a copied line without the spaces or line break around it.
[[nodiscard]] QString PastedText(const QString &text);

// The leading number of a text, read leniently: up to the first character that cannot continue
// it; empty (or no number) is 0.
[[nodiscard]] double LeadingNumber(const QString &text);

// A fraction's text with a leading digit and exactly precision decimals; any other text as it is.
[[nodiscard]] QString ReformatFraction(const QString &text, int precision);

// The colour of six hex digits RRGGBB, either case; none for a shorter or longer text.
[[nodiscard]] std::optional<ColourValue> HexColour(const QString &text);

// The colour of a decimal number taken as the web-order number 0xRRGGBB.
[[nodiscard]] ColourValue DecimalColour(const QString &text);

// One component from its box: a fraction times 255 (halves to even), a percentage of 255 (halves
// away from zero), or the whole number typed.
[[nodiscard]] int ComponentOf(const QString &text);
