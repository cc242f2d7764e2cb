#include "core/colournames.h"

#include "settings/strings.h"

namespace {

ColourEntry ReadColourEntry(int stringId)
{
    const QString entry = LoadResString(stringId);
    const qsizetype colon = entry.indexOf(u':');
    return {entry.left(colon), entry.mid(colon + 1)};
}

// A hex number read up to its first character that is not a hex digit ("1G" is 1).
int LeadingHexValue(QStringView text)
{
    int value = 0;
    for (QChar ch : text) {
        const int digit = HexDigitValue(ch);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

ColourEntry ColourNameEntry(int index)
{
    return ReadColourEntry(FirstColourNameEntry + index);
}

ColourEntry SystemColourEntry(int index)
{
    return ReadColourEntry(FirstSystemColourEntry + index);
}

ColourValue ParseHexPairs(QStringView text)
{
    if (text.size() != 6)
        return NoColour;
    return RgbColour(LeadingHexValue(text.sliced(0, 2)), LeadingHexValue(text.sliced(2, 2)),
                     LeadingHexValue(text.sliced(4, 2)));
}

ColourValue SystemColourReference(QStringView valueText)
{
    return static_cast<ColourValue>(valueText.toUInt(nullptr, 16));
}

std::optional<int> FindColourName(const QString &text)
{
    const QString wanted = text.toLower();
    for (int index = 0; index < ColourNameCount; ++index) {
        if (ColourNameEntry(index).name == wanted)
            return index;
    }
    return std::nullopt;
}
