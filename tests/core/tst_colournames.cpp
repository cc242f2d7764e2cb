#include "core/colournames.h"

#include <QColor>
#include <QRegularExpression>
#include <QTest>

class tst_ColourNames : public QObject
{
    Q_OBJECT

private slots:
    // The HTML colour names are the SVG names Qt knows, in alphabetical order, with grey spelt
    // gray only, and with three marks of the older browsers' list: cornflower for cornflowerblue,
    // lightgreen before lightgray, and darkseagreen 8FBC8B where SVG has 8FBC8F.
    void htmlTable()
    {
        QStringList names =
            QColor::colorNames().filter(QRegularExpression("^(?!.*grey|transparent)"));
        names.replaceInStrings("cornflowerblue", "cornflower");
        names.sort();
        names.swapItemsAt(names.indexOf("lightgray"), names.indexOf("lightgreen"));
        QCOMPARE(names.size(), ColourNameCount);
        for (int index = 0; index < ColourNameCount; ++index) {
            const ColourEntry entry = ColourNameEntry(index);
            QCOMPARE(entry.name, names[index]);
            QColor svg(entry.name == "cornflower" ? "cornflowerblue" : entry.name);
            if (entry.name == "darkseagreen")
                svg.setBlue(0x8B);
            QCOMPARE(entry.valueText, svg.name().mid(1).toUpper());
            QCOMPARE(ParseHexPairs(entry.valueText), RgbColour(svg.red(), svg.green(), svg.blue()));
            QCOMPARE(FindColourName(entry.name.toUpper()).value_or(-1), index);
        }
    }

    // The system colours in palette order, each with its platform index nn: "800000nn".
    void systemTable()
    {
        const std::pair<const char *, int> rows[] = {
            {"activeborder", 10},   {"activecaption", 2},    {"appworkspace", 12},
            {"background", 1},      {"buttonface", 15},      {"buttonhighlight", 20},
            {"buttonshadow", 16},   {"buttontext", 18},      {"captiontext", 9},
            {"graytext", 17},       {"highlight", 13},       {"highlighttext", 14},
            {"inactiveborder", 11}, {"inactivecaption", 3},  {"inactivecaptiontext", 19},
            {"infobackground", 24}, {"infotext", 23},        {"menu", 4},
            {"menutext", 7},        {"scrollbar", 0},        {"threeddarkshadow", 21},
            {"threedface", 15},     {"threedhighlight", 20}, {"threedlightshadow", 22},
            {"threedshadow", 16},   {"window", 5},           {"windowframe", 6},
            {"windowtext", 8}};
        QCOMPARE(int(std::size(rows)), SystemColourCount);
        int index = 0;
        for (auto [name, platform] : rows) {
            const ColourEntry entry = SystemColourEntry(index++);
            QCOMPARE(entry.name, name);
            QCOMPARE(entry.valueText, QString::asprintf("800000%02X", platform));
            QCOMPARE(SystemColourReference(entry.valueText), int(0x80000000u | platform));
            QVERIFY(!FindColourName(name));
        }
    }

    void parseHexPairs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ColourValue>("colour");
        QTest::newRow("tomato") << "FF6347" << 4678655;
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
        QTest::newRow("grey") << "grey" << -1;
        QTest::newRow("blu") << "blu" << -1;
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
