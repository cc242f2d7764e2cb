// Any text read as the whole number of the precision box: the first four bytes are also a number
// that must read back from its own decimal and hex text. Blanks before a text, a sign before a
// digit and a character after it that cannot continue a number change what it reads as only as
// they should.
#include "dialogs/numbertext.h"
#include "fuzz/require.h"

#include <climits>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const int number = ReadWholeNumber(text);
    Require(ReadWholeNumber(text + u'x') == number, "a text reads as far as its number goes");
    Require(ReadWholeNumber(QStringLiteral(" \t") + text) == number, "leading blanks are skipped");
    if (!text.isEmpty() && ((text[0].isDigit() && text[0].unicode() < 128) || text[0] == u'.')) {
        Require(ReadWholeNumber(u'+' + text) == number, "a plus sign keeps the number");
        const int negative = ReadWholeNumber(u'-' + text);
        Require(negative == -number || negative == INT_MIN, "a minus sign turns the number");
    }

    if (size >= 4) {
        qint32 whole;
        std::memcpy(&whole, data, sizeof whole);
        Require(ReadWholeNumber(QString::number(whole)) == whole, "a whole number reads as itself");
        if (whole >= 0) {
            const QString hex = QString::number(whole, 16);
            Require(ReadWholeNumber(QStringLiteral("&H") + hex) == whole &&
                        ReadWholeNumber(QStringLiteral("&h") + hex.toUpper()) == whole,
                    "a hex number reads as itself");
        }
    }
    return 0;
}
