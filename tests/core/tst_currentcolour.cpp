#include "core/colournames.h"
#include "core/copyactions.h"
#include "core/copyoptions.h"
#include "core/copytext.h"
#include "core/currentcolour.h"
#include "core/systemcolours.h"
#include "core/twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

// The current-colour display and the copies read from it, on a box of the main window's size.
class tst_CurrentColour : public QObject
{
    Q_OBJECT

    ColourDisplay m_picMain;
    QLabel *m_upper = m_picMain.lblHexName[0];
    QLabel *m_lower = m_picMain.lblHexName[1];

    static int Name(const char *name) { return FindColourName(QLatin1String(name)).value(); }

    static int SystemName(const char *name)
    {
        int index = 0;
        while (SystemColourEntry(index).name != QLatin1String(name))
            ++index;
        return index;
    }

    static ColourValue TextColour(const QLabel *label)
    {
        return ColourOf(label->palette().color(QPalette::WindowText));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(TwipsPerPixel(), 15);
        m_picMain.resize(2730 / 15, 1110 / 15);
        for (QLabel *label : {m_upper, m_lower})
            label->resize(5, 16);
    }

    void twipsPerPixel_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::newRow("96") << 96.0 << 15;
        QTest::newRow("120") << 120.0 << 12;
        QTest::newRow("none") << 0.0 << 15;
    }
    void twipsPerPixel()
    {
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QCOMPARE(TwipsPerPixelAt(dpi), twips);
    }

    // Container 2730 x 1110 twips, control 240 high and 75 wide unless the row says: each flag
    // sets one coordinate.
    void centreInContainer_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QPoint>("place"); // twips
        QTest::addColumn<int>("width");    // twips
        QTest::newRow("across") << 2 << QPoint(1365 - 37, 300) << 75;
        QTest::newRow("wider than the container") << 2 << QPoint(-135, 300) << 3000;
        QTest::newRow("up and down") << 1 << QPoint(150, 555 - 120) << 75;
        QTest::newRow("above") << 4 << QPoint(150, 555 - (480 - 60)) << 75;
        QTest::newRow("below") << 8 << QPoint(150, 555 + 120) << 75;
        QTest::newRow("lower caption") << 10 << QPoint(1365 - 37, 675) << 75;
        QTest::newRow("below wins over the rest") << 13 << QPoint(150, 675) << 75;
        QTest::newRow("above wins over up and down") << 5 << QPoint(150, 135) << 75;
        QTest::newRow("none") << 0 << QPoint(150, 300) << 75;
    }
    void centreInContainer()
    {
        QFETCH(int, flags);
        QFETCH(QPoint, place);
        QFETCH(int, width);
        QWidget container;
        container.resize(2730 / 15, 1110 / 15);
        QWidget control(&container);
        control.setGeometry(10, 20, width / 15, 16);
        CentreInContainer(container, control, flags);
        QCOMPARE(control.pos(), QPoint(place.x() / 15, place.y() / 15));
    }

    void setCurrentColour_data()
    {
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("upperText");
        QTest::addColumn<ColourValue>("safe");
        QTest::addColumn<ColourValue>("upperTextColour");
        QTest::addColumn<ColourValue>("lowerTextColour");
        const ColourValue white = 0xFFFFFF, black = 0;
        QTest::newRow("tomato by name") << RgbColour(255, 99, 71) << 30 << Name("tomato")
                                        << "tomato" << RgbColour(255, 102, 51) << white << white;
        QTest::newRow("green 112 over green 102")
            << RgbColour(0, 112, 0) << 0 << 0 << "007000" << RgbColour(0, 102, 0) << black << white;
        QTest::newRow("system colour by name")
            << RgbColour(0, 0, 128) << 40 << SystemName("highlight") << "highlight"
            << RgbColour(0, 0, 153) << white << white;
        QTest::newRow("custom pick shows hex") << RgbColour(255, 99, 71) << 50 << 131 << "FF6347"
                                               << RgbColour(255, 102, 51) << white << white;
    }
    void setCurrentColour()
    {
        QFETCH(ColourValue, colour);
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(QString, upperText);
        QFETCH(ColourValue, safe);
        QFETCH(ColourValue, upperTextColour);
        QFETCH(ColourValue, lowerTextColour);
        m_upper->move(0, 9);
        SetCurrentColour(m_picMain, colour, PaletteKind(kind), index);
        QCOMPARE(m_upper->text(), upperText);
        QCOMPARE(m_lower->text(), HexText(safe));
        QCOMPARE(ReadSwatchColour(m_picMain, TrueSwatch), colour);
        QCOMPARE(ReadSwatchColour(m_picMain, SafeSwatch), safe);
        QCOMPARE(ReadSwatchColour(m_picMain, Swatch(3)), NoColour);
        QCOMPARE(TextColour(m_upper), upperTextColour);
        QCOMPARE(TextColour(m_lower), lowerTextColour);
        // Centred across again for its new width; its height place is kept.
        QCOMPARE(m_upper->x(), (2730 / 2 - m_upper->width() * 15 / 2) / 15);
        QCOMPARE(m_upper->y(), 9);
        // The bands meet at 515 twips.
        QCOMPARE(m_picMain.Point(0, 495), colour);
        QCOMPARE(m_picMain.Point(0, 525), safe);
    }

    // After tomato is picked by name with instant copy on, the copies take the name, then the
    // true and the safe colour; with instant copy off a pick leaves the clipboard as it is.
    void copies()
    {
        CopyOptions options{
            Quotes | PoundSign | AvailableNames | InstantCopy, EightBit, 3, Html, 1, 1};
        QClipboard *clipboard = QGuiApplication::clipboard();
        SetCurrentColour(m_picMain, RgbColour(255, 99, 71), NamesPalette, Name("tomato"));
        CopyPickedColour(m_picMain, options, NamesPaletteCopy);
        QCOMPARE(clipboard->text(), "\"TOMATO\"");
        QCOMPARE(CopyTrueColour(m_picMain, options), "Copied true colour");
        QCOMPARE(clipboard->text(), "\"#FF6347\"");
        QCOMPARE(CopySafeColour(m_picMain, options), "Copied safe colour");
        QCOMPARE(clipboard->text(), "\"#FF6633\"");

        options.copyFlags &= ~CopyFlags(InstantCopy);
        clipboard->setText(QStringLiteral("untouched"));
        CopyPickedColour(m_picMain, options, NamesPaletteCopy);
        QCOMPARE(clipboard->text(), QStringLiteral("untouched"));
    }

    // The safe copy takes the stored safe colour as it is shown, not one worked out from the true
    // colour; the captions of stored colours are the main window's load test's.
    void storedColoursShownAsStored()
    {
        ShowStoredColours(m_picMain, RgbColour(1, 2, 3), RgbColour(9, 9, 9));
        CopySafeColour(m_picMain, CopyOptions{PoundSign});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#090909"));
    }
};

QTEST_MAIN(tst_CurrentColour)
#include "tst_currentcolour.moc"
