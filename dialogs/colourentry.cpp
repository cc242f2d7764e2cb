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
    case NameNotation:
        return 20;
    default:
        return 102;
    }
}

namespace {

// A box's filter walking its text key by key, carrying what it has read: the number's digits
// before any point, and whether a point or a percent sign came. So a whole text is checked in one
// pass, however long, and never read again for each key.
class Typing
{
public:
    explicit Typing(int notation) : m_notation(notation) {}

    // The verdict on key typed after the keys let through so far; a key let through is taken.
    KeyVerdict Type(QChar key)
    {
        const KeyVerdict verdict = Verdict(key);
        if (verdict.accepted) {
            // Hex digits make no number here: the decimal and red, green and blue boxes' do.
            if (IsAsciiDigit(key) && !m_point && m_notation != HexNotation)
                m_whole = m_whole * 10 + key.digitValue();
            m_point = m_point || key == u'.';
            m_percent = m_percent || key == u'%';
            m_empty = false;
        }
        return verdict;
    }

private:
    KeyVerdict Verdict(QChar key) const
    {
        const bool digit = IsAsciiDigit(key);
        const int next = digit ? m_whole * 10 + key.digitValue() : m_whole;
        switch (m_notation) {
        case HexNotation:
            return IsHexDigit(key) ? Accept : Refuse;
        case DecimalNotation:
            if (!digit)
                return Refuse;
            // Beyond the largest colour the digit goes without a beep.
            return next <= 16777215 ? Accept : RefuseQuietly;
        case NameNotation:
            return (key >= u'A' && key <= u'Z') || (key >= u'a' && key <= u'z') ? Accept : Refuse;
        }
        // A fraction has a whole part of at most 1, so only zeros follow the point after a 1.
        if (digit)
            return m_percent || (m_point ? m_whole == 1 && key != u'0' : next > 255) ? Refuse
                                                                                     : Accept;
        // A percentage follows a number to 100; a fraction, being at most 1, may take one.
        if (key == u'%')
            return m_empty || m_percent || m_whole > 100 ? Refuse : Accept;
        // A point makes a fraction of 1: not after a percentage or a whole number above 1, where
        // the component would leave 0-255.
        if (key == u'.')
            return m_point || m_percent || m_whole > 1 ? Refuse : Accept;
        return Refuse;
    }

    int m_notation;
    int m_whole = 0;
    bool m_point = false, m_percent = false, m_empty = true;
};

} // namespace

KeyVerdict FilterKey(int notation, const QString &text, QChar key)
{
    Typing typing(notation);
    for (QChar typed : text)
        typing.Type(typed);
    return typing.Type(key);
}

bool CouldBeTyped(int notation, const QString &text)
{
    Typing typing(notation);
    return text.size() <= MaxLength(notation) &&
           std::all_of(text.begin(), text.end(),
                       [&typing](QChar key) { return typing.Type(key).accepted; });
}

QString PastedText(const QString &text)
{
    QString pasted = text.trimmed();
    if (pasted.size() >= 2 && pasted.startsWith(u'"') && pasted.endsWith(u'"'))
        pasted = pasted.mid(1, pasted.size() - 2);
    if (pasted.startsWith(u'#'))
        pasted.remove(0, 1);
    return pasted;
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
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), IsHexDigit))
        return std::nullopt;
    return ParseHexPairs(text);
}

ColourValue DecimalColour(const QString &text)
{
    // Beyond the largest colour, the low 24 bits of the number, however long it is.
    const auto number = qint64(std::fmod(LeadingNumber(text), 0x1000000));
    return HexColour(QStringLiteral("%1").arg(number, 6, 16, QLatin1Char('0'))).value_or(0);
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
