#include "core/copyoptions.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/prompts.h"
#include "dialogs/colourentry.h"
#include "dialogs/frmcolour.h"
#include "palettes/swatchhistory.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class ScriptedPrompts final : public Prompts
{
public:
    int beeps = 0;
    QStringList warnings;

    std::optional<ColourValue> ChooseColour(QWidget *, ColourValue) override { return {}; }
    bool Confirm(QWidget *, const QString &, const QString &) override { return false; }
    void Warn(QWidget *, const QString &title, const QString &) override { warnings << title; }
    void RunModal(QDialog &) override {}
    void Beep() override { ++beeps; }
    std::optional<QString> ChooseFont(QWidget *, const QString &) override { return {}; }
};

// The Enter Colour window: its key filters as tables, the conversions, and OK, Cancel and the
// notation remembered, against a colour display and history of the test's own.
class tst_frmColour : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    PictureBox m_picMain;
    QLabel m_upper{&m_picMain}, m_lower{&m_picMain};
    SwatchHistory m_history;
    CopyOptions m_options;

    std::unique_ptr<frmColour> Open()
    {
        auto w = std::make_unique<frmColour>(
            ColourTarget{m_picMain, m_upper, m_lower, m_history, m_options}, false, nullptr);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        return w;
    }
    ColourValue Current() const { return ReadSwatchColour(m_picMain, 1); }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        m_prompts = {};
        SetPrompts(&m_prompts);
        m_options = {CopyFlags(75), 1, 3, 1, 1, 1}; // instant copy on
        m_picMain.resize(182, 74);
        SetCurrentColour(m_picMain, m_upper, m_lower, RgbColour(1, 2, 3), 0, 0);
        QGuiApplication::clipboard()->setText("untouched");
    }

    // (notation, text before, key) -> (let through, beep); 8 is a red, green or blue box.
    void keyFilters_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("beep");
        const struct
        {
            int notation;
            const char *before, *key;
            bool accepted, beep;
        } rows[] = {
            {1, "FF66", "a", true, false},     {1, "", "G", false, true},
            {1, "", "-", false, true},         {2, "1677721", "5", true, false},
            {2, "1677721", "6", false, false}, {2, "12", "x", false, true},
            {4, "Re", "d", true, false},       {4, "red", "1", false, true},
            {4, "dark", " ", false, true},     {8, "25", "5", true, false},
            {8, "25", "6", false, true},       {8, "1.", "5", false, true},
            {8, "0.", "5", true, false},       {8, "1", ".", true, false},
            {8, "0.5", ".", false, true},      {8, "", "%", false, true},
            {8, "50", "%", true, false},       {8, "101", "%", false, true},
            {8, "50%", "%", false, true},      {8, "50%", "1", false, true},
            {8, "200", "5", false, true},      {8, "", "-", false, true},
        };
        for (const auto &r : rows)
            QTest::addRow("%d: %s + %s", r.notation, r.before, r.key)
                << r.notation << QString(r.before) << QString(r.key) << r.accepted << r.beep;
    }
    void keyFilters()
    {
        QFETCH(int, notation);
        QFETCH(QString, before);
        QFETCH(QString, key);
        QFETCH(bool, accepted);
        QFETCH(bool, beep);
        const KeyVerdict verdict = notation == RgbNotation
                                       ? FilterComponentKey(before, key[0])
                                       : FilterSingleKey(notation, before, key[0]);
        QCOMPARE(verdict, (KeyVerdict{accepted, beep}));
    }

    void conversions()
    {
        QCOMPARE(HexColour("ff6600"), RgbColour(255, 102, 0));
        QCOMPARE(HexColour("FF6600"), RgbColour(255, 102, 0));
        QCOMPARE(HexColour("FFFFFF"), 0xFFFFFF);
        QCOMPARE(HexColour("FFF"), std::nullopt);
        QCOMPARE(HexColour("0x1234"), std::nullopt);
        QCOMPARE(DecimalColour("16737792"), RgbColour(255, 102, 0));
        QCOMPARE(DecimalColour("255"), RgbColour(0, 0, 255));
        QCOMPARE(DecimalColour(""), 0);
        QCOMPARE(DecimalColour("100000000000000000000"), RgbColour(16, 0, 0)); // 2^20 * 5^20
        QCOMPARE(ColourNameIndex("gray") >= 0, true);
        QCOMPARE(ColourNameIndex("grey"), -1);
        const struct
        {
            const char *text;
            int component;
        } components[] = {{"255", 255}, {"1.0", 255}, {"100%", 255}, {"0.5", 128}, {"0.3", 76},
                          {"50%", 128}, {"30%", 77},  {"0.33", 84},  {"", 0},      {"0.5%", 128}};
        for (const auto &c : components)
            QCOMPARE(ComponentOf(c.text), c.component);
        QCOMPARE(ReformatFraction("0.5", 3), "0.500");
        QCOMPARE(ReformatFraction(".25", 3), "0.250");
        QCOMPARE(ReformatFraction("0.333", 2), "0.33");
        QCOMPARE(ReformatFraction("200", 2), "200");
        // The box takes only a point, so a decimal-comma locale must not turn 0.5 into 0,50 (0).
        QLocale::setDefault(QLocale(QLocale::German));
        const QString rewritten = ReformatFraction("0.5", 2);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(rewritten, "0.50");
    }

    // Typed keys go through the filter with their beeps; pasted text is held to the same rules.
    void typingAndPasting()
    {
        SaveValue(Schema::ColourType, int(RgbNotation));
        auto w = Open();
        QTest::keyClicks(w->txtColour[0], "2569");
        QCOMPARE(w->txtColour[0]->text(), "25");
        QCOMPARE(m_prompts.beeps, 2);
        w->txtColour[1]->clear();
        QApplication::clipboard()->setText("300");
        w->txtColour[1]->paste();
        QCOMPARE(w->txtColour[1]->text(), "");
        QApplication::clipboard()->setText("0.5");
        w->txtColour[1]->paste();
        QCOMPARE(w->txtColour[1]->text(), "0.5");
        w->optHex->click();
        QApplication::clipboard()->setText("12zz34");
        w->txtColourName->paste();
        QCOMPARE(w->txtColourName->text(), "");
    }

    // OK by notation: the colour made current with its caption, one history step, the instant
    // copy; a name not found or a short hex text changes nothing and keeps the window open.
    void ok_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<ColourValue>("colour"); // -1: refused
        QTest::addColumn<QString>("caption");
        QTest::newRow("hex") << 1 << QStringList{"ff6600"} << RgbColour(255, 102, 0) << "FF6600";
        QTest::newRow("short hex") << 1 << QStringList{"FFF"} << -1 << "Enter Colour";
        QTest::newRow("decimal") << 2 << QStringList{"16737792"} << RgbColour(255, 102, 0)
                                 << "FF6600";
        QTest::newRow("name RED") << 4 << QStringList{"RED"} << RgbColour(255, 0, 0) << "red";
        QTest::newRow("name grey") << 4 << QStringList{"grey"} << -1 << "No Such Colour Name";
        QTest::newRow("rgb") << 8 << QStringList{"255", "0.5", "30%"} << RgbColour(255, 128, 77)
                             << "FF804D";
    }
    void ok()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, texts);
        QFETCH(ColourValue, colour);
        QFETCH(QString, caption);
        SaveValue(Schema::ColourType, notation);
        auto w = Open();
        if (notation == RgbNotation)
            for (int i = 0; i < 3; ++i)
                w->txtColour[i]->setText(texts[i]);
        else
            w->txtColourName->setText(texts[0]);
        w->cmdOK->click();
        if (colour < 0) {
            QCOMPARE(m_prompts.warnings, QStringList{caption});
            QCOMPARE(Current(), RgbColour(1, 2, 3));
            QVERIFY(w->isVisible());
            return;
        }
        QCOMPARE(Current(), colour);
        QCOMPARE(m_upper.text(), caption);
        QVERIFY(!w->isVisible());
        QVERIFY(QGuiApplication::clipboard()->text() != "untouched");
        m_history.Apply(Undo, m_picMain, m_upper, m_lower);
        QCOMPARE(Current(), RgbColour(1, 2, 3));
    }

    // The notation is remembered when the window closes, by Cancel too; a stored notation that
    // is none of the four starts in Hex.
    void notation_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("starts");
        QTest::newRow("none stored") << -1 << 1;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("name") << 4 << 4;
        QTest::newRow("3") << 3 << 1;
    }
    void notation()
    {
        QFETCH(int, stored);
        QFETCH(int, starts);
        if (stored >= 0)
            SaveValue(Schema::ColourType, stored);
        auto w = Open();
        QCOMPARE(w->Notation(), starts);
        QCOMPARE(w->txtColourName->isVisible(), starts != RgbNotation);
        w->optFloat->click();
        QVERIFY(w->txtColour[0]->isVisible() && !w->txtColourName->isVisible());
        w->cmdCancel->click();
        QCOMPARE(GetValue(Schema::ColourType).toInt(), int(RgbNotation));
        QCOMPARE(Current(), RgbColour(1, 2, 3));
    }
};

QTEST_MAIN(tst_frmColour)
#include "tst_frmcolour.moc"
