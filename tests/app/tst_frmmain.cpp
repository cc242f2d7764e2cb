#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "core/systemcolours.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"
#include "tests/scriptedprompts.h"

#include <QActionGroup>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <numeric>

// Values stored before the window loads.
using Values = QList<std::pair<SettingsValue, QVariant>>;
Q_DECLARE_METATYPE(Values)
using Swatches = QMap<int, ColourValue>;

// A coordinate of the window's place that is centred on the screen.
constexpr int Centred = INT_MIN;

// The main window driven through its load, commands and unload, with the settings file in a
// folder of its own.
class tst_frmMain : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;

    static QString Panel(const frmMain &w, int panel) { return w.stbPanel[panel]->text(); }
    static QString Caption(const frmMain &w, int i) { return w.picMain->lblHexName[i]->text(); }

    // The palette item that carries the radio mark, 0 for none.
    static int MarkedPalette(const frmMain &window)
    {
        return window.mnuView.key(window.mnuView[10]->actionGroup()->checkedAction(), 0);
    }

    static void Store(const Values &values)
    {
        for (const auto &[value, data] : values) {
            CreateKey(value.key);
            SaveValue(value, data);
        }
    }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SetPrompts(&m_prompts);
        m_prompts = {};
    }

    // After the load: the palette (marked in the View menu), status panels 2 and 3 ("-" for
    // empty), Always On Top (menu and window), the hex captions.
    void load_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<QString>("shown");
        using namespace Schema;
        const auto row = [](const char *name, const Values &stored, const char *shown) {
            QTest::newRow(name) << stored << QString(shown);
        };
        row("clean machine", {}, "10 SAFE - 0 000000 000000");
        row("system palette", {{Palette, 40}}, "40 SYS - 0 000000 000000");
        row("always on top, instant copy", {{AlwaysOnTop, -1}, {Copy, 75}},
            "10 SAFE INST 1 000000 000000");
        row("no such palette", {{Palette, 35}}, "10 SAFE - 0 000000 000000");
        // The safe colour is shown as stored, not worked out from the true colour.
        row("stored colours",
            {{TrueColour, RgbColour(0, 112, 0)}, {Schema::SafeColour, RgbColour(1, 2, 3)}},
            "10 SAFE - 0 007000 010203");
    }
    void load()
    {
        QFETCH(Values, stored);
        QFETCH(QString, shown);
        Store(stored);
        frmMain window;
        const bool onTop = window.mnuOptions[40]->isChecked();
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(window.Settings.currentPalette, MarkedPalette(window));
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(QString::number(MarkedPalette(window)), Panel(window, 2),
                          Panel(window, 3).isEmpty() ? "-" : Panel(window, 3),
                          QString::number(onTop), Caption(window, 0), Caption(window, 1)),
                 shown);
        QCOMPARE(window.mnuOptions[20]->isChecked(), Panel(window, 3) == "INST");
        QVERIFY(window.mnuOptions[50]->isChecked());
        QVERIFY(!window.mnuOptions[70]->isEnabled());
        QVERIFY(!window.mnuColour[70]->isEnabled());
        QVERIFY(!window.mnuColour[80]->isEnabled());
        // The palette of the load is drawn: its first cell.
        QCOMPARE(window.picPalette->Point(30, 30), window.Settings.currentPalette == 40
                                                       ? ColourOf(ResolveColour(0x8000000A))
                                                       : RgbColour(255, 255, 255));
    }

    // The stored place in twips, on the 800 x 800 screen of the tests: a coordinate that puts
    // the window beside, above or below the screen is centred, the other one kept.
    void place_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<QPoint>("place");
        const auto at = [](int left, int top) {
            return Values{{Schema::Left, left}, {Schema::Top, top}};
        };
        QTest::newRow("first start") << Values{} << QPoint(Centred, Centred);
        QTest::newRow("stored") << at(1500, 3000) << QPoint(100, 200);
        QTest::newRow("200 twips beyond the left edge") << at(-200, 3000) << QPoint(-13, 200);
        QTest::newRow("right of the screen") << at(12000, 3000) << QPoint(Centred, 200);
        QTest::newRow("below the screen") << at(1500, 12000) << QPoint(100, Centred);
        QTest::newRow("above the screen") << at(1500, -20000) << QPoint(100, Centred);
        QTest::newRow("off both ways") << at(-20000, 20000) << QPoint(Centred, Centred);
    }
    void place()
    {
        QFETCH(Values, stored);
        QFETCH(QPoint, place);
        Store(stored);
        frmMain window;
        // Half the screen less half the window, in twips.
        const int left = qRound((800 - window.width()) * 15 / 2.0) / 15;
        const int top = qRound((800 - window.height()) * 15 / 2.0) / 15;
        QCOMPARE(window.pos(), QPoint(place.x() == Centred ? left : place.x(),
                                      place.y() == Centred ? top : place.y()));
        // Closed while minimised, it leaves the stored place as it was.
        window.setWindowState(Qt::WindowMinimized);
        window.close();
        for (const auto &[value, data] : stored)
            QCOMPARE(GetValue(value).toInt(), data.toInt());
    }

    // The parts of View as loaded, then each flipped with its item: each part's item offers to do
    // what it has not, its bit follows, and the window lays itself out again. Worked out by hand in
    // twips from the designed heights (fraMain 1830, fraFinder 1395, picPalette 1530) and the
    // magnifier's 86 pixels (1290 twips), then made pixels (/ 15, the remainder dropped). The tops
    // are below the toolbar, the client height is without the bars: fraMain 50; picFinder 50 + 1830
    // + 150 = 2030; fraFinder 2030 - 100 = 1930; picPalette 2030 + 1290 + 150 = 3470; client 1830 +
    // 1395 + 1290 + (1530 - 200 or -350) - 100 - 660.
    void layout_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<QList<int>>("clientHeights"); // as loaded, then with every part flipped
        QTest::newRow("all shown, then none") << 7 << QList{339, 227};
        QTest::newRow("palette hidden, then palette only") << 3 << QList{227, 339};
    }
    void layout()
    {
        QFETCH(int, view);
        QFETCH(QList<int>, clientHeights);
        SaveValue(Schema::View, view);
        frmMain window;
        const std::pair<const QWidget *, QString> parts[] = {{window.tlbMain, "&Toolbar"},
                                                             {window.stbMain, "Status&bar"},
                                                             {window.picPalette, "&Palette"}};
        for (const int clientHeight : clientHeights) {
            for (int bit = 0; bit < 3; ++bit) {
                const auto &[part, caption] = parts[bit];
                QCOMPARE(part->isHidden(), !(view & 1 << bit));
                QCOMPARE(window.mnuView[70 + 10 * bit]->text(),
                         (part->isHidden() ? "Show " : "Hide ") + caption);
            }
            QCOMPARE(window.Settings.viewFlags, view);
            const int toolbar = view & ToolbarShown ? window.tlbMain->height() : 0;
            const int statusBar = view & StatusBarShown ? window.stbMain->height() : 0;
            QCOMPARE((QList<int>{window.fraMain->y(), window.picFinder->y(), window.fraFinder->y(),
                                 window.picPalette->y()}),
                     (QList<int>{toolbar + 3, toolbar + 135, toolbar + 128, toolbar + 231}));
            const int menuBar = window.menuBar()->sizeHint().height();
            QCOMPARE(window.size(), QSize(224, menuBar + toolbar + statusBar + clientHeight));
            QCOMPARE(window.stbMain->geometry().bottom() + 1, toolbar + statusBar + clientHeight);
            for (int item : {70, 80, 90})
                window.mnuView[item]->trigger();
            view ^= 7;
        }
    }

    // Toolbar buttons one after the other: after each, the status text, the copy switches and
    // panel 2.
    void commands()
    {
        // clang-format off
        const std::pair<int, const char *> steps[] = {
            {7, "Now not using quotes 72 SAFE"},  {7, "Now using quotes 74 SAFE"},
            {8, "Now using lowercase 78 SAFE"},   {8, "Now using uppercase 74 SAFE"},
            {9, "Now not using # 66 SAFE"},       {9, "Now using # 74 SAFE"},
            {10, "Now including tag 106 SAFE"},   {10, "Now not including tag 74 SAFE"},
            {12, "Now using RGB 90 SAFE"},        {12, "Now using hex 74 SAFE"},
            {5, "Greyscale palette 74 GREY"},     {5, "Names palette 74 NAME"},
            {5, "System palette 74 SYS"},         {5, "Custom palette 74 CUST"},
            {5, "Browser safe palette 74 SAFE"},
            // An empty place, the separators, the copy buttons (the copy commands themselves)
            // and a button there is not.
            {1, " 74 SAFE"}, {2, " 74 SAFE"}, {3, " 74 SAFE"}, {4, " 74 SAFE"}, {6, " 74 SAFE"},
            {11, " 74 SAFE"}, {13, " 74 SAFE"}};
        // clang-format on
        frmMain window;
        for (const auto &[button, shown] : steps) {
            window.StatusMessage({});
            window.tlbMain_ButtonClick(button);
            QCOMPARE(QStringLiteral("%1 %2 %3")
                         .arg(Panel(window, 1),
                              QString::number(window.Settings.copyOptions.copyFlags.toInt()),
                              Panel(window, 2)),
                     QString::fromUtf8(shown));
            QCOMPARE(MarkedPalette(window), window.Settings.currentPalette);
        }
    }

    // F8 to the window copies in the CSS form chosen last, short hex only where it is exact.
    void copyCss()
    {
        Store({{Schema::TrueColour, 0x808080}});
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto f8Copies = [&](ColourValue colour, const char *shown) {
            SetCurrentColour(*window.picMain, colour);
            QGuiApplication::clipboard()->setText("untouched");
            QTest::keyClick(&window, Qt::Key_F8);
            QCOMPARE(QGuiApplication::clipboard()->text() + " / " + Panel(window, 1), shown);
        };
        f8Copies(0x808080, "#808080 / Copied CSS hex");
        window.mnuCopyCss[50]->trigger();
        f8Copies(RgbColour(255, 102, 0), "oklch(69.58% 0.204 43.49) / Copied CSS oklch()");
        window.mnuCopyCss[20]->trigger();
        f8Copies(0x808080, "untouched / Copied CSS short hex");
    }

    // Where the manual cannot be shown, the status text says why, and where the manual is.
    void help()
    {
        const QDir folder(QCoreApplication::applicationDirPath());
        QFile manual(folder.filePath("help/index.html"));
        manual.remove();
        frmMain window;
        window.mnuHelp[10]->trigger();
        QCOMPARE(Panel(window, 1), QStringLiteral("The manual is missing"));
        folder.mkpath("help");
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        window.mnuHelp[10]->trigger();
        QCOMPARE(Panel(window, 1), "No program could open the manual at " +
                                       QDir::toNativeSeparators(manual.fileName()));
        manual.remove();
    }

    // The import of the earlier release: the question, the custom colours placed into free
    // swatches from 63 down; then the colour made current, the clipboard, and the switches
    // Always On Top, Splash, copy flags, tag kind and instant copy (the copy switches only ever
    // added: Copy As 15 adds quotes, lowercase and instant copy and makes the tag CSS).
    void importSettings_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<Values>("old");
        QTest::addColumn<QList<int>>("usedSwatches");
        QTest::addColumn<int>("palette");
        QTest::addColumn<Swatches>("placed");
        QTest::addColumn<QString>("shown");
        using namespace Schema;
        const auto row = [](const char *name, bool yes, const Values &old, const QList<int> &used,
                            int palette, const Swatches &placed, const char *shown) {
            QTest::newRow(name) << yes << old << used << palette << placed << QString(shown);
        };
        QList<int> all(64);
        std::iota(all.begin(), all.end(), 0);
        const char *same = "FF6600 untouched 0 1 74 1 -";
        row("answered No", false,
            {{OldAlwaysOnTop, -1}, {OldCopyAs, 15}, {OldColour, 255}, {OldCustomColour(1), 0}}, {},
            10, {}, same);
        row("colours 1 and 3 into 63 and 62", true,
            {{OldCustomColour(1), 0}, {OldCustomColour(3), 0xFFFFFF}}, {}, 10,
            {{63, 0}, {62, 0xFFFFFF}}, same);
        row("63 in use, shown under the names palette", true, {{OldCustomColour(1), 0x123456}},
            {63}, 30, {{63, 0x0000AB}, {62, 0x123456}}, same);
        row("every swatch in use", true, {{OldCustomColour(1), 0x123456}}, all, 50, {}, same);
        row("copy as 15: copied at once, on top, no splash", true,
            {{OldAlwaysOnTop, -1}, {OldShowSplash, 0}, {OldCopyAs, 15}, {OldColour, 0x0066FF}}, {},
            10, {}, "FF6600 \"#ff6600\" 1 0 79 2 INST");
        row("only its colour, copy as 0", true, {{OldCopyAs, 0}, {OldColour, 255}}, {}, 10, {},
            "FF0000 untouched 0 1 74 1 -");
    }
    void importSettings()
    {
        QFETCH(bool, yes);
        QFETCH(Values, old);
        QFETCH(QList<int>, usedSwatches);
        QFETCH(int, palette);
        QFETCH(Swatches, placed);
        QFETCH(QString, shown);
        CreateKey(Schema::OldProgramKey);
        Store(old);
        for (int swatch : usedSwatches)
            SaveValue(Schema::Swatch(swatch), 0x0000AB);
        Store({{Schema::Palette, palette}, {Schema::TrueColour, RgbColour(255, 102, 0)}});
        QGuiApplication::clipboard()->setText("untouched");
        frmMain window;
        m_prompts.yes = yes;
        QVERIFY(window.mnuOptions[70]->isEnabled());
        window.mnuOptions[70]->trigger();

        QCOMPARE(
            m_prompts.questions,
            (QStringList{"Confirm Import",
                         "Proceed with importing Pigmenta v.1\r\nsettings into Pigmenta R4?"}));
        for (int swatch = 0; swatch < 64; ++swatch) {
            const QVariant expected = placed.contains(swatch)         ? QVariant(placed[swatch])
                                      : usedSwatches.contains(swatch) ? QVariant(0x0000AB)
                                                                      : QVariant();
            QCOMPARE(GetValue(Schema::Swatch(swatch), QVariant()), expected);
        }
        // The switches as the menu and status panel 3 show them.
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                     .arg(Caption(window, 0), QGuiApplication::clipboard()->text())
                     .arg(window.mnuOptions[40]->isChecked())
                     .arg(window.mnuOptions[50]->isChecked())
                     .arg(window.Settings.copyOptions.copyFlags.toInt())
                     .arg(int(window.Settings.copyOptions.tagKind))
                     .arg(Panel(window, 3).isEmpty() ? "-" : Panel(window, 3)),
                 shown);
        QCOMPARE(window.mnuOptions[20]->isChecked(), Panel(window, 3) == "INST");
        // The box shows the palette the menu names.
        QCOMPARE(window.picPalette->Point(30, 30), palette == 50   ? 0x0000AB
                                                   : palette == 30 ? RgbColour(240, 248, 255)
                                                                   : 0xFFFFFF);
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
