#include "core/picturebox.h"
#include "core/systemcolours.h"
#include "core/twips.h"
#include "palettes/drawpalette.h"
#include "palettes/palettehittest.h"
#include "palettes/palettekind.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QTemporaryDir>
#include <QTest>

// The palettes as drawn into a box of the main window's palette size, read back point by point.
// ctest runs hitTestedPixels again at logical DPIs of 120, 144 and 192.
class tst_DrawPalette : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PictureBox m_picPalette;
    static constexpr ColourValue Back = 0x123456;
    static ColourValue Shown(ColourValue colour) { return ColourOf(ResolveColour(colour)); }

private slots:
    void initTestCase()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        m_picPalette.resize(TwipsToPixels(3255), TwipsToPixels(1530));
        m_picPalette.SetBackColour(Back);
    }

    // Points in the middle of cells, with the cell steps safe 86 x 242, grey 99 x 181 and names
    // 227 x 145 twips; then beside the greyscale's last column, where its darkest greys (7 to 0)
    // draw a line 110 twips right of the column's left edge, and beyond it, where the box is clear.
    void cells()
    {
        static constexpr int cells[][4] = {
            {10, 43, 121, 0xFFFFFF},    {10, 43, 363, 0xFFFFCC},    {10, 129, 121, 0xFFCCFF},
            {10, 559, 121, 0xCCFFFF},   {10, 3053, 1331, 0x000000}, {10, 3139, 363, 0xCCCCCC},
            {20, 49, 90, 0xFFFFFF},     {20, 49, 271, 0xFEFEFE},    {20, 148, 90, 0xF7F7F7},
            {20, 3118, 1357, 0x000000}, {20, 3179, 100, 0x070707},  {20, 3179, 1367, 0x000000},
            {20, 3209, 100, 0x563412},  {30, 113, 72, 0xF0F8FF},    {30, 113, 1377, 0x0000FF},
            {30, 3064, 72, 0x008080},   {30, 3064, 1377, 0x9ACD32}};
        for (const auto &[kind, x, y, rgb] : cells) {
            DrawPalette(m_picPalette, PaletteKind(kind));
            QCOMPARE(m_picPalette.Point(x, y), RgbColour(rgb >> 16, (rgb >> 8) & 255, rgb & 255));
        }
    }

    // Each pixel of the names and system palettes shows the cell a press on it names. The grid
    // ends at the first pixel of the hit test's column 14 or 7 and row 10 or 4, at t twips to the
    // pixel (14 x 227 - 10) / t and (10 x 145 - 5) / t rounded up, or (7 x 454 - 5) / t and
    // (4 x 363 - 10) / t; the box is clear beyond.
    void hitTestedPixels_data()
    {
        QTest::addColumn<PaletteKind>("kind");
        QTest::addColumn<QSize>("grid");
        // Twips to the pixel, the names grid's size and the system grid's.
        static constexpr int grids[][5] = {{15, 212, 97, 212, 97},
                                           {12, 264, 121, 265, 121},
                                           {10, 317, 145, 318, 145},
                                           {8, 396, 181, 397, 181}};
        for (const auto &[twips, namesWidth, namesHeight, systemWidth, systemHeight] : grids) {
            if (twips == TwipsPerPixel()) {
                QTest::addRow("names") << NamesPalette << QSize(namesWidth, namesHeight);
                QTest::addRow("system") << SystemPalette << QSize(systemWidth, systemHeight);
            }
        }
        QTest::addRow("any other kind only clears") << PaletteKind(35) << QSize();
    }
    void hitTestedPixels()
    {
        QFETCH(PaletteKind, kind);
        QFETCH(QSize, grid);
        DrawPalette(m_picPalette, kind);
        const QList<ColourValue> cells = PaletteCellColours(kind);
        int wrong = 0;
        for (int y = 0; y < m_picPalette.height(); ++y) {
            for (int x = 0; x < m_picPalette.width(); ++x) {
                const int cell = PaletteHitTest(kind, m_picPalette, QPoint(x, y) * TwipsPerPixel());
                const bool inGrid = QRect({}, grid).contains(x, y);
                if (m_picPalette.PixelColour({x, y}) != (inGrid ? Shown(cells[cell]) : Back))
                    ++wrong;
            }
        }
        QCOMPARE(wrong, 0);
    }

    // A swatch shows its stored colour inset 15 twips (a pixel) in its cell, which keeps its
    // border. A text where a number belongs is that number when it is one ("255", as another tool
    // may write it) and no colour otherwise, its swatch empty.
    void customPalette()
    {
        SaveValue(Schema::Swatch(5), 0x0066FF);
        SaveValue(Schema::ColoursKey, QStringLiteral("62"), QStringLiteral("red"), RegSz);
        SaveValue(Schema::ColoursKey, QStringLiteral("63"), QStringLiteral("255"), RegSz);
        QCOMPARE(GetValue(Schema::ColoursKey, QStringLiteral("62"), {}), QVariant("red"));
        DrawPalette(m_picPalette, CustomPalette);
        QCOMPARE(m_picPalette.Point(2794, 1101), Shown(0x8000000F));   // CellRect (62)
        QCOMPARE(m_picPalette.Point(15, 920), RgbColour(255, 102, 0)); // CellRect (5)
        QCOMPARE(m_picPalette.Point(382, 1071), RgbColour(255, 102, 0));
        QCOMPARE(m_picPalette.Point(0, 5 * SwatchCellHeight), Shown(0x80000011));
        QCOMPARE(m_picPalette.Point(2794, 1282), RgbColour(255, 0, 0)); // CellRect (63)
        const CellRectangle last = CellRect(63);
        QCOMPARE((QList<int>{last.top, last.left, last.bottom, last.right}),
                 (QList<int>{1282, 2794, 1433, 3161}));
    }
};

QTEST_MAIN(tst_DrawPalette)
#include "tst_drawpalette.moc"
