#include "dialogs/numbertext.h"

#include "core/colour.h"

#include <cmath>
#include <limits>

int ReadWholeNumber(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    const QString rest = text.mid(at);
    if (rest.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        qsizetype end = 2;
        while (end < rest.size() && IsHexDigit(rest[end]))
            ++end;
        bool ok = false;
        const qulonglong value = rest.mid(2, end - 2).toULongLong(&ok, 16);
        return ok && value <= 0xFFFFFFFFu ? int(quint32(value)) : 0;
    }
    // The longest leading part that reads as a decimal number.
    qsizetype end = 0;
    const auto digits = [&rest](qsizetype from) {
        while (from < rest.size() && rest[from].isDigit() && rest[from].unicode() < 128)
            ++from;
        return from;
    };
    if (end < rest.size() && (rest[end] == u'+' || rest[end] == u'-'))
        ++end;
    const qsizetype wholeStart = end;
    end = digits(end);
    bool anyDigit = end > wholeStart;
    if (end < rest.size() && rest[end] == u'.') {
        const qsizetype fraction = digits(end + 1);
        anyDigit = anyDigit || fraction > end + 1;
        end = fraction;
    }
    if (!anyDigit)
        return 0;
    if (end < rest.size() && (rest[end] == u'e' || rest[end] == u'E')) {
        qsizetype exponent = end + 1;
        if (exponent < rest.size() && (rest[exponent] == u'+' || rest[exponent] == u'-'))
            ++exponent;
        if (const qsizetype last = digits(exponent); last > exponent)
            end = last;
    }
    const double value = std::nearbyint(rest.left(end).toDouble());
    if (!std::isfinite(value) || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        return 0;
    return int(value);
}
