#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/systemcolours.h"
#include "palettes/palettehittest.h"
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
// handlers with the pointer where each event says; routedEvents takes the way there.
class tst_PalettePointer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static auto Current(const frmMain &w) { return ReadSwatchColour(*w.picMain, TrueSwatch); }
    static QString Status(const frmMain &w) { return w.stbPanel[1]->text(); }
    static ColourValue Stored(int swatch) { return GetValue(Schema::Swatch(swatch), -1).toInt(); }
    static ColourValue System(int reference) { return ColourOf(ResolveColour(reference)); }
    static QString Rgb(ColourValue c)
    {
        return QStringLiteral("R:%1  G:%2  B:%3").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
    }
    static bool CursorIs(const QWidget *control, int id)
    {
        return control->cursor().pixmap().toImage() == PaletteCursor(id).pixmap().toImage();
    }
    // The pointer at p, in twips of the palette box, as the hit tests read it; and the palette's
    // event there, with the left button unless told.
    using Event = void (frmMain::*)(int, int, int, int);
    static constexpr Event Press = &frmMain::picPalette_MouseDown,
                           Move = &frmMain::picPalette_MouseMove,
                           Release = &frmMain::picPalette_MouseUp;
    static void At(frmMain &w, QPoint p, Event event = nullptr, int button = 1)
    {
        QCursor::setPos(w.picPalette->mapToGlobal(p / 15));
        if (event)
            (w.*event)(button, 0, p.x(), p.y());
    }
    static QPoint SwatchMiddle(int index)
    {
        const CellRectangle r = CellRect(index);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    static std::unique_ptr<frmMain> Window(int palette)
    {
        SaveValue(Schema::Palette, palette);
        auto w = std::make_unique<frmMain>();
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            qFatal("the main window did not become active");
        return w;
    }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SaveValue(Schema::Copy, 75); // instant copy, quotes, pound sign, names where there are
        SaveValue(Schema::TrueColour, RgbColour(255, 102, 0));
        SaveValue(Schema::SafeColour, RgbColour(255, 102, 0));
        SaveValue(Schema::Swatch(5), RgbColour(0, 0, 255));
        QGuiApplication::clipboard()->setText("untouched");
    }

    // A press and release: the caption, the colour taken and the copied text belong to one cell.
    // Below the names and system grids nothing is picked, yet the colour there (the box's own) is
    // told and the release copies; on the custom palette only the colour inside a saved swatch
    // (5, blue) is taken, and nothing else happens.
    void picks_data()
    {
        QTest::addColumn<int>("palette");
        QTest::addColumn<QPoint>("at"); // twips, 15 to the pixel
        QTest::addColumn<QString>("caption");
        QTest::addColumn<ColourValue>("taken");
        QTest::addColumn<QString>("copied");
        const ColourValue face = System(0x8000000F), orange = RgbColour(255, 102, 0);
        const auto row = [](const char *name, int palette, QPoint at, const char *caption,
                            ColourValue taken, const char *copied) {
            QTest::newRow(name) << palette << at << caption << taken << copied;
        };
        row("below the names grid", 30, {500, 1455}, "FF6600", orange, "\"#FF6600\"");
        row("activeborder", 40, {15, 15}, "activeborder", System(0x8000000A), "\"ACTIVEBORDER\"");
        // Column 7, beyond the grid, is folded back into column 6; the colour is the box's.
        row("beyond the system grid", 40, {3240, 15}, "threedshadow", face, "\"THREEDSHADOW\"");
        row("below the system grid", 40, {15, 1455}, "FF6600", orange, "\"#FF6600\"");
        row("browser-safe white", 10, {15, 15}, "FFFFFF", RgbColour(255, 255, 255), "\"#FFFFFF\"");
        row("a saved swatch", 50, {198, 995}, "0000FF", RgbColour(0, 0, 255), "\"#0000FF\"");
        row("its border", 50, {10, 960}, "FF6600", orange, "untouched");
        row("its edge", 50, {15, 960}, "FF6600", orange, "untouched");
        row("an empty swatch", 50, {198, 1176}, "FF6600", orange, "untouched");
        row("beyond the custom grid", 50, {3200, 100}, "FF6600", orange, "untouched");
    }
    void picks()
    {
        QFETCH(int, palette);
        QFETCH(QPoint, at);
        QFETCH(QString, caption);
        QFETCH(ColourValue, taken);
        QFETCH(QString, copied);
        // A pick copies at the press and the release; below a grid only the release copies.
        const int copies = copied == "untouched" ? 0 : caption == "FF6600" ? 1 : 2;
        auto w = Window(palette);
        QSignalSpy copy(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        w->StatusMessage("before");
        At(*w, at, Press);
        QCOMPARE(w->picMain->lblHexName[0]->text(), caption);
        QCOMPARE(Current(*w), taken);
        const QString told = copies == 2 ? Rgb(taken) : Rgb(System(0x8000000F));
        QCOMPARE(Status(*w), copies == 0 ? QStringLiteral("before") : told);
        QCOMPARE(w->mnuColour[70]->isEnabled(), copies == 2);
        QVERIFY(CursorIs(w->picPalette, copies == 2 ? 109 : 104));
        At(*w, at, Release);
        QVERIFY(CursorIs(w->picPalette, 104));
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(copy.count(), copies);
        QCOMPARE(Stored(5), RgbColour(0, 0, 255));
    }

    // Dragging a saved swatch (5, blue, after a click on 63): onto another it moves there, onto
    // itself it stays, off the grid it is deleted. From an empty swatch nothing is dragged, not
    // even across a saved one; after Escape the rest of the gesture does nothing.
    void moveSwatch_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QPoint>("dropAt");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QList<ColourValue>>("stored"); // in swatches 5, 20 and 63
        const ColourValue B = RgbColour(0, 0, 255), G = RgbColour(9, 9, 9), none = NoColour;
        QTest::newRow("onto an empty one") << 5 << SwatchMiddle(20) << false << QList{none, B, G};
        QTest::newRow("onto a saved one") << 5 << SwatchMiddle(63) << false << QList{none, none, B};
        QTest::newRow("onto itself") << 5 << SwatchMiddle(5) << false << QList{B, none, G};
        QTest::newRow("X > Width - 100") << 5 << QPoint(3200, 300) << false << QList{none, none, G};
        QTest::newRow("off the box") << 5 << QPoint(-300, 1700) << false << QList{none, none, G};
        QTest::newRow("from an empty one") << 6 << SwatchMiddle(20) << false << QList{B, none, G};
        QTest::newRow("Escape") << 5 << SwatchMiddle(20) << true << QList{B, none, G};
    }
    void moveSwatch()
    {
        QFETCH(int, from);
        QFETCH(QPoint, dropAt);
        QFETCH(bool, escape);
        SaveValue(Schema::Swatch(63), RgbColour(9, 9, 9));
        auto w = Window(CustomPalette);
        auto *pointer = w->findChild<PalettePointer *>();
        At(*w, SwatchMiddle(63), Press); // a pick, whose swatch must not be dragged later
        At(*w, SwatchMiddle(63), Release);
        At(*w, SwatchMiddle(from), Press);
        At(*w, SwatchMiddle(5) + QPoint(15, 0), Move);
        if (escape)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        At(*w, dropAt, Move);
        const bool overBox = QRect(0, 0, 3256, 1531).contains(dropAt);
        QCOMPARE(pointer->ColourDrag(), from == 5 && !escape);
        QVERIFY(CursorIs(w->picPalette, pointer->ColourDrag() ? (overBox ? 110 : 111) : 104));
        At(*w, dropAt, Release);
        QVERIFY(!pointer->ColourDrag());
        QTEST((QList{Stored(5), Stored(20), Stored(63)}), "stored");
        for (int swatch : {5, 20, 63}) // the palette shows what is stored
            QCOMPARE(SwatchIsSaved(CustomPalette, swatch, *w->picPalette), Stored(swatch) >= 0);
        At(*w, {3200, 100}, Move, 0); // hovering after the gesture, off the swatches
        QVERIFY(w->picPalette->cursor().shape() == Qt::ArrowCursor);
    }

    // The colour dragged from the display, or a caption on it, onto the custom palette: the upper
    // half (to Y = 500) gives the true colour, the lower the safe one. A drop saves only onto the
    // custom palette at the end of the gesture: not after Escape, nor a move without the button
    // (its release went elsewhere); a save that fails says so (F7 is the end-to-end run's).
    void saveFromDisplay_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("displayY");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<ColourValue>("stored");
        QTest::addColumn<QString>("status");
        const ColourValue upper = RgbColour(250, 100, 0), lower = RgbColour(255, 102, 0);
        const auto row = [](const char *name, const char *how, int displayY, int swatch,
                            ColourValue stored, const char *status) {
            QTest::newRow(name) << how << displayY << swatch << stored << status;
        };
        row("upper half, swatch 0", "", 100, 0, upper, "Saved in swatch 1");
        row("at Y = 500", "", 500, 7, upper, "Saved in swatch 8");
        row("lower half, swatch 63", "", 501, 63, lower, "Saved in swatch 64");
        row("lower caption", "caption", 750, 9, lower, "Saved in swatch 10");
        row("off the grid", "", 100, -1, NoColour, "before");
        row("names palette shown", "names", 100, 9, NoColour, "before");
        row("Escape", "Escape", 100, 9, NoColour, "before");
        row("moved without the button", "move", 100, 9, NoColour, "before");
        row("file unreadable", "unreadable", 100, 9, NoColour,
            "Settings could not be saved: the settings file could not be read");
    }
    void saveFromDisplay()
    {
        QFETCH(QString, how);
        QFETCH(int, displayY);
        QFETCH(int, swatch);
        QFETCH(ColourValue, stored);
        DeleteValue(Schema::Swatch(5));
        SaveValue(Schema::TrueColour, RgbColour(250, 100, 0));
        auto w = Window(how == "names" ? NamesPalette : CustomPalette);
        w->StatusMessage("before");
        if (how == "unreadable") // grown beyond any settings file behind the window's back
            QVERIFY(QFile::resize(m_dir.filePath("registry.reg"), 5 << 20));
        QCursor::setPos(w->picMain->mapToGlobal(QPoint(40, displayY / 15)));
        if (how == "caption")
            w->lblHexName_MouseDown(1, 1, 0, 0, 0);
        else
            w->picMain_MouseDown(1, 0, 600, displayY);
        At(*w, swatch >= 0 ? SwatchMiddle(swatch) : QPoint(3200, 100));
        w->picMain_MouseMove(1, 0, 0, 0);
        if (how == "Escape")
            QTest::keyClick(w.get(), Qt::Key_Escape);
        if (how == "move")
            w->picMain_MouseMove(0, 0, 0, 0);
        w->picMain_MouseUp(1, 0, 0, 0);
        for (int index = 0; index < Schema::SwatchCount; ++index)
            QCOMPARE(Stored(index), index == swatch ? stored : NoColour);
        QTEST(Status(*w), "status");
        QVERIFY(w->picMain->cursor().shape() != Qt::BitmapCursor);
    }

    // Events reach the handlers: the left button picks, another does not, and the second press
    // of a double-click, an event of its own, picks too. The pointer is read once: an event
    // between two pixels takes the colour and the name of the pixel the pointer is on.
    void routedEvents_data()
    {
        QTest::addColumn<int>("button"); // none: a double-click
        QTest::addColumn<QPointF>("at"); // pixels of the palette box
        QTest::addColumn<QString>("caption");
        QTest::addColumn<ColourValue>("taken");
        const ColourValue darkcyan = RgbColour(0, 139, 139), orange = RgbColour(255, 102, 0);
        QTest::newRow("right") << int(Qt::RightButton) << QPointF(33, 20) << "FF6600" << orange;
        QTest::newRow("double-click") << 0 << QPointF(33.4, 20.1) << "darkcyan" << darkcyan;
        QTest::newRow("between pixel rows 9 and 10")
            << int(Qt::LeftButton) << QPointF(3, 9.6) << "antiquewhite" << RgbColour(250, 235, 215);
    }
    void routedEvents()
    {
        QFETCH(int, button);
        QFETCH(QPointF, at);
        auto w = Window(NamesPalette);
        QCursor::setPos(w->picPalette->mapToGlobal(at.toPoint()));
        const QPointF global = w->picPalette->mapToGlobal(at);
        const auto pressed = button ? Qt::MouseButton(button) : Qt::LeftButton;
        QMouseEvent press(button ? QEvent::MouseButtonPress : QEvent::MouseButtonDblClick, at,
                          global, pressed, pressed, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, pressed, {}, Qt::NoModifier);
        QCoreApplication::sendEvent(w->picPalette, &press);
        QCoreApplication::sendEvent(w->picPalette, &release);
        QTEST(w->picMain->lblHexName[0]->text(), "caption");
        QTEST(Current(*w), "taken");
    }
};

QTEST_MAIN(tst_PalettePointer)
#include "tst_palettepointer.moc"
