#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "finder/samplescreen.h"
#include "finder/screensource.h"
#include "settings/backend_file.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QClipboard>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

// A desktop of the test's own: a picture whose top-left pixel lies at origin, black around it,
// or one colour everywhere.
class FakeScreen final : public ScreenSource
{
public:
    QImage desktop;
    QPoint origin;
    std::optional<ColourValue> solid;
    QPoint cursor;
    int reads = 0;

    QPoint CursorPos() override { return cursor; }
    void SetCursorPos(QPoint point) override { cursor = point; }
    QImage ReadBlock(QPoint topLeft) override
    {
        ++reads;
        if (!solid)
            return desktop.copy(QRect(topLeft - origin, QSize(BlockSize, BlockSize)));
        QImage block(BlockSize, BlockSize, QImage::Format_RGB32);
        block.fill(QColor(RedOf(*solid), GreenOf(*solid), BlueOf(*solid)));
        return block;
    }
};

// The finder of the main window driven through its handlers, on a fake screen.
class tst_Finder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeScreen m_screen;

    static QStringList Readouts(const frmMain &w)
    {
        QStringList texts;
        for (const QLabel *label : {w.lblXCoord, w.lblYCoord, w.lblRedVal, w.lblGreenVal,
                                    w.lblBlueVal, w.lblRedFloat, w.lblGreenFloat, w.lblBlueFloat,
                                    w.lblRedPercent, w.lblGreenPercent, w.lblBluePercent})
            texts << label->text();
        return texts;
    }

    static auto Current(const frmMain &w) { return ReadSwatchColour(*w.picMain, TrueSwatch); }

    static bool CursorIs(int id)
    {
        const QCursor *pointer = QGuiApplication::overrideCursor();
        return pointer && pointer->pixmap().toImage() == ReticleCursor(id).pixmap().toImage();
    }

private slots:
    void initTestCase()
    {
        // The two reticles are our own pictures, and they differ.
        QVERIFY(!ReticleCursor(101).pixmap().isNull());
        QVERIFY(ReticleCursor(101).pixmap().toImage() != ReticleCursor(103).pixmap().toImage());
    }

    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SaveValue(Schema::Copy, 75); // instant copy, quotes and pound sign
        m_screen = FakeScreen();
        m_screen.solid = 0;
        SetScreenSource(m_screen);
    }

    // Every view pixel shows the block pixel its top-left falls on; the centre shows the pixel
    // 3 right of and 3 below the hot spot, framed by the 12 × 12 marker, at the view's size at
    // 15 twips per pixel (86) and at 12 (107).
    void magnifier_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("15 twips per pixel") << 86;
        QTest::newRow("12 twips per pixel") << 107;
    }
    void magnifier()
    {
        QFETCH(int, size);
        frmMain w;
        w.picFinder->resize(size, size);
        m_screen.solid.reset();
        m_screen.desktop = QImage(7, 7, QImage::Format_RGB32);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                m_screen.desktop.setPixel(x, y, qRgb(30 * x, 30 * y, 64)); // all dark
        m_screen.origin = m_screen.cursor = QPoint(-40, 3000);
        QCOMPARE(SampleScreen(*w.picFinder, m_screen), QPoint(-40, 3000));

        const int c = size / 2;
        const QRect marker(QPoint(c - 6, c - 6), QPoint(c + 5, c + 5));
        const QImage &view = w.picFinder->Image();
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const bool onMarker =
                    marker.contains(x, y) && !marker.adjusted(1, 1, -1, -1).contains(x, y);
                const QRgb expected = onMarker ? qRgb(0xCC, 0xCC, 0xCC)
                                               : m_screen.desktop.pixel(x * 7 / size, y * 7 / size);
                if (view.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("view pixel %1, %2").arg(x).arg(y)));
            }
        QCOMPARE(view.pixel(c, c), qRgb(90, 90, 64));
        if (size == 86)
            QCOMPARE(w.picFinder->Point(647, 647), RgbColour(90, 90, 64));
    }

    // A drag with the left button alone to the hot spot: the marker and the reticle follow the
    // packed value, blue highest, against 0x888888; at the release the readouts (a fraction keeps
    // three places), the caption and the copy show the colour under it.
    void drag_data()
    {
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addColumn<ColourValue>("colour");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QStringList>("readouts");
        QTest::newRow("0x888888 itself") << QPoint(500, 500) << 0x888888 << 103 << QStringList();
        QTest::newRow("just above") << QPoint(500, 500) << 0x888889 << 101 << QStringList();
        QTest::newRow("blue 0x89, nothing else")
            << QPoint(500, 500) << 0x890000 << 101 << QStringList();
        QTest::newRow("FF6600 under (103, 203)")
            << QPoint(100, 200) << RgbColour(255, 102, 0) << 103
            << QStringList{"100", "200", "255",  "102", "0", "1.0",
                           "0.4", "0.0", "100%", "40%", "0%"};
        QTest::newRow("left of and above the primary screen")
            << QPoint(-1920, -5) << RgbColour(128, 0, 1) << 103
            << QStringList{"-1920", "-5",    "128", "0",  "1", "0.502",
                           "0.0",   "0.004", "50%", "0%", "0%"};
    }
    void drag()
    {
        QFETCH(QPoint, hotSpot);
        QFETCH(ColourValue, colour);
        QFETCH(int, cursor);
        QFETCH(QStringList, readouts);
        frmMain w;
        m_screen.solid = colour;
        w.imgLocator_MouseDown(1, 0, 240, 240);
        QVERIFY(CursorIs(101));
        m_screen.cursor = hotSpot;
        w.imgLocator_MouseMove(1, 0, 0, 0);
        QVERIFY(CursorIs(cursor));
        QCOMPARE(w.picFinder->PixelColour(QPoint(37, 37)), cursor == 101 ? 0 : 0xCCCCCC);
        w.imgLocator_MouseUp(1, 0, 0, 0);
        QVERIFY(!QGuiApplication::overrideCursor());
        if (!readouts.isEmpty())
            QCOMPARE(Readouts(w), readouts);
        QCOMPARE(w.picMain->lblHexName[0]->text(), HexText(colour));
        QCOMPARE(Current(w), colour);
        QCOMPARE(QGuiApplication::clipboard()->text(), "\"#" + HexText(colour) + "\"");
    }

    // Over the view itself (edges included) nothing is read: the view keeps the last colour
    // taken outside it.
    void pointerOverView()
    {
        frmMain w;
        w.show();
        const QRect view(w.picFinder->mapToGlobal(QPoint(0, 0)), w.picFinder->size());
        m_screen.solid = RgbColour(0, 0, 200);
        w.imgLocator_MouseDown(1, 0, 0, 0);
        m_screen.cursor = view.topLeft() - QPoint(1, 1);
        w.imgLocator_MouseMove(1, 0, 0, 0);
        m_screen.solid = RgbColour(200, 0, 0);
        for (QPoint over : {view.topLeft(), view.center(), view.bottomRight() + QPoint(1, 1)}) {
            m_screen.cursor = over;
            w.imgLocator_MouseMove(1, 0, 0, 0);
            QCOMPARE(m_screen.reads, 1);
            QCOMPARE(Current(w), RgbColour(0, 0, 200));
            QCOMPARE(w.lblXCoord->text(), QString::number(over.x()));
        }
        m_screen.cursor = view.bottomRight() + QPoint(2, 0);
        w.imgLocator_MouseMove(1, 0, 0, 0);
        QCOMPARE(Current(w), RgbColour(200, 0, 0));
    }

    // Press, movements and release with each button: the undo record at every press, samples
    // only with the left button alone, the icon back and the view cleared at the release.
    void buttons_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("moving");
        QTest::addColumn<bool>("sampled");
        QTest::newRow("left") << 1 << 1 << true;
        QTest::newRow("right alone") << 2 << 2 << false;
        QTest::newRow("left and right together") << 1 << 3 << false;
        QTest::newRow("press and release, no movement") << 1 << 0 << false;
    }
    void buttons()
    {
        QFETCH(int, pressed);
        QFETCH(int, moving);
        QFETCH(bool, sampled);
        frmMain w;
        w.StatusMessage("before");
        QGuiApplication::clipboard()->setText("untouched");
        m_screen.solid = RgbColour(0, 153, 51);
        w.imgLocator_MouseDown(pressed, 0, 240, 240);
        QVERIFY(w.imgLocator->isHidden());
        QCOMPARE(w.stbPanel[1]->text(), QString());
        QVERIFY(w.mnuColour[70]->isEnabled());
        if (moving) {
            m_screen.cursor = QPoint(10, 10);
            w.imgLocator_MouseMove(moving, 0, 0, 0);
        }
        QCOMPARE(Current(w), sampled ? RgbColour(0, 153, 51) : 0);
        w.imgLocator_MouseUp(pressed, 0, 0, 0);
        QVERIFY(!w.imgLocator->isHidden());
        QCOMPARE(w.stbPanel[1]->text(), QString());
        // The current colour is copied even when nothing was sampled.
        QCOMPARE(QGuiApplication::clipboard()->text(), sampled ? "\"#009933\"" : "\"#000000\"");
        const QImage &view = w.picFinder->Image();
        QCOMPARE(view.pixel(43, 43), view.pixel(0, 0));
        QCOMPARE(w.lblRedVal->text(), sampled ? "0" : "");

        // Movements after the release sample nothing.
        m_screen.solid = RgbColour(255, 255, 255);
        w.imgLocator_MouseMove(1, 0, 0, 0);
        QCOMPARE(Current(w), sampled ? RgbColour(0, 153, 51) : 0);
    }

    // Arrow keys move the pointer by one device pixel, ten with Shift, and sample there, while
    // the left button alone holds the drag.
    void nudging()
    {
        frmMain w;
        m_screen.solid.reset();
        m_screen.desktop = QImage(40, 1, QImage::Format_RGB32);
        for (int x = 0; x < 40; ++x)
            m_screen.desktop.setPixel(x, 0, qRgb(x, 0, 0));
        m_screen.origin = QPoint(0, 3);
        w.imgLocator_MouseDown(1, 0, 0, 0);
        m_screen.cursor = QPoint(0, 0);
        w.imgLocator_MouseMove(1, 0, 0, 0);
        const auto none = Qt::NoModifier, shift = Qt::ShiftModifier;
        const std::tuple<Qt::Key, Qt::KeyboardModifier, QPoint> steps[] = {
            {Qt::Key_Right, none, {1, 0}}, {Qt::Key_Right, shift, {11, 0}},
            {Qt::Key_Left, none, {10, 0}}, {Qt::Key_Down, shift, {10, 10}},
            {Qt::Key_Up, shift, {10, 0}},  {Qt::Key_Right, Qt::ControlModifier, {11, 0}}};
        for (const auto &[key, modifier, hotSpot] : steps) {
            QTest::keyClick(w.picFinder, key, modifier);
            QCOMPARE(m_screen.cursor, hotSpot);
            QCOMPARE(w.lblXCoord->text(), QString::number(hotSpot.x()));
        }
        QCOMPARE(Current(w), RgbColour(14, 0, 0));
        // Not with another button, and not after the release.
        w.imgLocator_MouseMove(3, 0, 0, 0);
        QTest::keyClick(w.picFinder, Qt::Key_Right);
        QCOMPARE(m_screen.cursor, QPoint(11, 0));
        w.imgLocator_MouseUp(1, 0, 0, 0);
        QTest::keyClick(w.picFinder, Qt::Key_Right);
        QCOMPARE(m_screen.cursor, QPoint(11, 0));
    }
};

QTEST_MAIN(tst_Finder)
#include "tst_finder.moc"
