#pragma once

#include <QString>
#include <QtGlobal>

// A colour as one number, red + 256 * green + 65536 * blue (0x00BBGGRR), and the text forms the
// program writes it in.
using ColourValue = qint32;

inline constexpr ColourValue NoColour = -1;

// Which form RgbText writes.
enum RgbMode : int { EightBit = 1, Percent = 2, Float = 3 };

[[nodiscard]] constexpr ColourValue RgbColour(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}
[[nodiscard]] constexpr int RedOf(ColourValue c)
{
    return c & 0xFF;
}
[[nodiscard]] constexpr int GreenOf(ColourValue c)
{
    return (c >> 8) & 0xFF;
}
[[nodiscard]] constexpr int BlueOf(ColourValue c)
{
    return (c >> 16) & 0xFF;
}

// The value 0 to 15 of a hex digit of either case; -1 for any other character.
[[nodiscard]] constexpr int HexDigitValue(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}
[[nodiscard]] constexpr bool IsHexDigit(QChar ch)
{
    return HexDigitValue(ch) >= 0;
}

[[nodiscard]] QString HexText(ColourValue c);
[[nodiscard]] QString FormatPlaces(double x, int places);
[[nodiscard]] QString RedFloatText(ColourValue c, int precision);
[[nodiscard]] QString GreenFloatText(ColourValue c, int precision);
[[nodiscard]] QString BlueFloatText(ColourValue c, int precision);
[[nodiscard]] QString PercentText(int part);
[[nodiscard]] QString RgbText(ColourValue c, RgbMode mode, int precision);
[[nodiscard]] ColourValue SafeColour(ColourValue c);
[[nodiscard]] ColourValue ContrastTextColour(ColourValue c);
