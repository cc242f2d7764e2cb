#include "app/frmmain.h"
#include "app/mouseevent.h"
#include "core/colournames.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "palettes/palettekind.h"
#include "palettes/palettepointer.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Picking from the palettes and filling the custom one, driven through the main window's
// handlers with the pointer where each event says.
class tst_PalettePointer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static ColourValue Current(const frmMain &w) { return ReadSwatchColour(*w.picMain, 1); }
    static QString Status(const frmMain &w) { return w.stbPanel[1]->text(); }
    static QVariant Stored(int swatch) { return GetValue(Schema::Swatch(swatch), QVariant()); }
    static bool CursorIs(const QWidget *control, int id)
    {
        return control->cursor().pixmap().toImage() == PaletteCursor(id).pixmap().toImage();
    }

    // The pointer at (x, y) twips of the palette box, as the hit tests read it.
    static void PointAt(const frmMain &w, int x, int y)
    {
        QCursor::setPos(w.picPalette->mapToGlobal(QPoint(x / 15, y / 15)));
    }
    static void Press(frmMain &w, int x, int y, int button = 1)
    {
        PointAt(w, x, y);
        w.picPalette_MouseDown(button, 0, x, y);
    }
    static void Move(frmMain &w, int x, int y, int button = 1)
    {
        PointAt(w, x, y);
        w.picPalette_MouseMove(button, 0, x, y);
    }
    static void Release(frmMain &w, int x, int y, int button = 1)
    {
        PointAt(w, x, y);
        w.picPalette_MouseUp(button, 0, x, y);
    }
    // The middle of custom swatch index.
    static QPoint SwatchMiddle(int index)
    {
        const CellRectangle r = CellRect(index);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // A drag of the current colour from the display's (upper or lower) half onto a palette point.
    static void SaveFromDisplay(frmMain &w, int displayY, QPoint onPalette)
    {
        w.picMain_MouseDown(1, 0, 600, displayY);
        PointAt(w, onPalette.x(), onPalette.y());
        w.picMain_MouseMove(1, 0, 0, 0);
        w.picMain_MouseUp(1, 0, 0, 0);
    }

    static std::unique_ptr<frmMain> Window(int palette)
    {
        SaveValue(Schema::Palette, palette);
        auto w = std::make_unique<frmMain>();
        w->show();
        return w;
    }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SaveValue(Schema::Copy, 75); // instant copy, quotes, pound sign, names where there are
        SaveValue(Schema::TrueColour, RgbColour(255, 102, 0));
        SaveValue(Schema::SafeColour, RgbColour(255, 102, 0));
        QGuiApplication::clipboard()->setText("untouched");
    }

    // Names palette: the cell under the pointer gives the name, the pixel the colour; below the
    // grid nothing is picked, yet the colour there is told and the release still copies.
    void namesPalette()
    {
        auto w = Window(NamesPalette);
        QSignalSpy copies(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        Press(*w, 500, 300);
        QCOMPARE(w->lblHexName[0]->text(), "darkcyan");
        QCOMPARE(Current(*w), RgbColour(0, 139, 139));
        QCOMPARE(Status(*w), "R:0  G:139  B:139");
        QVERIFY(w->mnuColour[70]->isEnabled());
        QCOMPARE(QGuiApplication::clipboard()->text(), "\"DARKCYAN\""); // capitals: no lowercase
        QVERIFY(CursorIs(w->picPalette, 109));
        Release(*w, 500, 300);
        QVERIFY(CursorIs(w->picPalette, 104));
        QCOMPARE(copies.count(), 2);

        w->mnuColour[70]->trigger(); // back to FF6600, the history empty
        Press(*w, 500, 1460);
        QCOMPARE(Current(*w), RgbColour(255, 102, 0));
        QVERIFY(!w->mnuColour[70]->isEnabled());
        QCOMPARE(Status(*w), QStringLiteral("R:%1  G:%2  B:%3")
                                 .arg(RedOf(w->picPalette->Point(500, 1460)))
                                 .arg(GreenOf(w->picPalette->Point(500, 1460)))
                                 .arg(BlueOf(w->picPalette->Point(500, 1460))));
        QGuiApplication::clipboard()->setText("untouched");
        Release(*w, 500, 1460);
        QCOMPARE(QGuiApplication::clipboard()->text(), "\"#FF6600\"");
    }

    // System palette: the right edge of the last column folds back into it; the pick is
    // captioned with the colour's name. The same colour from another palette has its hex text.
    void systemAndOtherPalettes()
    {
        auto w = Window(SystemPalette);
        Press(*w, 3250, 100);
        QCOMPARE(w->lblHexName[0]->text(), SystemColourEntry(24).name);
        Press(*w, 10, 10);
        QCOMPARE(w->lblHexName[0]->text(), SystemColourEntry(0).name);

        w->mnuView[10]->trigger(); // browser-safe: FFFFFF in the top-left cell
        Press(*w, 10, 10);
        QCOMPARE(w->lblHexName[0]->text(), "FFFFFF");
        QCOMPARE(QGuiApplication::clipboard()->text(), "\"#FFFFFF\"");
    }

    // Custom palette: only the colour inside a saved swatch is taken.
    void customPicks_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("picked");
        const CellRectangle five = CellRect(5);
        QTest::newRow("inside a saved swatch") << SwatchMiddle(5) << true;
        QTest::newRow("on its border") << QPoint(five.left - 5, five.top + 40) << false;
        QTest::newRow("on its edge") << QPoint(five.left, five.top + 40) << false;
        QTest::newRow("an empty swatch") << SwatchMiddle(6) << false;
        QTest::newRow("the strip beyond the grid") << QPoint(3200, 100) << false;
    }
    void customPicks()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, picked);
        SaveValue(Schema::Swatch(5), RgbColour(0, 0, 255));
        auto w = Window(CustomPalette);
        QSignalSpy copies(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        w->StatusMessage("before");
        Press(*w, at.x(), at.y());
        QCOMPARE(Current(*w), picked ? RgbColour(0, 0, 255) : RgbColour(255, 102, 0));
        QCOMPARE(Status(*w), picked ? "R:0  G:0  B:255" : "before");
        QCOMPARE(w->mnuColour[70]->isEnabled(), picked);
        Release(*w, at.x(), at.y());
        QCOMPARE(copies.count(), picked ? 2 : 0);
        QCOMPARE(Stored(5), QVariant(RgbColour(0, 0, 255)));
    }

    // Dragging a saved swatch: onto another it moves there (overwriting), onto itself it stays,
    // off the grid (the strip inside the box included) it is deleted.
    void moveSwatch_data()
    {
        QTest::addColumn<QPoint>("dropAt");
        QTest::addColumn<int>("landsIn"); // -1: deleted
        QTest::newRow("onto an empty swatch") << SwatchMiddle(20) << 20;
        QTest::newRow("onto an occupied swatch") << SwatchMiddle(63) << 63;
        QTest::newRow("onto itself") << SwatchMiddle(5) << 5;
        QTest::newRow("the strip beyond X = Width - 100") << QPoint(3200, 300) << -1;
        QTest::newRow("below the palette") << QPoint(300, 1700) << -1;
        QTest::newRow("far away") << QPoint(-3000, -2000) << -1;
    }
    void moveSwatch()
    {
        QFETCH(QPoint, dropAt);
        QFETCH(int, landsIn);
        SaveValue(Schema::Swatch(5), RgbColour(0, 0, 255));
        SaveValue(Schema::Swatch(63), RgbColour(9, 9, 9));
        auto w = Window(CustomPalette);
        Press(*w, SwatchMiddle(5).x(), SwatchMiddle(5).y());
        Move(*w, SwatchMiddle(5).x() + 15, SwatchMiddle(5).y());
        QVERIFY(w->findChild<PalettePointer *>()->ColourDrag());
        Move(*w, dropAt.x(), dropAt.y());
        const bool overBox =
            dropAt.x() >= 0 && dropAt.x() <= 3255 && dropAt.y() >= 0 && dropAt.y() <= 1530;
        QVERIFY(CursorIs(w->picPalette, overBox ? 110 : 111));
        Release(*w, dropAt.x(), dropAt.y());
        QVERIFY(!w->findChild<PalettePointer *>()->ColourDrag());
        QVERIFY(CursorIs(w->picPalette, 104));
        for (int swatch : {5, 20, 63}) {
            const QVariant expected = swatch == landsIn ? QVariant(RgbColour(0, 0, 255))
                                      : swatch == 63    ? QVariant(RgbColour(9, 9, 9))
                                                        : QVariant();
            QCOMPARE(Stored(swatch), expected);
        }
        // The palette shows what is stored.
        if (landsIn >= 0)
            QCOMPARE(w->picPalette->Point(SwatchMiddle(landsIn).x(), SwatchMiddle(landsIn).y()),
                     RgbColour(0, 0, 255));
    }

    // Saving the current colour by dragging it from the display: the upper half (to Y = 500)
    // gives the true colour, the lower the safe colour.
    void saveFromDisplay_data()
    {
        QTest::addColumn<int>("displayY");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<ColourValue>("stored");
        QTest::addColumn<QString>("status");
        QTest::newRow("upper half, swatch 0")
            << 100 << 0 << RgbColour(250, 100, 0) << "Saved in swatch 1";
        QTest::newRow("at Y = 500") << 500 << 7 << RgbColour(250, 100, 0) << "Saved in swatch 8";
        QTest::newRow("lower half, swatch 63")
            << 501 << 63 << RgbColour(255, 102, 0) << "Saved in swatch 64";
    }
    void saveFromDisplay()
    {
        QFETCH(int, displayY);
        QFETCH(int, swatch);
        QFETCH(ColourValue, stored);
        QFETCH(QString, status);
        SaveValue(Schema::TrueColour, RgbColour(250, 100, 0));
        auto w = Window(CustomPalette);
        SaveFromDisplay(*w, displayY, SwatchMiddle(swatch));
        QCOMPARE(Stored(swatch), QVariant(stored));
        QCOMPARE(Status(*w), status);
        QVERIFY(w->picMain->cursor().shape() != Qt::BitmapCursor);

        // A press on either caption counts where the pointer is on the display.
        const bool lower = stored == RgbColour(255, 102, 0);
        DeleteValue(Schema::Swatch(swatch));
        QCursor::setPos(w->picMain->mapToGlobal(QPoint(40, lower ? 50 : 5)));
        w->lblHexName_MouseDown(lower ? 1 : 0, 1, 0, 0, 0);
        PointAt(*w, SwatchMiddle(swatch).x(), SwatchMiddle(swatch).y());
        w->lblHexName_MouseMove(0, 1, 0, 0, 0);
        w->lblHexName_MouseUp(0, 1, 0, 0, 0);
        QCOMPARE(Stored(swatch), QVariant(stored));
    }

    void dropOffTheGridAndOtherPalettes()
    {
        auto w = Window(CustomPalette);
        w->StatusMessage("before");
        SaveFromDisplay(*w, 100, QPoint(3200, 100));
        QCOMPARE(Status(*w), "before");
        for (int swatch = 0; swatch < 64; ++swatch)
            QVERIFY(!Stored(swatch).isValid());
        w->mnuView[30]->trigger(); // with another palette shown, the display is no drag source
        SaveFromDisplay(*w, 100, SwatchMiddle(0));
        QVERIFY(!Stored(0).isValid());
    }

    // Escape, or the window losing the mouse, lets go of a dragged swatch: nothing is lost, and
    // the rest of the gesture does nothing.
    void cancelledDrag()
    {
        SaveValue(Schema::Swatch(5), RgbColour(0, 0, 255));
        SaveValue(Schema::Swatch(9), RgbColour(0, 255, 0));
        auto w = Window(CustomPalette);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *pointer = w->findChild<PalettePointer *>();
        const QPoint five = SwatchMiddle(5), nine = SwatchMiddle(9);
        Press(*w, five.x(), five.y());
        Move(*w, five.x() + 15, five.y());
        QVERIFY(pointer->ColourDrag());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!pointer->ColourDrag());
        QVERIFY(CursorIs(w->picPalette, 104));
        Move(*w, nine.x(), nine.y());
        QVERIFY(!pointer->ColourDrag());
        Release(*w, nine.x(), nine.y());
        QCOMPARE(Stored(5), QVariant(RgbColour(0, 0, 255)));
        QCOMPARE(Stored(9), QVariant(RgbColour(0, 255, 0)));
        Move(*w, 3200, 100, 0); // hovering again after the gesture
        QVERIFY(w->picPalette->cursor().shape() == Qt::ArrowCursor);

        // From the display: a movement without the button means its release went elsewhere.
        w->picMain_MouseDown(1, 0, 100, 100);
        PointAt(*w, SwatchMiddle(2).x(), SwatchMiddle(2).y());
        w->picMain_MouseMove(1, 0, 0, 0);
        QVERIFY(pointer->ColourDrag());
        w->picMain_MouseMove(0, 0, 0, 0);
        QVERIFY(!pointer->ColourDrag());
        w->picMain_MouseUp(1, 0, 0, 0);
        QVERIFY(!Stored(2).isValid());
    }

    // A press inside an empty swatch drags nothing, even when the pointer then crosses a saved
    // one: no swatch is saved over, none deleted.
    void dragFromAnEmptySwatch()
    {
        SaveValue(Schema::Swatch(0), RgbColour(1, 1, 1));
        SaveValue(Schema::Swatch(5), RgbColour(0, 0, 255));
        auto w = Window(CustomPalette);
        Press(*w, SwatchMiddle(0).x(), SwatchMiddle(0).y()); // a pick of swatch 0
        Release(*w, SwatchMiddle(0).x(), SwatchMiddle(0).y());
        Press(*w, SwatchMiddle(6).x(), SwatchMiddle(6).y());
        Move(*w, SwatchMiddle(5).x(), SwatchMiddle(5).y());
        Release(*w, SwatchMiddle(20).x(), SwatchMiddle(20).y());
        QCOMPARE(Stored(0), QVariant(RgbColour(1, 1, 1)));
        QCOMPARE(Stored(5), QVariant(RgbColour(0, 0, 255)));
        QVERIFY(!Stored(20).isValid());
    }

    // Events reach the handlers with Button as the handlers take it: the button pressed or
    // released, the buttons held at a movement; a double-click's second press picks too.
    void routedEvents_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("expected");
        QTest::newRow("press") << int(QEvent::MouseButtonPress) << 1 << 1 << 1;
        QTest::newRow("right press with the left held")
            << int(QEvent::MouseButtonPress) << 2 << 3 << 2;
        QTest::newRow("move, left and right held") << int(QEvent::MouseMove) << 0 << 3 << 3;
        QTest::newRow("move, nothing held") << int(QEvent::MouseMove) << 0 << 0 << 0;
        QTest::newRow("release of the middle") << int(QEvent::MouseButtonRelease) << 4 << 0 << 4;
        QTest::newRow("double-click") << int(QEvent::MouseButtonDblClick) << 1 << 1 << 1;
    }
    void routedEvents()
    {
        QFETCH(int, type);
        QFETCH(int, button);
        QFETCH(int, buttons);
        QFETCH(int, expected);
        QWidget control;
        control.move(100, 50);
        const QPointF global = control.mapToGlobal(QPointF(10, 4));
        const QMouseEvent event(QEvent::Type(type), QPointF(10, 4), global, Qt::MouseButton(button),
                                Qt::MouseButtons(buttons), Qt::ShiftModifier | Qt::AltModifier);
        const MouseArguments arguments = MouseArgumentsOf(event, control);
        QCOMPARE(arguments.button, expected);
        QCOMPARE(arguments.shift, 5);
        QCOMPARE(QPoint(arguments.x, arguments.y), QPoint(150, 60));

        if (type != QEvent::MouseButtonDblClick)
            return;
        auto w = Window(NamesPalette);
        PointAt(*w, 500, 300);
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(33.4, 20.1),
                          w->picPalette->mapToGlobal(QPointF(33.4, 20.1)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w->picPalette, &twice);
        QCOMPARE(w->lblHexName[0]->text(), "darkcyan");
    }
};

QTEST_MAIN(tst_PalettePointer)
#include "tst_palettepointer.moc"
