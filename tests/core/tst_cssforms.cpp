#include "core/colournames.h"
#include "core/contrast.h"
#include "core/cssforms.h"

#include <QTest>

// The expected texts were computed apart from the program, from the CSS Color 4 formulas (its
// sample code's path through XYZ, not the program's direct matrices) and Python's colorsys.
class tst_CssForms : public QObject
{
    Q_OBJECT

private slots:
    void forms_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("shortHex"); // empty where there is none
        QTest::addColumn<QString>("hsl");
        QTest::addColumn<QString>("oklch");
        const auto row = [](const char *hex, const char *shortHex, const char *hsl,
                            const char *oklch) {
            QTest::newRow(hex) << hex << shortHex << hsl << oklch;
        };
        row("000000", "#000", "hsl(0 0% 0%)", "oklch(0.00% 0 0)");
        row("FFFFFF", "#fff", "hsl(0 0% 100%)", "oklch(100.00% 0 0)");
        row("808080", "", "hsl(0 0% 50.2%)", "oklch(59.99% 0 0)");
        row("777777", "#777", "hsl(0 0% 46.67%)", "oklch(56.93% 0 0)");
        row("FF0000", "#f00", "hsl(0 100% 50%)", "oklch(62.80% 0.258 29.23)");
        row("00FF00", "#0f0", "hsl(120 100% 50%)", "oklch(86.64% 0.295 142.50)");
        row("0000FF", "#00f", "hsl(240 100% 50%)", "oklch(45.20% 0.313 264.05)");
        row("FF6600", "#f60", "hsl(24 100% 50%)", "oklch(69.58% 0.204 43.49)");
        row("00008B", "", "hsl(240 100% 27.25%)", "oklch(28.78% 0.199 264.05)");
        row("123456", "", "hsl(210 65.38% 20.39%)", "oklch(31.92% 0.072 251.17)");
        // Hues just past 0 and just short of 360 in OKLab, and just short of 360 in HSL.
        row("E34B87", "", "hsl(336.32 73.08% 59.22%)", "oklch(63.90% 0.194 0.00)");
        row("AF2160", "", "hsl(333.38 68.27% 40.78%)", "oklch(50.37% 0.182 0.00)");
        row("FF0001", "", "hsl(359.76 100% 50%)", "oklch(62.80% 0.258 29.18)");
    }
    void forms()
    {
        QFETCH(QString, hex);
        QFETCH(QString, shortHex);
        QFETCH(QString, hsl);
        QFETCH(QString, oklch);
        const ColourValue c = ParseHexPairs(hex);
        QCOMPARE(CssHexText(c), "#" + hex.toLower());
        QCOMPARE(CssShortHexText(c).value_or(QString()), shortHex);
        QCOMPARE(CssRgbText(c), QStringLiteral("rgb(%1 %2 %3)")
                                    .arg(hex.mid(0, 2).toInt(nullptr, 16))
                                    .arg(hex.mid(2, 2).toInt(nullptr, 16))
                                    .arg(hex.mid(4, 2).toInt(nullptr, 16)));
        QCOMPARE(CssHslText(c), hsl);
        QCOMPARE(CssOklchText(c), oklch);
        QCOMPARE(CssCustomPropertyText(c), QStringLiteral("--colour-%1: #%1;").arg(hex.toLower()));
    }

    // Every verdict boundary from both sides, against white; the ratio shown is rounded down.
    void contrast_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("passes"); // AA normal, AA large, AAA normal, AAA large
        QTest::newRow("black") << "000000"
                               << "21.00:1"
                               << "1111";
        QTest::newRow("AAA normal, just") << "595959"
                                          << "7.00:1"
                                          << "1111";
        QTest::newRow("AAA normal, just not") << "5A5A5A"
                                              << "6.89:1"
                                              << "1101";
        QTest::newRow("AA normal, just") << "767676"
                                         << "4.54:1"
                                         << "1101";
        QTest::newRow("AA normal, just not") << "777777"
                                             << "4.47:1"
                                             << "0100";
        QTest::newRow("AA large, just") << "949494"
                                        << "3.03:1"
                                        << "0100";
        QTest::newRow("AA large, just not") << "959595"
                                            << "2.99:1"
                                            << "0000";
        QTest::newRow("FF6600") << "FF6600"
                                << "2.93:1"
                                << "0000";
        QTest::newRow("white") << "FFFFFF"
                               << "1.00:1"
                               << "0000";
    }
    void contrast()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, passes);
        const double ratio = ContrastRatio(ParseHexPairs(text), RgbColour(255, 255, 255));
        QCOMPARE(ContrastRatio(RgbColour(255, 255, 255), ParseHexPairs(text)), ratio);
        QCOMPARE(ContrastRatioText(ratio), shown);
        const ContrastVerdicts v = ContrastVerdictsOf(ratio);
        QCOMPARE(
            QString("%1%2%3%4").arg(v.aaNormal).arg(v.aaLarge).arg(v.aaaNormal).arg(v.aaaLarge),
            passes);
        // A verdict reads the ratio as computed: just under 4.5 shows 4.49 and fails.
        QCOMPARE(ContrastRatioText(4.4999), "4.49:1");
        QVERIFY(!ContrastVerdictsOf(4.4999).aaNormal && ContrastVerdictsOf(4.5).aaNormal);
    }
};

QTEST_GUILESS_MAIN(tst_CssForms)
#include "tst_cssforms.moc"
