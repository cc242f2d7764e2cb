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
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");

        const int Q = Quotes, L = Lowercase, P = PoundSign, R = UseRgb, T = IncludeTag,
                  A = AvailableNames;
        const ColourValue orange = RgbColour(255, 102, 0);
        const ColourValue mixed = RgbColour(128, 200, 1);
        const ColourValue tomato = RgbColour(255, 99, 71);
        auto row = [&](const char *name, int flags, int mode, int precision, int tag, int index,
                       ColourValue colour, int source, int kind, const char *caption,
                       const char *text) {
            const CopyOptions options{
                CopyFlags::fromInt(flags), mode, precision, tag, index, index};
            QTest::newRow(name) << options << colour << source << kind << QString(caption)
                                << QString(text);
        };
        const int finder = FinderCopy, names = NamesPaletteCopy, system = SystemPaletteCopy;
        const int grey = GreyPaletteCopy, copyTrue = CopyTrueColourCommand;
        const int safe = SafeColourKind;

        row("defaults", Q | P | A, 1, 3, 1, 1, orange, finder, 0, "FF6600", "\"#FF6600\"");
        row("no flags", 0, 1, 3, 1, 1, orange, finder, 0, "", "FF6600");
        row("pound, lower", P | L, 1, 3, 1, 1, orange, finder, 0, "", "#ff6600");
        row("html bgcolor lower", Q | P | L | T, 1, 3, Html, 3, orange, finder, 0, "",
            "bgcolor=\"#ff6600\"");
        row("html bgcolor upper", Q | P | T, 1, 3, Html, 3, orange, finder, 0, "",
            "BGCOLOR=\"#FF6600\"");
        row("css rgb lower", L | R | T, EightBit, 3, Css, 2, orange, finder, 0, "",
            "background-color: rgb(255, 102, 0)");
        row("css rgb upper", R | T, EightBit, 3, Css, 2, orange, finder, 0, "",
            "BACKGROUND-COLOR: RGB(255, 102, 0)");
        row("css quoted lower", Q | P | L | T, 1, 3, Css, 1, orange, finder, 0, "",
            "color: \"#ff6600\"");
        row("css quoted upper", Q | P | T, 1, 3, Css, 1, orange, finder, 0, "",
            "COLOR: \"#FF6600\"");
        row("inline, quotes off", P | L | T, 1, 3, InlineCss, 1, orange, finder, 0, "",
            "\"this.style.color='#ff6600'\"");
        row("inline, quotes on", Q | P | L | T, 1, 3, InlineCss, 1, orange, finder, 0, "",
            "\"this.style.color='#ff6600'\"");
        row("inline bottom border upper", P | T, 1, 3, InlineCss, 5, orange, finder, 0, "",
            "\"THIS.STYLE.BORDER-BOTTOM-COLOR='#FF6600'\"");
        row("html percent", Q | L | R | T, Percent, 3, Html, 1, orange, finder, 0, "",
            "color=\"rgb(100%, 40%, 0%)\"");
        row("float p3", L | R, Float, 3, 1, 1, orange, finder, 0, "", "rgb 1.0 0.4 0.0");
        row("float p2 quoted", Q | L | R, Float, 2, 1, 1, mixed, finder, 0, "",
            "\"rgb 0.5 0.78 0.0\"");
        row("pound sign ignored by rgb", P | L | R, EightBit, 3, 1, 1, orange, finder, 0, "",
            "rgb(255, 102, 0)");
        row("tag kind out of range", Q | P | T, 1, 3, 4, 1, orange, finder, 0, "", "\"#FF6600\"");

        row("name, html lower", Q | L | A | T, 1, 3, Html, 1, tomato, names, 0, "tomato",
            "color=\"tomato\"");
        row("name, html upper", Q | A | T, 1, 3, Html, 1, tomato, names, 0, "tomato",
            "COLOR=\"TOMATO\"");
        row("name wins over rgb", L | R | A, EightBit, 3, 1, 1, tomato, names, 0, "tomato",
            "tomato");
        row("pound sign ignored by names", P | L | A, 1, 3, 1, 1, tomato, names, 0, "tomato",
            "tomato");
        row("system name", Q | L | A, 1, 3, 1, 1, 0xC0C0C0, system, 0, "buttonface",
            "\"buttonface\"");
        row("names without available names", Q | P, 1, 3, 1, 1, tomato, names, 0, "tomato",
            "\"#FF6347\"");
        row("greyscale never named", Q | P | A, 1, 3, 1, 1, 0x808080, grey, 0, "gray",
            "\"#808080\"");
        row("safe colour of a name", Q | P | A, 1, 3, 1, 1, RgbColour(255, 102, 51), names, safe,
            "tomato", "\"#FF6633\"");
        row("copy true after a name", Q | P | A, 1, 3, 1, 1, tomato, copyTrue, 0, "tomato",
            "\"#FF6347\"");
    }
    void composeCopyText()
    {
        QFETCH(CopyOptions, options);
        QFETCH(ColourValue, colour);
        QFETCH(int, source);
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QCOMPARE(ComposeCopyText(colour, source, kind, options, caption), text);
    }
};

QTEST_GUILESS_MAIN(tst_CopyText)
#include "tst_copytext.moc"
