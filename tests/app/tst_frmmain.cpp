#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/prompts.h"
#include "core/systemcolours.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

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

// Answers the colour dialog and the import's question as the test says.
class ScriptedPrompts final : public Prompts
{
public:
    std::optional<ColourValue> colour;
    bool yes = false;
    QStringList questions; // title, text

    std::optional<ColourValue> ChooseColour(QWidget *, ColourValue) override { return colour; }
    bool Confirm(QWidget *, const QString &title, const QString &text) override
    {
        questions << title << text;
        return yes;
    }
    void Warn(QWidget *, const QString &, const QString &) override {}
    void RunModal(QDialog &) override {}
    void Beep() override {}
    std::optional<QString> ChooseFont(QWidget *, const QString &) override { return {}; }
};

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

    static QString Panel(const frmMain &window, int panel)
    {
        return window.stbPanel[panel]->text();
    }

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
    // empty), the parts shown (View bits), Always On Top (menu and window), the hex captions.
    void load_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("clean machine") << Values{} << "10 SAFE - 7 0 000000 000000";
        QTest::newRow("view 0") << Values{{Schema::View, 0}} << "10 SAFE - 0 0 000000 000000";
        QTest::newRow("system palette")
            << Values{{Schema::View, 7}, {Schema::Palette, 40}} << "40 SYS - 7 0 000000 000000";
        QTest::newRow("always on top, instant copy")
            << Values{{Schema::AlwaysOnTop, -1}, {Schema::Copy, 75}, {Schema::View, 5}}
            << "10 SAFE INST 5 1 000000 000000";
        QTest::newRow("no such palette")
            << Values{{Schema::Palette, 35}} << "10 SAFE - 7 0 000000 000000";
        // The safe colour is shown as stored, not worked out from the true colour.
        QTest::newRow("stored colours") << Values{{Schema::TrueColour, RgbColour(0, 112, 0)},
                                                  {Schema::SafeColour, RgbColour(1, 2, 3)}}
                                        << "10 SAFE - 7 0 007000 010203";
    }
    void load()
    {
        QFETCH(Values, stored);
        QFETCH(QString, shown);
        Store(stored);
        frmMain window;
        // Each part's View item offers to do what it has not: hide a part shown, show one hidden.
        int view = 0;
        const std::pair<const QWidget *, QString> parts[] = {{window.tlbMain, "&Toolbar"},
                                                             {window.stbMain, "Status&bar"},
                                                             {window.picPalette, "&Palette"}};
        for (int i = 0; i < 3; ++i) {
            const auto &[part, caption] = parts[i];
            view |= part->isHidden() ? 0 : 1 << i;
            QCOMPARE(window.mnuView[70 + 10 * i]->text(),
                     (part->isHidden() ? "Show " : "Hide ") + caption);
        }
        const bool onTop = window.mnuOptions[40]->isChecked();
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(window.Settings.currentPalette, MarkedPalette(window));
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                     .arg(QString::number(MarkedPalette(window)), Panel(window, 2),
                          Panel(window, 3).isEmpty() ? "-" : Panel(window, 3),
                          QString::number(view), QString::number(onTop),
                          window.lblHexName[0]->text(), window.lblHexName[1]->text()),
                 shown);
        QCOMPARE(window.mnuOptions[20]->isChecked(), Panel(window, 3) == "INST");
        QVERIFY(window.mnuOptions[50]->isChecked());
        QVERIFY(!window.mnuOptions[70]->isEnabled());
        QVERIFY(!window.mnuColour[70]->isEnabled());
        QVERIFY(!window.mnuColour[80]->isEnabled());
        QCOMPARE(window.mnuHelp[10]->text(), QStringLiteral("&Contents And Index\tF1"));
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
    }

    // The parts of View hidden with their items: each item's caption and bit flip, and the
    // window lays itself out again. Worked out by hand in twips from the designed heights
    // (fraMain 1830, fraFinder 1395, picPalette 1530) and the magnifier's 86 pixels (1290 twips),
    // then made pixels (/ 15, the remainder dropped). The tops are below the toolbar, the client
    // height is without the bars: fraMain 50; picFinder 50 + 1830 + 150 = 2030; fraFinder 2030 -
    // 100 = 1930; picPalette 2030 + 1290 + 150 = 3470; client 1830 + 1395 + 1290 + (1530 - 200
    // or -350) - 100 - 660.
    void layout_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("clientHeight");
        QTest::newRow("all shown") << 7 << 339;
        QTest::newRow("none shown") << 0 << 227;
        QTest::newRow("palette hidden") << 3 << 227;
        QTest::newRow("palette only") << 4 << 339;
    }
    void layout()
    {
        QFETCH(int, view);
        QFETCH(int, clientHeight);
        frmMain window;
        const QStringList parts{"&Toolbar", "Status&bar", "&Palette"};
        for (int bit = 0; bit < 3; ++bit) {
            if (!(view & 1 << bit)) {
                window.mnuView[70 + 10 * bit]->trigger();
                QCOMPARE(window.mnuView[70 + 10 * bit]->text(), "Show " + parts[bit]);
            }
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
    }

    // Toolbar buttons, and View items (negative), one after the other: after each, the status
    // text, a star where the palette was drawn again, the copy switches and panel 2.
    void commands()
    {
        // clang-format off
        const std::pair<int, const char *> steps[] = {
            {7, "Now not using quotes 72 SAFE"},  {7, "Now using quotes 74 SAFE"},
            {8, "Now using lowercase 78 SAFE"},   {8, "Now using uppercase 74 SAFE"},
            {9, "Now not using # 66 SAFE"},       {9, "Now using # 74 SAFE"},
            {10, "Now including tag 106 SAFE"},   {10, "Now not including tag 74 SAFE"},
            {12, "Now using RGB 90 SAFE"},        {12, "Now using hex 74 SAFE"},
            {5, "Greyscale palette* 74 GREY"},    {5, "Names palette* 74 NAME"},
            {5, "System palette* 74 SYS"},        {5, "Custom palette* 74 CUST"},
            {5, "Browser safe palette* 74 SAFE"}, {-40, "System palette* 74 SYS"},
            {-40, "System palette* 74 SYS"},
            // An empty place, the separators, the copy buttons (the copy commands themselves)
            // and a button there is not.
            {1, " 74 SYS"}, {2, " 74 SYS"}, {3, " 74 SYS"}, {4, " 74 SYS"}, {6, " 74 SYS"},
            {11, " 74 SYS"}, {13, " 74 SYS"}};
        // clang-format on
        frmMain window;
        window.picPalette->Cls();
        const QImage cleared = window.picPalette->Image();
        for (const auto &[button, shown] : steps) {
            window.StatusMessage({});
            window.picPalette->Cls();
            if (button < 0)
                window.mnuView_Click(-button);
            else
                window.tlbMain_ButtonClick(button);
            QCOMPARE(QStringLiteral("%1%2 %3 %4")
                         .arg(Panel(window, 1), window.picPalette->Image() != cleared ? "*" : "",
                              QString::number(window.Settings.copyOptions.copyFlags.toInt()),
                              Panel(window, 2)),
                     QString::fromUtf8(shown));
            QCOMPARE(MarkedPalette(window), window.Settings.currentPalette);
        }
    }

    // A colour chosen in the system colour dialog is shown and, with instant copy, copied at
    // once; it is not recorded for undo.
    void systemPalette()
    {
        SaveValue(Schema::Copy, 75);
        m_prompts.colour = RgbColour(1, 2, 3);
        frmMain window;
        window.mnuColour[50]->trigger();
        QCOMPARE(window.lblHexName[0]->text(), QStringLiteral("010203"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\"#010203\""));
        QVERIFY(!window.mnuColour[70]->isEnabled());
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

    void minimisedKeepsStoredPlace()
    {
        Store({{Schema::Left, 1500}, {Schema::Top, 3000}});
        frmMain window;
        window.setWindowState(Qt::WindowMinimized);
        window.move(0, 0);
        window.close();
        QCOMPARE(GetValue(Schema::Left).toInt(), 1500);
        QCOMPARE(GetValue(Schema::Top).toInt(), 3000);
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
        QList<int> all(64);
        std::iota(all.begin(), all.end(), 0);
        QTest::newRow("answered No")
            << false
            << Values{{OldAlwaysOnTop, -1},
                      {OldCopyAs, 15},
                      {OldColour, 255},
                      {OldCustomColour(1), 0}}
            << QList<int>{} << 10 << Swatches{} << "FF6600 untouched 0 1 74 1 -";
        QTest::newRow("colours 1 and 3 into 63 and 62")
            << true << Values{{OldCustomColour(1), 0}, {OldCustomColour(3), 0xFFFFFF}}
            << QList<int>{} << 10 << Swatches{{63, 0}, {62, 0xFFFFFF}}
            << "FF6600 untouched 0 1 74 1 -";
        QTest::newRow("63 in use, shown under the names palette")
            << true << Values{{OldCustomColour(1), 0x123456}} << QList<int>{63} << 30
            << Swatches{{63, 0x0000AB}, {62, 0x123456}} << "FF6600 untouched 0 1 74 1 -";
        QTest::newRow("every swatch in use")
            << true << Values{{OldCustomColour(1), 0x123456}} << all << 50 << Swatches{}
            << "FF6600 untouched 0 1 74 1 -";
        QTest::newRow("copy as 15: copied at once, on top, no splash")
            << true
            << Values{{OldAlwaysOnTop, -1},
                      {OldShowSplash, 0},
                      {OldCopyAs, 15},
                      {OldColour, 0x0066FF}}
            << QList<int>{} << 10 << Swatches{} << "FF6600 \"#ff6600\" 1 0 79 2 INST";
        QTest::newRow("only its colour, copy as 0")
            << true << Values{{OldCopyAs, 0}, {OldColour, 255}} << QList<int>{} << 10 << Swatches{}
            << "FF0000 untouched 0 1 74 1 -";
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
                     .arg(window.lblHexName[0]->text(), QGuiApplication::clipboard()->text())
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
