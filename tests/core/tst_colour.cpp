#include "core/colour.h"
#include "core/colournames.h"

#include <QLocale>
#include <QTest>

class tst_Colour : public QObject
{
    Q_OBJECT

private slots:
    // The examples are written with a decimal point, whatever the machine's number settings say.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void hexText_data()
    {
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<QString>("hex");
        QTest::newRow("mixed") << RgbColour(128, 200, 1) << "80C801";
        QTest::newRow("one digit parts") << RgbColour(10, 0, 15) << "0A000F";
    }
    void hexText()
    {
        QFETCH(ColourValue, colour);
        QFETCH(QString, hex);
        QCOMPARE(HexText(colour), hex);
    }

    void formatPlaces_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing zeros kept") << 102 / 255.0 << 3 << "0.400";
        QTest::newRow("decimal half up") << 0.125 << 2 << "0.13";
        QTest::newRow("half to whole") << 2.5 << 0 << "3";
        QTest::newRow("negative half away from zero") << -2.5 << 0 << "-3";
        QTest::newRow("below half") << 0.0004 << 3 << "0.000";
        QTest::newRow("carry into whole") << 0.9996 << 3 << "1.000";
        QTest::newRow("whole digits") << 1234.5678 << 2 << "1234.57";
        QTest::newRow("fifteen digits, then zeros")
            << 128 / 255.0 << 20 << "0.50196078431372500000";
    }
    void formatPlaces()
    {
        QFETCH(double, x);
        QFETCH(int, places);
        QFETCH(QString, text);
        QCOMPARE(FormatPlaces(x, places), text);
    }

    void floatText_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 p3") << 1 << 3 << "0.004";
        QTest::newRow("1 p2") << 1 << 2 << "0.0";
        QTest::newRow("254 p2") << 254 << 2 << "1.0";
        QTest::newRow("250 p1") << 250 << 1 << "1.0";
        QTest::newRow("128 p20") << 128 << 20 << "0.501960784313725";
        QTest::newRow("255 p100") << 255 << 100 << "1.0";
        QTest::newRow("3 p2") << 3 << 2 << "0.01";
        QTest::newRow("3 p3") << 3 << 3 << "0.012";
        QTest::newRow("3 p4") << 3 << 4 << "0.0118";
        for (int precision : {1, 2, 3, 10}) {
            for (auto [part, text] :
                 {std::pair{51, "0.2"}, {102, "0.4"}, {153, "0.6"}, {204, "0.8"}})
                QTest::addRow("%d p%d", part, precision) << part << precision << QString(text);
        }
    }
    void floatText()
    {
        QFETCH(int, part);
        QFETCH(int, precision);
        QFETCH(QString, text);
        QCOMPARE(RedFloatText(RgbColour(part, 7, 9), precision), text);
        QCOMPARE(GreenFloatText(RgbColour(7, part, 9), precision), text);
        QCOMPARE(BlueFloatText(RgbColour(7, 9, part), precision), text);
    }

    void rgbText_data()
    {
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("text");
        const ColourValue mixed = RgbColour(128, 200, 1);
        QTest::newRow("precision 0 is 3") << mixed << int(Float) << 0 << "rgb 0.502 0.784 0.004";
        QTest::newRow("mode 0") << mixed << 0 << 3 << "";
        QTest::newRow("mode 4") << mixed << 4 << 3 << "";
    }
    void rgbText()
    {
        QFETCH(ColourValue, colour);
        QFETCH(int, mode);
        QFETCH(int, precision);
        QFETCH(QString, text);
        QCOMPARE(RgbText(colour, RgbMode(mode), precision), text);
    }

    // The level follows the high hex digit alone: 0x4F goes to 0x33 although 0x66 is nearer.
    void safeColour_data()
    {
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<ColourValue>("safe");
        const std::pair<int, int> boundaries[] = {{0, 0},     {31, 0},    {32, 51},   {79, 51},
                                                  {80, 102},  {127, 102}, {128, 153}, {175, 153},
                                                  {176, 204}, {223, 204}, {224, 255}, {255, 255}};
        for (auto [part, level] : boundaries)
            QTest::addRow("%d", part)
                << RgbColour(part, part, part) << RgbColour(level, level, level);
        const std::pair<const char *, const char *> hexes[] = {
            {"FF6600", "FF6600"}, {"80C801", "99CC00"}, {"FE0333", "FF0033"}, {"8A2BE2", "9933FF"}};
        for (auto [hex, safe] : hexes)
            QTest::newRow(hex) << ParseHexPairs(QString(hex)) << ParseHexPairs(QString(safe));
    }
    void safeColour()
    {
        QFETCH(ColourValue, colour);
        QFETCH(ColourValue, safe);
        QCOMPARE(SafeColour(colour), safe);
    }

    // The text over a colour follows its green alone: white below 103, else black.
    void contrastTextColour_data()
    {
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<ColourValue>("text");
        const ColourValue white = 0xFFFFFF;
        QTest::newRow("green 102") << RgbColour(0, 102, 0) << white;
        QTest::newRow("green 103") << RgbColour(0, 103, 0) << 0;
        QTest::newRow("green 102 under full red and blue") << RgbColour(255, 102, 255) << white;
    }
    void contrastTextColour()
    {
        QFETCH(ColourValue, colour);
        QFETCH(ColourValue, text);
        QCOMPARE(ContrastTextColour(colour), text);
    }

    void decimalCommaFollowsLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FormatPlaces(0.4, 3), "0,400");
        QCOMPARE(RedFloatText(128, 3), "0,502");
        QCOMPARE(RgbText(RgbColour(255, 102, 0), Float, 3), "rgb 1,0 0,4 0,0");
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(tst_Colour)
#include "tst_colour.moc"
