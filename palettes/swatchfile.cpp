#include "palettes/swatchfile.h"

#include <QRegularExpression>

namespace {

const QByteArray GplHeader = "GIMP Palette";
const QByteArray CssHeader = ":root {";

} // namespace

QByteArray SwatchFileText(const QList<ColourValue> &colours, SwatchFormat format)
{
    QByteArray text = format == SwatchFormat::Gpl
                          ? GplHeader + "\nName: Tarvo Pigmenta swatches\nColumns: 8\n#\n"
                          : CssHeader + '\n';
    for (qsizetype i = 0; i < colours.size(); ++i) {
        const ColourValue c = colours[i];
        if (format == SwatchFormat::Gpl)
            text += QStringLiteral("%1 %2 %3\tSwatch %4\n")
                        .arg(RedOf(c), 3)
                        .arg(GreenOf(c), 3)
                        .arg(BlueOf(c), 3)
                        .arg(i + 1)
                        .toLatin1();
        else
            text += QStringLiteral("  --swatch-%1: #%2;\n")
                        .arg(i + 1)
                        .arg(HexText(c).toLower())
                        .toLatin1();
    }
    if (format == SwatchFormat::Css)
        text += "}\n";
    return text;
}

SwatchFileContents ReadSwatchFile(QByteArrayView bytes)
{
    if (bytes.size() > SwatchFileLimit)
        return {{}, SwatchFileContents::TooLarge, 0};
    // Both formats are ASCII; a name may be in any encoding, and is not read.
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start <= bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        lines.append(bytes.sliced(start, end - start).trimmed());
        start = end + 1;
    }
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first() = lines.first().sliced(3);
    const bool gpl = !lines.isEmpty() && lines.first() == GplHeader;
    const bool css = !lines.isEmpty() && lines.first() == CssHeader;
    if (!gpl && !css)
        return {{}, SwatchFileContents::NotAPalette, 0};

    static const QRegularExpression gplColour(
        QStringLiteral("^(\\d{1,3})\\s+(\\d{1,3})\\s+(\\d{1,3})(\\s.*)?$"));
    static const QRegularExpression gplOther(QStringLiteral("^(#.*|Name:.*|Columns:\\s*\\d+)?$"));
    static const QRegularExpression cssColour(
        QStringLiteral("^--[A-Za-z0-9_-]+\\s*:\\s*#([0-9A-Fa-f]{6})\\s*;$"));
    SwatchFileContents contents;
    bool closed = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i]);
        bool taken = false;
        if (gpl) {
            if (const auto m = gplColour.match(line); m.hasMatch()) {
                const int r = m.captured(1).toInt(), g = m.captured(2).toInt(),
                          b = m.captured(3).toInt();
                taken = r < 256 && g < 256 && b < 256;
                if (taken)
                    contents.colours.append(RgbColour(r, g, b));
            } else {
                taken = gplOther.match(line).hasMatch();
            }
        } else if (const auto m = cssColour.match(line); m.hasMatch() && !closed) {
            const uint rgb = m.captured(1).toUInt(nullptr, 16);
            contents.colours.append(RgbColour(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
            taken = true;
        } else {
            taken = line.isEmpty() || (line == u'}' && !std::exchange(closed, true));
        }
        if (!taken)
            return {{}, SwatchFileContents::BadLine, int(i + 1)};
    }
    if (css && !closed)
        return {{}, SwatchFileContents::BadLine, int(lines.size())};
    return contents;
}
