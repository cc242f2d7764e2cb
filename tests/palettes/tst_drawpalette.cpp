#include "core/picturebox.h"
#include "core/systemcolours.h"
#include "palettes/drawpalette.h"
#include "palettes/palettekind.h"
#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QTemporaryDir>
#include <QTest>

// The palettes as drawn into a box of the main window's palette size, read back point by point.
class tst_DrawPalette : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PictureBox m_picPalette;

    // The colour in the middle of a cell (column and row from 1) of a grid with these steps.
    ColourValue CellColour(int column, int row, int columnStep, int rowStep) const
    {
        return m_picPalette.Point((column - 1) * columnStep + columnStep / 2,
                                  (row - 1) * rowStep + rowStep / 2);
    }

private slots:
    void initTestCase()
    {
        SetSettingsBackend(std::make_unique<FileBackend>(m_dir.filePath("registry.reg")));
        CreateKey(Schema::ColoursKey);
        m_picPalette.resize(3255 / 15, 1530 / 15);
        m_picPalette.SetBackColour(0x123456);
    }

    void cells_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<ColourValue>("colour");
        const auto web = [](int rgb) { return RgbColour(rgb >> 16, (rgb >> 8) & 255, rgb & 255); };
        QTest::newRow("safe 1,1") << 10 << 1 << 1 << web(0xFFFFFF);
        QTest::newRow("safe 1,2") << 10 << 1 << 2 << web(0xFFFFCC);
        QTest::newRow("safe 2,1") << 10 << 2 << 1 << web(0xFFCCFF);
        QTest::newRow("safe 7,1") << 10 << 7 << 1 << web(0xCCFFFF);
        QTest::newRow("safe 36,6") << 10 << 36 << 6 << web(0x000000);
        QTest::newRow("safe 37,2") << 10 << 37 << 2 << web(0xCCCCCC);
        QTest::newRow("safe 37,6") << 10 << 37 << 6 << web(0x000000);
        QTest::newRow("grey 1,1") << 20 << 1 << 1 << web(0xFFFFFF);
        QTest::newRow("grey 1,2") << 20 << 1 << 2 << web(0xFEFEFE);
        QTest::newRow("grey 2,1") << 20 << 2 << 1 << web(0xF7F7F7);
        QTest::newRow("grey 32,8") << 20 << 32 << 8 << web(0x000000);
        QTest::newRow("names aliceblue") << 30 << 1 << 1 << web(0xF0F8FF);
        QTest::newRow("names blue") << 30 << 1 << 10 << web(0x0000FF);
        QTest::newRow("names teal") << 30 << 14 << 1 << web(0x008080);
        QTest::newRow("names yellowgreen") << 30 << 14 << 10 << web(0x9ACD32);
        QTest::newRow("system activeborder") << 40 << 1 << 1 << ColourOf(ResolveColour(0x8000000A));
        QTest::newRow("system windowtext") << 40 << 7 << 4 << ColourOf(ResolveColour(0x80000008));
    }
    void cells()
    {
        QFETCH(int, kind);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(ColourValue, colour);
        DrawPalette(m_picPalette, kind);
        const PaletteGrid grid = GridOf(kind);
        const int width = 3180 + (kind == SafePalette ? 10 : 0);
        QCOMPARE(CellColour(column, row, width / grid.columns, 1455 / grid.rows), colour);
    }

    // The darkest greys draw a line beside the last column, 110 twips right of its cells' left.
    void greyscaleDarkLine()
    {
        DrawPalette(m_picPalette, GreyPalette);
        const int x = 31 * 99 + 110;
        QCOMPARE(m_picPalette.Point(x, 7 * 181 + 100), RgbColour(0, 0, 0));
        QCOMPARE(m_picPalette.Point(x, 100), RgbColour(7, 7, 7));
        QCOMPARE(m_picPalette.Point(x + 30, 100), 0x123456);
    }

    void customPalette()
    {
        const ColourValue buttonFace = ColourOf(ResolveColour(0x8000000F));
        const ColourValue greyText = ColourOf(ResolveColour(0x80000011));
        for (int index = 0; index < Schema::SwatchCount; ++index)
            DeleteValue(Schema::Swatch(index));
        DrawPalette(m_picPalette, CustomPalette);
        QCOMPARE(m_picPalette.Point(0, 0), greyText);
        QCOMPARE(m_picPalette.Point(397 * 7 + 200, 181 * 7 + 90), buttonFace);

        SaveValue(Schema::Swatch(5), 0x0066FF);
        SaveValue(Schema::Swatch(63), QStringLiteral("not a number"));
        DrawPalette(m_picPalette, CustomPalette);
        const CellRectangle inner = CellRect(5);
        QCOMPARE(m_picPalette.Point(inner.left, inner.top), RgbColour(255, 102, 0));
        QCOMPARE(m_picPalette.Point(inner.right, inner.bottom), RgbColour(255, 102, 0));
        // At 15 twips to the pixel the 15-twip inset is the cell's border, which stays.
        QCOMPARE(m_picPalette.Point(0, 5 * 181), greyText);
        QCOMPARE(m_picPalette.Point(397 * 7 + 200, 181 * 7 + 90), buttonFace);
    }

    void cellRect_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("rect"); // top, left, bottom, right
        QTest::newRow("0") << 0 << QList<int>{15, 15, 166, 382};
        QTest::newRow("5") << 5 << QList<int>{920, 15, 1071, 382};
        QTest::newRow("8") << 8 << QList<int>{15, 412, 166, 779};
        QTest::newRow("63") << 63 << QList<int>{1282, 2794, 1433, 3161};
    }
    void cellRect()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, rect);
        const CellRectangle cell = CellRect(index);
        QCOMPARE((QList<int>{cell.top, cell.left, cell.bottom, cell.right}), rect);
    }

    void otherKindsOnlyClear_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("0") << 0;
        QTest::newRow("35") << 35;
        QTest::newRow("60") << 60;
    }
    void otherKindsOnlyClear()
    {
        QFETCH(int, kind);
        DrawPalette(m_picPalette, SafePalette);
        DrawPalette(m_picPalette, kind);
        QImage clear(m_picPalette.Image().size(), QImage::Format_RGB32);
        clear.fill(QColor(0x56, 0x34, 0x12));
        QCOMPARE(m_picPalette.Image(), clear);
    }
};

QTEST_MAIN(tst_DrawPalette)
#include "tst_drawpalette.moc"
