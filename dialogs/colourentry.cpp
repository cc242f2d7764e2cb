#include "dialogs/colourentry.h"

#include "core/colournames.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

constexpr KeyVerdict Accept{true, false};
constexpr KeyVerdict Refuse{false, true};
constexpr KeyVerdict RefuseQuietly{false, false};

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int MaxLength(int notation)
{
    switch (notation) {
    case HexNotation:
        return 6;
    case DecimalNotation:
        return 8;
    default:
        return 20;
    }
}

KeyVerdict FilterSingleKey(int notation, const QString &text, QChar key)
{
    switch (notation) {
    case HexNotation:
        return IsAsciiDigit(key) || (key >= u'A' && key <= u'F') || (key >= u'a' && key <= u'f')
                   ? Accept
                   : Refuse;
    case DecimalNotation:
        if (!IsAsciiDigit(key))
            return Refuse;
        // Beyond the largest colour the digit goes without a beep.
        return LeadingNumber(text + key) <= 16777215 ? Accept : RefuseQuietly;
    case NameNotation:
        return (key >= u'A' && key <= u'Z') || (key >= u'a' && key <= u'z') ? Accept : Refuse;
    default:
        return Refuse;
    }
}

KeyVerdict FilterComponentKey(const QString &text, QChar key)
{
    const double v = LeadingNumber(text + key);
    if (IsAsciiDigit(key)) {
        const bool refused = text.contains(u'%') || (text.contains(u'.') && v > 1) || v > 255;
        return refused ? Refuse : Accept;
    }
    if (key == u'%')
        return v <= 100 && !text.contains(u'%') && !text.isEmpty() ? Accept : Refuse;
    // A point makes a fraction of 1: not after a percentage or a whole number above 1, where the
    // component would leave 0-255.
    if (key == u'.')
        return text.contains(u'.') || text.contains(u'%') || LeadingNumber(text) > 1 ? Refuse
                                                                                     : Accept;
    return Refuse;
}

bool CouldBeTyped(const QString &text,
                  const std::function<KeyVerdict(const QString &, QChar)> &filter)
{
    QString typed;
    for (QChar key : text) {
        if (!filter(typed, key).accepted)
            return false;
        typed += key;
    }
    return true;
}

double LeadingNumber(const QString &text)
{
    // Digits with an optional point, as far as they go.
    qsizetype end = 0;
    bool point = false;
    while (end < text.size() && (IsAsciiDigit(text[end]) || (text[end] == u'.' && !point))) {
        point = point || text[end] == u'.';
        ++end;
    }
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? value : 0;
}

QString ReformatFraction(const QString &text, int precision)
{
    if (!text.contains(u'.'))
        return text;
    // The box takes a point whatever the locale's decimal separator, and so keeps one.
    return FormatPlaces(LeadingNumber(text), precision)
        .replace(QLocale().decimalPoint(), QStringLiteral("."));
}

std::optional<ColourValue> HexColour(const QString &text)
{
    const auto isHex = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), isHex))
        return std::nullopt;
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return RgbColour(int(rgb >> 16), int(rgb >> 8) & 0xFF, int(rgb & 0xFF));
}

ColourValue DecimalColour(const QString &text)
{
    // Beyond the largest colour, the low 24 bits of the number, however long it is.
    const auto number = qint64(std::fmod(LeadingNumber(text), 0x1000000));
    return HexColour(QStringLiteral("%1").arg(number, 6, 16, QLatin1Char('0'))).value_or(0);
}

int ColourNameIndex(const QString &name)
{
    for (int index = 0; index < ColourNameCount; ++index)
        if (ColourNameEntry(index).name == name)
            return index;
    return -1;
}

int ComponentOf(const QString &text)
{
    const double v = LeadingNumber(text);
    double component = v;
    if (text.contains(u'.'))
        component = std::nearbyint(v * 255);
    else if (text.contains(u'%'))
        component = std::round(v / 100 * 255);
    return int(std::clamp(component, 0.0, 255.0));
}
