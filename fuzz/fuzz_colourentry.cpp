// Keys typed into an Enter Colour box, the refused ones dropped: the first byte picks the box (the
// single box in hex, decimal or name notation, or a red, green or blue box), the second the decimal
// places 1-100 a fraction is rewritten with when its box is left, the rest are the keys in UTF-8.
// What the filters let through must read as the colour its box promises; every reading also takes
// the raw keys as one text.
#include "core/colournames.h"
#include "dialogs/colourentry.h"
#include "fuzz/require.h"

#include <QLocale>
#include <cmath>

namespace {

QString Typed(int notation, const QString &keys)
{
    QString typed;
    for (QChar key : keys)
        if (typed.size() < MaxLength(notation) && FilterKey(notation, typed, key).accepted)
            typed += key;
    return typed;
}

qint64 WebOrder(ColourValue c)
{
    return RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c);
}

void CheckSingleBox(int notation, const QString &typed)
{
    switch (notation) {
    case HexNotation: {
        const std::optional<ColourValue> colour = HexColour(typed);
        Require(colour.has_value() == (typed.size() == 6), "six typed hex digits are a colour");
        Require(!colour || HexText(*colour) == typed.toUpper(), "a hex colour is its digits");
        break;
    }
    case DecimalNotation: {
        const double number = LeadingNumber(typed);
        Require(number <= 16777215, "a typed decimal number is at most the largest colour");
        Require(WebOrder(DecimalColour(typed)) == qint64(number), "a decimal colour is its number");
        break;
    }
    case NameNotation: {
        const std::optional<int> index = FindColourName(typed);
        Require(!index || ColourNameEntry(*index).name == typed.toLower(),
                "a typed name is found in any case");
        Require(!index || HexColour(ColourNameEntry(*index).valueText), "a name has a colour");
        break;
    }
    }
}

void CheckComponentBox(const QString &typed, int precision)
{
    const double number = LeadingNumber(typed);
    const double limit = typed.contains(u'.') ? 1 : typed.contains(u'%') ? 100 : 255;
    Require(number >= 0 && number <= limit, "a fraction to 1, a percentage to 100, else to 255");
    const int component = ComponentOf(typed);
    Require(component >= 0 && component <= 255, "a component is 0-255");
    // Leaving the box rewrites a fraction, rounded to the places from fifteen significant digits.
    const QString rewritten = ReformatFraction(typed, precision);
    Require(CouldBeTyped(RgbNotation, rewritten), "a rewritten fraction could be typed");
    Require(typed.contains(u'.') || rewritten == typed, "only a fraction is rewritten");
    Require(std::abs(LeadingNumber(rewritten) - number) <= 0.5 * std::pow(10.0, -precision) + 1e-15,
            "a fraction is rewritten to its nearest at the places");
}

} // namespace

// The boxes take a decimal point, and fractions are rewritten with the locale's: the C locale's.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLocale::setDefault(QLocale::c());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static constexpr int Boxes[] = {HexNotation, DecimalNotation, NameNotation, RgbNotation};
    const int notation = Boxes[data[0] % 4];
    const int precision = data[1] % 100 + 1;
    const QString keys =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    const QString typed = Typed(notation, keys);
    Require(CouldBeTyped(notation, typed), "what was typed could be typed");
    Require(!CouldBeTyped(notation, keys) || typed == keys,
            "text that could be typed is typed whole");
    // The boxes' paste rule sees typed text too, and must leave it as it is.
    Require(PastedText(typed) == typed, "typed text is never unwrapped");
    if (notation == RgbNotation)
        CheckComponentBox(typed, precision);
    else
        CheckSingleBox(notation, typed);

    const std::optional<ColourValue> hex = HexColour(keys);
    Require(!hex || HexText(*hex) == keys.toUpper(), "a hex colour is its digits");
    Require(WebOrder(DecimalColour(keys)) <= 16777215, "a decimal colour is a colour");
    const int part = ComponentOf(keys);
    Require(part >= 0 && part <= 255, "a component is 0-255");
    static_cast<void>(ReformatFraction(keys, precision)); // for the sanitizers alone
    return 0;
}
