#include "core/copytext.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(CopyOptions)

class tst_CopyText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void composeCopyText_data()
    {
        QTest::addColumn<CopyOptions>("options");
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<CopySource>("source");
        QTest::addColumn<CopyKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");

        const int Q = Quotes, L = Lowercase, P = PoundSign, R = UseRgb, T = IncludeTag,
                  A = AvailableNames;
        // A colour the finder took, FF6600 unless the row gives another.
        auto row = [](const char *name, int flags, TagKind tag, int index, const char *text,
                      RgbMode mode = EightBit, int precision = 3,
                      ColourValue colour = RgbColour(255, 102, 0)) {
            const CopyOptions options{
                CopyFlags::fromInt(flags), mode, precision, tag, index, index};
            QTest::newRow(name) << options << colour << FinderCopy << TrueColourKind << QString()
                                << QString(text);
        };
        // A colour from a source with a name shown, tomato unless the row gives another.
        auto named = [](const char *name, int flags, CopySource source, const char *caption,
                        const char *text, ColourValue colour = RgbColour(255, 99, 71),
                        CopyKind kind = TrueColourKind) {
            const CopyOptions options{CopyFlags::fromInt(flags), EightBit, 3, Html, 1, 1};
            QTest::newRow(name) << options << colour << source << kind << QString(caption)
                                << QString(text);
        };

        row("html bgcolor lower", Q | P | L | T, Html, 3, "bgcolor=\"#ff6600\"");
        row("css rgb lower", L | R | T, Css, 2, "background-color: rgb(255, 102, 0)");
        row("css rgb upper", R | T, Css, 2, "BACKGROUND-COLOR: RGB(255, 102, 0)");
        row("css quoted lower", Q | P | L | T, Css, 1, "color: \"#ff6600\"");
        row("inline, quotes off", P | L | T, InlineCss, 1, "\"this.style.color='#ff6600'\"");
        row("inline, quotes on", Q | P | L | T, InlineCss, 1, "\"this.style.color='#ff6600'\"");
        row("inline bottom border upper", P | T, InlineCss, 5,
            "\"THIS.STYLE.BORDER-BOTTOM-COLOR='#FF6600'\"");
        row("html percent", Q | L | R | T, Html, 1, "color=\"rgb(100%, 40%, 0%)\"", Percent);
        row("float p2 quoted", Q | L | R, Html, 1, "\"rgb 0.5 0.78 0.0\"", Float, 2,
            RgbColour(128, 200, 1));
        row("tag kind out of range", Q | P | T, TagKind(4), 1, "\"#FF6600\"");

        const CopySource names = NamesPaletteCopy;
        named("name, html lower", Q | L | A | T, names, "tomato", "color=\"tomato\"");
        named("name, html upper", Q | A | T, names, "tomato", "COLOR=\"TOMATO\"");
        named("name wins over rgb", L | R | A, names, "tomato", "tomato");
        named("pound sign ignored by names", P | L | A, names, "tomato", "tomato");
        named("system name", Q | L | A, SystemPaletteCopy, "buttonface", "\"buttonface\"",
              0xC0C0C0);
        named("names without available names", Q | P, names, "tomato", "\"#FF6347\"");
        named("greyscale never named", Q | P | A, GreyPaletteCopy, "gray", "\"#808080\"", 0x808080);
        named("safe colour of a name", Q | P | A, names, "tomato", "\"#FF6633\"",
              RgbColour(255, 102, 51), SafeColourKind);
        named("copy true after a name", Q | P | A, CopyTrueColourCommand, "tomato", "\"#FF6347\"");

        // The CSS forms as they are, though the options would quote, tag and raise them.
        const int shaped = Q | P | R | T;
        const ColourValue orange = RgbColour(255, 102, 0), grey = 0x808080;
        named("css short hex", shaped, CssShortHexCopy, "", "#f60", orange);
        named("css short hex of a grey without one", shaped, CssShortHexCopy, "", "#808080", grey);
        named("css rgb", shaped, CssRgbCopy, "", "rgb(255 102 0)", orange);
        named("css hsl", shaped, CssHslCopy, "", "hsl(24 100% 50%)", orange);
        named("css oklch of a grey", shaped, CssOklchCopy, "", "oklch(59.99% 0 0)", grey);
        named("css custom property", shaped, CssCustomPropertyCopy, "", "--colour-ff6600: #ff6600;",
              orange);
    }
    void composeCopyText()
    {
        QFETCH(CopyOptions, options);
        QFETCH(ColourValue, colour);
        QFETCH(CopySource, source);
        QFETCH(CopyKind, kind);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QCOMPARE(ComposeCopyText(colour, source, kind, options, caption), text);
    }
};

QTEST_GUILESS_MAIN(tst_CopyText)
#include "tst_copytext.moc"
