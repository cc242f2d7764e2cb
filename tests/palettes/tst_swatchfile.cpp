#include "palettes/swatchfile.h"

#include <QTest>

using Colours = QList<ColourValue>;

class tst_SwatchFile : public QObject
{
    Q_OBJECT

private slots:
    // What is written reads back as the same colours, in both formats, the extremes included.
    void roundTrip()
    {
        Colours colours{RgbColour(255, 102, 0), 0, RgbColour(255, 255, 255)};
        for (int i = 0; i < 61; ++i)
            colours.append(RgbColour(i * 4, 255 - i, i));
        for (SwatchFormat format : {SwatchFormat::Gpl, SwatchFormat::Css}) {
            const SwatchFileContents read = ReadSwatchFile(SwatchFileText(colours, format));
            QCOMPARE(read.problem, SwatchFileContents::None);
            QCOMPARE(read.colours, colours);
        }
        QCOMPARE(SwatchFileText({RgbColour(255, 102, 0)}, SwatchFormat::Css),
                 ":root {\n  --swatch-1: #ff6600;\n}\n");
        QVERIFY(SwatchFileText({RgbColour(255, 102, 0)}, SwatchFormat::Gpl)
                    .endsWith("\n255 102   0\tSwatch 1\n"));
    }

    // Files as other programs write them, and files that are no palette: those give no colours.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("line");
        QTest::addColumn<Colours>("colours");
        const Colours orange{RgbColour(255, 102, 0)};
        QTest::newRow("GIMP's own, CR LF, a BOM, names, comments and columns")
            << QByteArray(
                   "\xEF\xBB\xBFGIMP Palette\r\nName: Web\r\nColumns: 16\r\n# made by hand\r\n"
                   "\r\n255 102 0 orange peel\r\n  0\t 0\t 0\tBlack\r\n")
            << 0 << 0 << Colours{RgbColour(255, 102, 0), 0};
        QTest::newRow("no name after the numbers")
            << QByteArray("GIMP Palette\n255 102 0") << 0 << 0 << orange;
        QTest::newRow("empty") << QByteArray() << 2 << 0 << Colours{};
        QTest::newRow("another format") << QByteArray("P6 1 1 255\n") << 2 << 0 << Colours{};
        QTest::newRow("two numbers")
            << QByteArray("GIMP Palette\n255 102\n") << 3 << 2 << Colours{};
        QTest::newRow("a part above 255, after a good line")
            << QByteArray("GIMP Palette\n1 2 3\n256 0 0\n") << 3 << 3 << Colours{};
        QTest::newRow("a negative part")
            << QByteArray("GIMP Palette\n-1 0 0\n") << 3 << 2 << Colours{};
        QTest::newRow("CSS, other names and spacing")
            << QByteArray(":root {\n--brand:#FF6600 ;\n\n}\n") << 0 << 0 << orange;
        QTest::newRow("CSS, not closed")
            << QByteArray(":root {\n  --a: #ff6600;\n") << 3 << 3 << Colours{};
        QTest::newRow("CSS, a colour after the close")
            << QByteArray(":root {\n}\n  --a: #ff6600;\n") << 3 << 3 << Colours{};
        QTest::newRow("CSS, a short hex")
            << QByteArray(":root {\n  --a: #f60;\n}\n") << 3 << 2 << Colours{};
        QTest::newRow("too large") << QByteArray(SwatchFileLimit + 1, '\n') << 1 << 0 << Colours{};
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, problem);
        QFETCH(int, line);
        QFETCH(Colours, colours);
        const SwatchFileContents read = ReadSwatchFile(bytes);
        QCOMPARE(int(read.problem), problem);
        QCOMPARE(read.line, line);
        QCOMPARE(read.colours, colours);
    }
};

QTEST_GUILESS_MAIN(tst_SwatchFile)
#include "tst_swatchfile.moc"
