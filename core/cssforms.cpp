#include "core/cssforms.h"

#include <array>
#include <cmath>

namespace {

// A number with at most two decimals, without trailing zeros: 24, 65.38, 0.5.
QString Trimmed(double x)
{
    QString text = QString::number(x, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// A hue that rounds to a full turn is 0.
QString Hue(double degrees)
{
    const QString text = QString::number(degrees, 'f', 2);
    return text == QLatin1String("360.00") ? QStringLiteral("0.00") : text;
}

// The sRGB transfer function undone: a part of 0-255 as linear light from 0 to 1.
double SrgbLinear(int part)
{
    const double v = part / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

} // namespace

QString CssHexText(ColourValue c)
{
    return QLatin1Char('#') + HexText(c).toLower();
}

std::optional<QString> CssShortHexText(ColourValue c)
{
    const QString hex = HexText(c).toLower();
    if (hex[0] != hex[1] || hex[2] != hex[3] || hex[4] != hex[5])
        return std::nullopt;
    return QLatin1Char('#') + hex[0] + hex[2] + hex[4];
}

QString CssRgbText(ColourValue c)
{
    return QStringLiteral("rgb(%1 %2 %3)").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
}

QString CssHslText(ColourValue c)
{
    const double r = RedOf(c) / 255.0, g = GreenOf(c) / 255.0, b = BlueOf(c) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    const double chroma = high - low;
    double hue = 0, saturation = 0;
    if (chroma > 0) {
        saturation = chroma / (1 - std::abs(2 * lightness - 1));
        if (high == r)
            hue = std::fmod((g - b) / chroma + 6, 6);
        else if (high == g)
            hue = (b - r) / chroma + 2;
        else
            hue = (r - g) / chroma + 4;
        hue *= 60;
    }
    const QString degrees = Trimmed(hue);
    return QStringLiteral("hsl(%1 %2% %3%)")
        .arg(degrees == QLatin1String("360") ? QStringLiteral("0") : degrees,
             Trimmed(saturation * 100), Trimmed(lightness * 100));
}

QString CssOklchText(ColourValue c)
{
    const double r = SrgbLinear(RedOf(c)), g = SrgbLinear(GreenOf(c)), b = SrgbLinear(BlueOf(c));
    // Linear sRGB to the cone responses, then to OKLab.
    const std::array<double, 3> lms = {
        std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b),
        std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b),
        std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b)};
    const double lightness = 0.2104542553 * lms[0] + 0.7936177850 * lms[1] - 0.0040720468 * lms[2];
    const double a = 1.9779984951 * lms[0] - 2.4285922050 * lms[1] + 0.4505937099 * lms[2];
    const double bb = 0.0259040371 * lms[0] + 0.7827717662 * lms[1] - 0.8086757660 * lms[2];
    const double chroma = std::hypot(a, bb);
    const QString percent = QString::number(lightness * 100, 'f', 2);
    if (chroma < 0.0005)
        return QStringLiteral("oklch(%1% 0 0)").arg(percent);
    const double hue = std::fmod(std::atan2(bb, a) * 180 / M_PI + 360, 360);
    return QStringLiteral("oklch(%1% %2 %3)")
        .arg(percent, QString::number(chroma, 'f', 3), Hue(hue));
}

QString CssCustomPropertyText(ColourValue c)
{
    const QString hex = HexText(c).toLower();
    return QStringLiteral("--colour-%1: #%1;").arg(hex);
}
