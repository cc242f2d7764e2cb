#include "core/colour.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Adds one to a string of decimal digits; "999" becomes "1000".
void IncrementDigits(QByteArray &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.prepend('1');
}

// The fraction of 1 that a part stands for, read back the way the copy text and the readouts
// write it: zero and one keep one decimal place, anything else loses its trailing zeros.
QString FloatText(int part, int precision)
{
    const QString point = QLocale().decimalPoint();
    const QString text = FormatPlaces(part / 255.0, precision);
    const qsizetype at = text.indexOf(point);
    QString whole = at < 0 ? text : text.left(at);
    QString fraction = at < 0 ? QString() : text.mid(at + point.size());
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (fraction.isEmpty())
        fraction = QStringLiteral("0");
    return whole + point + fraction;
}

int SafeLevel(int part)
{
    // Chosen by the high hex digit alone: 0-1, 2-4, 5-7, 8-A, B-D, E-F.
    return ((part >> 4) + 1) / 3 * 0x33;
}

} // namespace

QString HexText(ColourValue c)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QString text(6, Qt::Uninitialized);
    QChar *out = text.data();
    for (int part : {RedOf(c), GreenOf(c), BlueOf(c)}) {
        *out++ = QLatin1Char(digits[part >> 4]);
        *out++ = QLatin1Char(digits[part & 0xF]);
    }
    return text;
}

QString FormatPlaces(double x, int places)
{
    if (!std::isfinite(x))
        return QString::number(x);
    places = std::max(places, 0);

    // Fifteen significant digits are all that is ever written; the rounding to the places is
    // then done on those decimal digits, so that a decimal half goes away from zero.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(x));
    const QByteArray significant = QByteArray(scientific, 1) + QByteArray(scientific + 2, 14);
    const int pointAt = std::atoi(std::strchr(scientific, 'e') + 1) + 1;
    const int keep = pointAt + places;

    QByteArray digits;
    if (keep > 0) {
        digits = significant.left(keep);
        if (keep > significant.size())
            digits.append(keep - significant.size(), '0');
        else if (keep < significant.size() && significant[keep] >= '5')
            IncrementDigits(digits);
    } else {
        digits = keep == 0 && significant[0] >= '5' ? "1" : "0";
    }
    if (digits.size() < places + 1)
        digits.prepend(QByteArray(places + 1 - digits.size(), '0'));

    QByteArray whole = digits.left(digits.size() - places);
    while (whole.size() > 1 && whole[0] == '0')
        whole.remove(0, 1);
    QString text = QString::fromLatin1(whole);
    if (places > 0)
        text += QLocale().decimalPoint() + QString::fromLatin1(digits.right(places));
    if (x < 0 && digits.count('0') != digits.size())
        text.prepend(u'-');
    return text;
}

QString RedFloatText(ColourValue c, int precision)
{
    return FloatText(RedOf(c), precision);
}
QString GreenFloatText(ColourValue c, int precision)
{
    return FloatText(GreenOf(c), precision);
}
QString BlueFloatText(ColourValue c, int precision)
{
    return FloatText(BlueOf(c), precision);
}

QString PercentText(int part)
{
    return QString::number(qRound(part * 100.0 / 255.0));
}

QString RgbText(ColourValue c, RgbMode mode, int precision)
{
    switch (mode) {
    case EightBit:
        return QStringLiteral("rgb(%1, %2, %3)").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
    case Percent:
        return QStringLiteral("rgb(%1%, %2%, %3%)")
            .arg(PercentText(RedOf(c)), PercentText(GreenOf(c)), PercentText(BlueOf(c)));
    case Float:
        if (precision == 0)
            precision = 3;
        return QStringLiteral("rgb %1 %2 %3")
            .arg(RedFloatText(c, precision), GreenFloatText(c, precision),
                 BlueFloatText(c, precision));
    default:
        return {};
    }
}

ColourValue SafeColour(ColourValue c)
{
    return RgbColour(SafeLevel(RedOf(c)), SafeLevel(GreenOf(c)), SafeLevel(BlueOf(c)));
}

ColourValue ContrastTextColour(ColourValue c)
{
    return GreenOf(c) < 103 ? 0xFFFFFF : 0;
}
