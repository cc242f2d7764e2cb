#include "core/colournames.h"

#include <QTest>

namespace {

// The HTML colour names in palette order, each with its RRGGBB value.
const char HtmlColourNames[] =
    "aliceblue F0F8FF, antiquewhite FAEBD7, aqua 00FFFF, aquamarine 7FFFD4, azure F0FFFF, "
    "beige F5F5DC, bisque FFE4C4, black 000000, blanchedalmond FFEBCD, blue 0000FF, "
    "blueviolet 8A2BE2, brown A52A2A, burlywood DEB887, cadetblue 5F9EA0, chartreuse "
    "7FFF00, chocolate D2691E, coral FF7F50, cornflower 6495ED, cornsilk FFF8DC, crimson "
    "DC143C, cyan 00FFFF, darkblue 00008B, darkcyan 008B8B, darkgoldenrod B8860B, darkgray "
    "A9A9A9, darkgreen 006400, darkkhaki BDB76B, darkmagenta 8B008B, darkolivegreen 556B2F,"
    " darkorange FF8C00, darkorchid 9932CC, darkred 8B0000, darksalmon E9967A, darkseagreen"
    " 8FBC8B, darkslateblue 483D8B, darkslategray 2F4F4F, darkturquoise 00CED1, darkviolet "
    "9400D3, deeppink FF1493, deepskyblue 00BFFF, dimgray 696969, dodgerblue 1E90FF, "
    "firebrick B22222, floralwhite FFFAF0, forestgreen 228B22, fuchsia FF00FF, gainsboro "
    "DCDCDC, ghostwhite F8F8FF, gold FFD700, goldenrod DAA520, gray 808080, green 008000, "
    "greenyellow ADFF2F, honeydew F0FFF0, hotpink FF69B4, indianred CD5C5C, indigo 4B0082, "
    "ivory FFFFF0, khaki F0E68C, lavender E6E6FA, lavenderblush FFF0F5, lawngreen 7CFC00, "
    "lemonchiffon FFFACD, lightblue ADD8E6, lightcoral F08080, lightcyan E0FFFF, "
    "lightgoldenrodyellow FAFAD2, lightgreen 90EE90, lightgray D3D3D3, lightpink FFB6C1, "
    "lightsalmon FFA07A, lightseagreen 20B2AA, lightskyblue 87CEFA, lightslategray 778899, "
    "lightsteelblue B0C4DE, lightyellow FFFFE0, lime 00FF00, limegreen 32CD32, linen "
    "FAF0E6, magenta FF00FF, maroon 800000, mediumaquamarine 66CDAA, mediumblue 0000CD, "
    "mediumorchid BA55D3, mediumpurple 9370DB, mediumseagreen 3CB371, mediumslateblue "
    "7B68EE, mediumspringgreen 00FA9A, mediumturquoise 48D1CC, mediumvioletred C71585, "
    "midnightblue 191970, mintcream F5FFFA, mistyrose FFE4E1, moccasin FFE4B5, navajowhite "
    "FFDEAD, navy 000080, oldlace FDF5E6, olive 808000, olivedrab 6B8E23, orange FFA500, "
    "orangered FF4500, orchid DA70D6, palegoldenrod EEE8AA, palegreen 98FB98, paleturquoise"
    " AFEEEE, palevioletred DB7093, papayawhip FFEFD5, peachpuff FFDAB9, peru CD853F, pink "
    "FFC0CB, plum DDA0DD, powderblue B0E0E6, purple 800080, red FF0000, rosybrown BC8F8F, "
    "royalblue 4169E1, saddlebrown 8B4513, salmon FA8072, sandybrown F4A460, seagreen "
    "2E8B57, seashell FFF5EE, sienna A0522D, silver C0C0C0, skyblue 87CEEB, slateblue "
    "6A5ACD, slategray 708090, snow FFFAFA, springgreen 00FF7F, steelblue 4682B4, tan "
    "D2B48C, teal 008080, thistle D8BFD8, tomato FF6347, turquoise 40E0D0, violet EE82EE, "
    "wheat F5DEB3, white FFFFFF, whitesmoke F5F5F5, yellow FFFF00, yellowgreen 9ACD32";

// The system colours in palette order, each with its 800000nn value.
const char SystemColourNames[] =
    "activeborder 8000000A, activecaption 80000002, appworkspace 8000000C, "
    "background 80000001, buttonface 8000000F, buttonhighlight 80000014, "
    "buttonshadow 80000010, buttontext 80000012, captiontext 80000009, "
    "graytext 80000011, highlight 8000000D, highlighttext 8000000E, "
    "inactiveborder 8000000B, inactivecaption 80000003, "
    "inactivecaptiontext 80000013, infobackground 80000018, infotext 80000017, "
    "menu 80000004, menutext 80000007, scrollbar 80000000, "
    "threeddarkshadow 80000015, threedface 8000000F, threedhighlight 80000014, "
    "threedlightshadow 80000016, threedshadow 80000010, window 80000005, "
    "windowframe 80000006, windowtext 80000008";

// One row (index, name, value) per "name value" of a table.
void AddTableRows(const char *table, int count)
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    const QStringList rows = QString::fromLatin1(table).split(u',');
    QCOMPARE(rows.size(), count);
    for (int index = 0; index < count; ++index) {
        const QStringList row = rows[index].simplified().split(u' ');
        QTest::addRow("%d %s", index, qPrintable(row[0])) << index << row[0] << row[1];
    }
}

} // namespace

class tst_ColourNames : public QObject
{
    Q_OBJECT

private slots:
    void htmlTable_data() { AddTableRows(HtmlColourNames, ColourNameCount); }
    void htmlTable()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const ColourEntry entry = ColourNameEntry(index);
        QCOMPARE(entry.name, name);
        QCOMPARE(entry.valueText, value);
        const int rgb = value.toInt(nullptr, 16);
        QCOMPARE(ParseHexPairs(entry.valueText),
                 RgbColour(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        QCOMPARE(FindColourName(name.toUpper()).value_or(-1), index);
    }

    void systemTable_data() { AddTableRows(SystemColourNames, SystemColourCount); }
    void systemTable()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const ColourEntry entry = SystemColourEntry(index);
        QCOMPARE(entry.name, name);
        QCOMPARE(entry.valueText, value);
        QCOMPARE(SystemColourReference(entry.valueText),
                 int(0x80000000u | value.right(2).toUInt(nullptr, 16)));
        QVERIFY(!FindColourName(name));
    }

    void parseHexPairs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ColourValue>("colour");
        QTest::newRow("tomato") << "FF6347" << 4678655;
        QTest::newRow("black") << "000000" << 0;
        QTest::newRow("lower case") << "00ff7f" << RgbColour(0, 255, 127);
        QTest::newRow("five characters") << "FF634" << NoColour;
        QTest::newRow("seven characters") << "FF63470" << NoColour;
        QTest::newRow("empty") << "" << NoColour;
        QTest::newRow("pair read to its first non-digit") << "G11GFF" << RgbColour(0, 1, 255);
    }
    void parseHexPairs()
    {
        QFETCH(QString, text);
        QFETCH(ColourValue, colour);
        QCOMPARE(ParseHexPairs(text), colour);
    }

    void findColourName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index"); // -1: not found
        QTest::newRow("Red") << "Red" << 113;
        QTest::newRow("RED") << "RED" << 113;
        QTest::newRow("red") << "red" << 113;
        QTest::newRow("gray") << "gray" << 50;
        QTest::newRow("Gray") << "Gray" << 50;
        QTest::newRow("GRAY") << "GRAY" << 50;
        QTest::newRow("aqua") << "aqua" << 2;
        QTest::newRow("cyan, same colour") << "cyan" << 20;
        QTest::newRow("grey") << "grey" << -1;
        QTest::newRow("blu") << "blu" << -1;
        QTest::newRow("system name") << "buttonface" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void findColourName()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(FindColourName(text).value_or(-1), index);
    }
};

QTEST_GUILESS_MAIN(tst_ColourNames)
#include "tst_colournames.moc"
