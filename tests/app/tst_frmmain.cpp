#include "app/frmmain.h"
#include "app/mainlayout.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/prompts.h"
#include "core/systemcolours.h"
#include "settings/backend_file.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWindow>

// Answers the colour dialog as the test says, and counts the questions.
class ScriptedPrompts final : public Prompts
{
public:
    std::optional<ColourValue> colour;
    int asked = 0;

    std::optional<ColourValue> ChooseColour(QWidget *, ColourValue) override
    {
        ++asked;
        return colour;
    }

    bool yes = false;
    QStringList questions; // title, text
    bool Confirm(QWidget *, const QString &title, const QString &text) override
    {
        questions << title << text;
        return yes;
    }
    void Warn(QWidget *, const QString &, const QString &) override {}
    void RunModal(QDialog &) override {}
    void Beep() override {}
    std::optional<QString> font;
    std::optional<QString> ChooseFont(QWidget *, const QString &) override { return font; }
};

// Takes the URLs the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

using Values = QList<QPair<const SettingsValue *, QVariant>>;
Q_DECLARE_METATYPE(Values)

// The earlier release's tree: its settings and custom colours as the test gives them.
struct OldRelease
{
    std::optional<int> alwaysOnTop, splash, copyAs, colour;
    QMap<int, ColourValue> customColours; // by number, 1 to 30
};
Q_DECLARE_METATYPE(OldRelease)
using Swatches = QMap<int, ColourValue>;

// The main window driven through its load, commands and unload, with the settings file in a
// folder of its own.
class tst_frmMain : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;

    QString FilePath() const { return m_dir.filePath("registry.reg"); }

    static QString Panel(const frmMain &window, int panel)
    {
        return window.stbPanel[panel]->text();
    }

    // The palette item that carries the radio mark, 0 for none, -1 for more than one.
    static int MarkedPalette(const frmMain &window)
    {
        int marked = 0;
        for (int index = 10; index <= 50; index += 10) {
            if (window.mnuView[index]->isChecked())
                marked = marked ? -1 : index;
        }
        return marked;
    }

    static int TwipsTop(const QWidget *control) { return control->y() * 15; }

private slots:
    static void StoreOldRelease(const OldRelease &old)
    {
        CreateKey(Schema::OldCopyAs.key);
        CreateKey(Schema::OldCustomColour(1).key);
        const std::pair<const SettingsValue &, std::optional<int>> values[] = {
            {Schema::OldAlwaysOnTop, old.alwaysOnTop},
            {Schema::OldShowSplash, old.splash},
            {Schema::OldCopyAs, old.copyAs},
            {Schema::OldColour, old.colour}};
        for (const auto &[value, stored] : values)
            if (stored)
                SaveValue(value, *stored);
        for (auto c = old.customColours.cbegin(); c != old.customColours.cend(); ++c)
            SaveValue(Schema::OldCustomColour(c.key()), c.value());
    }

    void init()
    {
        UseFreshSettings(FilePath());
        SetPrompts(&m_prompts);
        m_prompts = {};
    }

    void load_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<int>("palette");
        QTest::addColumn<QStringList>("panels"); // 2 and 3
        QTest::addColumn<QStringList>("viewCaptions");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("instantChecked");
        QTest::newRow("clean machine")
            << Values{} << 10 << QStringList{"SAFE", ""}
            << QStringList{"Hide &Toolbar", "Hide Status&bar", "Hide &Palette"} << false << false;
        QTest::newRow("view 0") << Values{{&Schema::View, 0}} << 10 << QStringList{"SAFE", ""}
                                << QStringList{"Show &Toolbar", "Show Status&bar", "Show &Palette"}
                                << false << false;
        QTest::newRow("system palette")
            << Values{{&Schema::View, 7}, {&Schema::Palette, 40}} << 40 << QStringList{"SYS", ""}
            << QStringList{"Hide &Toolbar", "Hide Status&bar", "Hide &Palette"} << false << false;
        QTest::newRow("always on top, instant copy")
            << Values{{&Schema::AlwaysOnTop, -1}, {&Schema::Copy, 75}, {&Schema::View, 5}} << 10
            << QStringList{"SAFE", "INST"}
            << QStringList{"Hide &Toolbar", "Show Status&bar", "Hide &Palette"} << true << true;
        QTest::newRow("no such palette")
            << Values{{&Schema::Palette, 35}} << 10 << QStringList{"SAFE", ""}
            << QStringList{"Hide &Toolbar", "Hide Status&bar", "Hide &Palette"} << false << false;
    }
    void load()
    {
        QFETCH(Values, stored);
        QFETCH(int, palette);
        QFETCH(QStringList, panels);
        QFETCH(QStringList, viewCaptions);
        QFETCH(bool, onTop);
        QFETCH(bool, instantChecked);
        for (const auto &[value, data] : stored)
            SaveValue(*value, data);
        frmMain window;
        QCOMPARE(window.Settings.currentPalette, palette);
        QCOMPARE(MarkedPalette(window), palette);
        QCOMPARE((QStringList{Panel(window, 2), Panel(window, 3)}), panels);
        QCOMPARE((QStringList{window.mnuView[70]->text(), window.mnuView[80]->text(),
                              window.mnuView[90]->text()}),
                 viewCaptions);
        QCOMPARE(window.tlbMain->isHidden(), viewCaptions[0].startsWith("Show"));
        QCOMPARE(window.stbMain->isHidden(), viewCaptions[1].startsWith("Show"));
        QCOMPARE(window.picPalette->isHidden(), viewCaptions[2].startsWith("Show"));
        QCOMPARE(window.mnuOptions[40]->isChecked(), onTop);
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(window.mnuOptions[20]->isChecked(), instantChecked);
        QCOMPARE(window.mnuOptions[50]->isChecked(), true);
        QVERIFY(!window.mnuOptions[70]->isEnabled());
        QVERIFY(!window.mnuColour[70]->isEnabled());
        QVERIFY(!window.mnuColour[80]->isEnabled());
        QCOMPARE(window.mnuHelp[10]->text(), QStringLiteral("Contents And Index\tF1"));
        QCOMPARE(window.lblHexName[0]->text(), QStringLiteral("000000"));
        // The palette of the load is drawn: its first cell.
        const ColourValue firstCell =
            palette == 40 ? ColourOf(ResolveColour(0x8000000A)) : RgbColour(255, 255, 255);
        QCOMPARE(window.picPalette->Point(30, 30), firstCell);
    }

    void firstStartIsCentred()
    {
        frmMain window;
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size() * 15;
        QCOMPARE(window.pos(), QPoint((screen.width() / 2 - window.width() * 15 / 2) / 15,
                                      (screen.height() / 2 - window.height() * 15 / 2) / 15));
    }

    void storedPlaceAndColours()
    {
        SaveValue(Schema::Left, 1500);
        SaveValue(Schema::Top, 3000);
        SaveValue(Schema::TrueColour, RgbColour(0, 112, 0));
        SaveValue(Schema::SafeColour, RgbColour(1, 2, 3));
        CreateKey(Schema::OldProgramKey);
        frmMain window;
        QCOMPARE(window.pos(), QPoint(100, 200));
        QCOMPARE(window.lblHexName[0]->text(), QStringLiteral("007000"));
        QCOMPARE(window.lblHexName[1]->text(), QStringLiteral("010203"));
        QCOMPARE(ReadSwatchColour(*window.picMain, 2), RgbColour(1, 2, 3));
        QVERIFY(window.mnuOptions[70]->isEnabled());
    }

    void layout_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("outerHeight"); // less the toolbar's and status bar's heights
        QTest::addColumn<int>("fraMainTop");  // less the toolbar's height
        QTest::newRow("all shown") << 7 << 1830 + 1395 + 1295 + 1330 - 100 << 50;
        QTest::newRow("none shown") << 0 << 1830 + 1395 + 1295 - 350 - 100 << 50;
        QTest::newRow("palette hidden") << 3 << 1830 + 1395 + 1295 - 350 - 100 << 50;
    }
    void layout()
    {
        QFETCH(int, view);
        QFETCH(int, outerHeight);
        QFETCH(int, fraMainTop);
        MainParts parts{390, 300, 1530, 1830, 1395, 1295};
        parts.toolbarShown = view & ToolbarShown;
        parts.statusBarShown = view & StatusBarShown;
        parts.paletteShown = view & PaletteShown;
        const MainLayout layout = ComputeMainLayout(parts);
        const int t = parts.toolbarShown ? 390 : 0;
        const int s = parts.statusBarShown ? 300 : 0;
        QCOMPARE(layout.outerHeight, outerHeight + t + s);
        QCOMPARE(layout.fraMainTop, fraMainTop + t);
        QCOMPARE(layout.picFinderTop, layout.fraMainTop + 1830 + 150);
        QCOMPARE(layout.fraFinderTop, layout.picFinderTop - 100);
        QCOMPARE(layout.picPaletteTop, layout.picFinderTop + 1295 + 150);

        // The window puts its parts where the layout says, with its own bars' heights and its
        // controls' heights as whole pixels; its client area is the outer height less the
        // designed caption, menu bar and borders.
        SaveValue(Schema::View, view);
        frmMain window;
        parts.toolbar = window.tlbMain->height() * 15;
        parts.statusBar = window.stbMain->height() * 15;
        parts.picFinder = window.picFinder->height() * 15;
        const MainLayout placed = ComputeMainLayout(parts);
        QCOMPARE((QList<int>{window.fraMain->y(), window.picFinder->y(), window.fraFinder->y(),
                             window.picPalette->y()}),
                 (QList<int>{placed.fraMainTop / 15, placed.picFinderTop / 15,
                             placed.fraFinderTop / 15, placed.picPaletteTop / 15}));
        QCOMPARE(window.height() - window.menuBar()->sizeHint().height(),
                 (placed.outerHeight - DesignedNonClientHeight) / 15);
        QCOMPARE(window.menuBar()->sizeHint().height() + window.stbMain->geometry().bottom() + 1,
                 window.height());
    }

    void viewCommands()
    {
        frmMain window;
        const int fullHeight = window.height();
        window.mnuView[90]->trigger();
        QVERIFY(window.picPalette->isHidden());
        QCOMPARE(window.mnuView[90]->text(), QStringLiteral("Show &Palette"));
        QCOMPARE(window.Settings.viewFlags, ToolbarShown | StatusBarShown);
        QCOMPARE(window.height(), fullHeight - (1530 - 200 + 350) / 15);
        window.mnuView[70]->trigger();
        QCOMPARE(TwipsTop(window.fraMain), 45);
        window.mnuView[70]->trigger();
        window.mnuView[90]->trigger();
        QCOMPARE(window.height(), fullHeight);
        QCOMPARE(window.Settings.viewFlags, 7);
    }

    void commands_data()
    {
        QTest::addColumn<QList<int>>("buttons"); // toolbar buttons; -n for View item n
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("copyFlags");
        QTest::newRow("quotes twice")
            << QList<int>{7, 7} << QStringList{"Now not using quotes", "Now using quotes"} << 74;
        QTest::newRow("case") << QList<int>{8} << QStringList{"Now using lowercase"} << 78;
        QTest::newRow("case twice")
            << QList<int>{8, 8} << QStringList{"Now using lowercase", "Now using uppercase"} << 74;
        QTest::newRow("pound") << QList<int>{9} << QStringList{"Now not using #"} << 66;
        QTest::newRow("tag") << QList<int>{10, 10}
                             << QStringList{"Now including tag", "Now not including tag"} << 74;
        QTest::newRow("rgb") << QList<int>{12, 12} << QStringList{"Now using RGB", "Now using hex"}
                             << 74;
        QTest::newRow("cycle") << QList<int>{5, 5, 5, 5, 5}
                               << QStringList{"Greyscale palette*", "Names palette*",
                                              "System palette*", "Custom palette*",
                                              "Browser safe palette*"}
                               << 74;
        QTest::newRow("system palette twice")
            << QList<int>{-40, -40} << QStringList{"System palette*", "System palette*"} << 74;
        QTest::newRow("no command")
            << QList<int>{1, 2, 3, 4, 6, 11, 13} << QStringList{"", "", "", "", "", "", ""} << 74;
    }
    void commands()
    {
        QFETCH(QList<int>, buttons);
        QFETCH(QStringList, messages);
        QFETCH(int, copyFlags);
        frmMain window;
        window.picPalette->Cls();
        const QImage cleared = window.picPalette->Image();
        QStringList shown;
        for (int button : buttons) {
            window.StatusMessage({});
            window.picPalette->Cls();
            if (button < 0)
                window.mnuView_Click(-button);
            else
                window.tlbMain_ButtonClick(button);
            // A palette drawn again is marked with a star.
            shown << Panel(window, 1) + (window.picPalette->Image() != cleared ? "*" : "");
        }
        QCOMPARE(shown, messages);
        QCOMPARE(window.Settings.copyOptions.copyFlags.toInt(), copyFlags);
        QCOMPARE(MarkedPalette(window), window.Settings.currentPalette);
        QCOMPARE(Panel(window, 2), QStringList({"SAFE", "GREY", "NAME", "SYS", "CUST"})
                                       .at(window.Settings.currentPalette / 10 - 1));
    }

    void cyclingOnAHiddenStatusBar()
    {
        SaveValue(Schema::Palette, 50);
        frmMain window;
        window.mnuView[80]->trigger();
        QVERIFY(window.stbMain->isHidden());
        window.tlbMain_ButtonClick(5);
        window.mnuView[80]->trigger();
        QCOMPARE(Panel(window, 1), QStringLiteral("Browser safe palette"));
        QCOMPARE(Panel(window, 2), QStringLiteral("SAFE"));
        QCOMPARE(MarkedPalette(window), 10);
    }

    void statusPanelsAndSwitches()
    {
        frmMain window;
        window.mnuOptions[20]->trigger();
        QVERIFY(window.mnuOptions[20]->isChecked());
        QCOMPARE(Panel(window, 3), QStringLiteral("INST"));
        QCOMPARE(Panel(window, 1), QStringLiteral("Instant copy on"));
        QTest::mouseDClick(window.stbPanel[3], Qt::LeftButton);
        QVERIFY(!window.mnuOptions[20]->isChecked());
        QCOMPARE(Panel(window, 3), QString());
        QCOMPARE(Panel(window, 1), QStringLiteral("Instant copy off"));
        QTest::mouseDClick(window.stbPanel[2], Qt::LeftButton);
        QCOMPARE(Panel(window, 2), QStringLiteral("GREY"));
        QTest::mouseDClick(window.stbPanel[1], Qt::LeftButton);
        QCOMPARE(Panel(window, 2), QStringLiteral("GREY"));

        // A shown window changes its stacking in place, keeping its platform window.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWindow *handle = window.windowHandle();
        for (bool onTop : {true, false}) {
            window.mnuOptions[40]->trigger();
            QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(handle->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(window.mnuOptions[40]->isChecked(), onTop);
            QCOMPARE(window.windowHandle(), handle);
            QVERIFY(window.isVisible());
        }
        window.mnuOptions[50]->trigger();
        QVERIFY(!window.Settings.showSplash);
        QVERIFY(!window.mnuOptions[50]->isChecked());
    }

    void copyCommands()
    {
        SaveValue(Schema::TrueColour, RgbColour(255, 102, 0));
        SaveValue(Schema::SafeColour, RgbColour(0, 0, 0));
        frmMain window;
        QClipboard *clipboard = QGuiApplication::clipboard();
        window.tlbButtons[2]->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("\"#FF6600\""));
        QCOMPARE(Panel(window, 1), QStringLiteral("Copied true colour"));
        window.mnuColour[20]->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("\"#000000\""));
        QCOMPARE(Panel(window, 1), QStringLiteral("Copied safe colour"));
    }

    void systemPalette_data()
    {
        QTest::addColumn<std::optional<ColourValue>>("answer");
        QTest::addColumn<bool>("instantCopy");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("cancelled") << std::optional<ColourValue>() << true << "FF6600"
                                   << "untouched";
        QTest::newRow("chosen") << std::optional<ColourValue>(RgbColour(1, 2, 3)) << false
                                << "010203"
                                << "untouched";
        QTest::newRow("chosen, instant copy")
            << std::optional<ColourValue>(RgbColour(1, 2, 3)) << true << "010203"
            << "\"#010203\"";
    }
    void systemPalette()
    {
        QFETCH(std::optional<ColourValue>, answer);
        QFETCH(bool, instantCopy);
        QFETCH(QString, caption);
        QFETCH(QString, clipboard);
        SaveValue(Schema::TrueColour, RgbColour(255, 102, 0));
        SaveValue(Schema::Copy, instantCopy ? 75 : 74);
        m_prompts.colour = answer;
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        frmMain window;
        window.mnuColour[50]->trigger();
        QCOMPARE(m_prompts.asked, 1);
        QCOMPARE(window.lblHexName[0]->text(), caption);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        // The dialog's colour is not recorded for undo.
        QVERIFY(!window.mnuColour[70]->isEnabled());
    }

    void undoAndRedoFromTheMenu()
    {
        frmMain window;
        window.History.Apply(Record, *window.picMain, *window.lblHexName[0], *window.lblHexName[1]);
        SetCurrentColour(*window.picMain, *window.lblHexName[0], *window.lblHexName[1], 99, 0, 0);
        QVERIFY(window.mnuColour[70]->isEnabled());
        QVERIFY(!window.mnuColour[80]->isEnabled());
        window.mnuColour[70]->trigger();
        QCOMPARE(ReadSwatchColour(*window.picMain, 1), 0);
        QVERIFY(!window.mnuColour[70]->isEnabled());
        QVERIFY(window.mnuColour[80]->isEnabled());
        window.mnuColour[80]->trigger();
        QCOMPARE(ReadSwatchColour(*window.picMain, 1), 99);
    }

    void help()
    {
        frmMain window;
        const QDir folder(QCoreApplication::applicationDirPath());
        QFile::remove(folder.filePath("help/index.html"));
        window.mnuHelp[10]->trigger();
        QCOMPARE(Panel(window, 1), QStringLiteral("The manual is missing"));

        folder.mkpath("help");
        QFile manual(folder.filePath("help/index.html"));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        window.StatusMessage({});
        window.mnuHelp[10]->trigger();
        QCOMPARE(Panel(window, 1), QStringLiteral("No program could open the manual"));

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        window.StatusMessage({});
        window.mnuHelp[10]->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(manual.fileName())});
        QCOMPARE(Panel(window, 1), QString());
        manual.remove();
    }

    // The unload stores the switches in their order, the place and the colours as shown.
    void unload()
    {
        SaveValue(Schema::Left, 15);
        frmMain window;
        QWidget other;
        other.show();
        window.tlbMain_ButtonClick(8);
        window.mnuView_Click(30);
        SetCurrentColour(*window.picMain, *window.lblHexName[0], *window.lblHexName[1],
                         RgbColour(255, 99, 71), 30, 132);
        window.move(30, 45);
        window.close();
        QVERIFY(!other.isVisible());

        QFile file(FilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QStringList order{"Always On Top", "Splash",   "Precision",     "Copy",
                                "Tag Copy",      "RGB Copy", "HTML Tag Copy", "Alert",
                                "CSS Tag Copy",  "View",     "Palette"};
        qsizetype at = text.indexOf("Settings]");
        for (const QString &name : order) {
            const qsizetype next = text.indexOf('"' + name + "\"=", at);
            QVERIFY2(next > at, qPrintable(name));
            at = next;
        }
        QCOMPARE(GetValue(Schema::Copy).toInt(), 78);
        QCOMPARE(GetValue(Schema::Palette).toInt(), 30);
        QCOMPARE(GetValue(Schema::Splash).toInt(), -1);
        QCOMPARE(GetValue(Schema::Left).toInt(), 450);
        QCOMPARE(GetValue(Schema::Top).toInt(), 675);
        QCOMPARE(GetValue(Schema::TrueColour).toInt(), RgbColour(255, 99, 71));
        QCOMPARE(GetValue(Schema::SafeColour).toInt(), RgbColour(255, 102, 51));
    }

    void minimisedKeepsStoredPlace()
    {
        SaveValue(Schema::Left, 1500);
        SaveValue(Schema::Top, 3000);
        frmMain window;
        window.setWindowState(Qt::WindowMinimized);
        window.move(0, 0);
        window.close();
        QCOMPARE(GetValue(Schema::Left).toInt(), 1500);
        QCOMPARE(GetValue(Schema::Top).toInt(), 3000);
    }

    void controlsAreNamed()
    {
        frmMain window;
        for (QWidget *control : window.findChildren<QWidget *>()) {
            if (control->objectName().startsWith(QLatin1String("lbl")) ||
                control->objectName().startsWith(QLatin1String("pic")))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
        for (const char *name :
             {"tlbMain", "fraMain", "picMain", "lblHexName0", "lblHexName1", "picFinder",
              "fraFinder", "lblRedPercent", "picPalette", "stbMain"})
            QVERIFY2(window.findChild<QWidget *>(name), name);
    }

    // The import of the earlier release: the question, the switches, the custom colours placed
    // into free swatches from 63 down, the copy switches only ever added, the colour made current.
    void importSettings_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QVariant>("old"); // OldRelease
        QTest::addColumn<QList<int>>("usedSwatches");
        QTest::addColumn<int>("palette");
        QTest::addColumn<Swatches>("placed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("clipboard");
        const auto old = [](OldRelease release) { return QVariant::fromValue(release); };
        QTest::newRow("answered No") << false << old({-1, -1, 15, 255, {{1, 0}}}) << QList<int>{}
                                     << 10 << Swatches{} << "FF6600"
                                     << "untouched";
        QTest::newRow("only its colour")
            << true << old({{}, {}, {}, 255, {}}) << QList<int>{} << 10 << Swatches{} << "FF0000"
            << "untouched";
        QTest::newRow("colours 1 and 3 into 63 and 62")
            << true << old({{}, {}, {}, {}, {{1, 0}, {3, 0xFFFFFF}}}) << QList<int>{} << 10
            << Swatches{{63, 0}, {62, 0xFFFFFF}} << "FF6600"
            << "untouched";
        QTest::newRow("63 in use, shown under the names palette")
            << true << old({{}, {}, {}, {}, {{1, 0x123456}}}) << QList<int>{63} << 30
            << Swatches{{63, 0x0000AB}, {62, 0x123456}} << "FF6600"
            << "untouched";
        QTest::newRow("every swatch in use") << true << old({{}, {}, {}, {}, {{1, 0x123456}}}) <<
            [] {
                QList<int> all;
                for (int i = 0; i < 64; ++i)
                    all << i;
                return all;
            }() << 50 << Swatches{} << "FF6600"
                                             << "untouched";
        QTest::newRow("copy as 15: copied at once") << true << old({{}, {}, 15, 0x0066FF, {}})
                                                    << QList<int>{} << 10 << Swatches{} << "FF6600"
                                                    << "\"#ff6600\"";
    }
    void importSettings()
    {
        QFETCH(bool, yes);
        QFETCH(QVariant, old);
        QFETCH(QList<int>, usedSwatches);
        QFETCH(int, palette);
        QFETCH(Swatches, placed);
        QFETCH(QString, caption);
        QFETCH(QString, clipboard);
        StoreOldRelease(old.value<OldRelease>());
        for (int swatch : usedSwatches)
            SaveValue(Schema::Swatch(swatch), 0x0000AB);
        SaveValue(Schema::Palette, palette);
        SaveValue(Schema::TrueColour, RgbColour(255, 102, 0));
        QGuiApplication::clipboard()->setText("untouched");
        frmMain window;
        m_prompts.yes = yes;
        const ProgramSettings before = window.Settings;
        QVERIFY(window.mnuOptions[70]->isEnabled());
        window.mnuOptions[70]->trigger();

        QCOMPARE(
            m_prompts.questions,
            (QStringList{"Confirm Import",
                         "Proceed with importing Pigmenta v.1\r\nsettings into Pigmenta R4?"}));
        QCOMPARE(window.lblHexName[0]->text(), caption);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        for (int swatch = 0; swatch < 64; ++swatch) {
            const QVariant expected = placed.contains(swatch)         ? QVariant(placed[swatch])
                                      : usedSwatches.contains(swatch) ? QVariant(0x0000AB)
                                                                      : QVariant();
            QCOMPARE(GetValue(Schema::Swatch(swatch), QVariant()), expected);
        }
        const OldRelease release = old.value<OldRelease>();
        const bool switched = yes && release.alwaysOnTop;
        QCOMPARE(window.Settings.alwaysOnTop, switched ? true : before.alwaysOnTop);
        QCOMPARE(window.mnuOptions[40]->isChecked(), window.Settings.alwaysOnTop);
        QCOMPARE(window.Settings.showSplash, yes && release.splash ? true : before.showSplash);
        // The box shows the palette the menu names.
        QCOMPARE(window.picPalette->Point(30, 30), palette == 50   ? 0x0000AB
                                                   : palette == 30 ? RgbColour(240, 248, 255)
                                                                   : 0xFFFFFF);
    }

    // The copy switches are only ever added: Copy As 15 adds quotes, lowercase and instant
    // copy and makes the tag CSS; Copy As 0 leaves quotes on.
    void importCopySwitches_data()
    {
        QTest::addColumn<int>("copyAs");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("tagKind");
        QTest::newRow("15") << 15 << (74 | Quotes | Lowercase | InstantCopy) << int(Css);
        QTest::newRow("0") << 0 << 74 << int(Html);
    }
    void importCopySwitches()
    {
        QFETCH(int, copyAs);
        QFETCH(int, flags);
        QFETCH(int, tagKind);
        StoreOldRelease({{}, {}, copyAs, {}, {}});
        frmMain window;
        m_prompts.yes = true;
        window.mnuOptions[70]->trigger();
        QCOMPARE(int(window.Settings.copyOptions.copyFlags), flags);
        QCOMPARE(window.Settings.copyOptions.tagKind, tagKind);
        QCOMPARE(window.mnuOptions[20]->isChecked(), bool(flags & InstantCopy));
        QCOMPARE(Panel(window, 3), flags & InstantCopy ? "INST" : "");
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
