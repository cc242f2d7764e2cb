#include "core/copyoptions.h"
#include "core/currentcolour.h"
#include "dialogs/frmcolour.h"
#include "palettes/swatchhistory.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"
#include "tests/scriptedprompts.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The Enter Colour window driven by keys on its focused controls, against a colour display and
// history of the test's own.
class tst_frmColour : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    ColourDisplay m_picMain;
    SwatchHistory m_history;
    CopyOptions m_options;

    // Keys pressed on whichever control has the focus: characters are typed one by one, {Keys}
    // is one key combination, and {Ctrl+V:text} pastes text.
    static void Press(const QString &keys)
    {
        static const QRegularExpression step(QStringLiteral(R"(\{([^}:]+)(?::([^}]*))?\}|.)"));
        for (const QRegularExpressionMatch &m : step.globalMatch(keys)) {
            const QKeyCombination key = QKeySequence(m.captured(1))[0];
            if (m.hasCaptured(2))
                QApplication::clipboard()->setText(m.captured(2));
            if (m.hasCaptured(1))
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            else
                QTest::keyClicks(QApplication::focusWidget(), m.captured());
        }
    }

private slots:
    // The boxes take only a point, so a fraction re-formatted with a comma would read as its
    // whole part: every test runs in a decimal-comma locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }

    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        m_prompts = {};
        SetPrompts(&m_prompts);
        m_options = {CopyFlags(75), EightBit, 3, Html, 1, 1}; // instant copy on, 3 decimals
        m_picMain.resize(182, 74);
        SetCurrentColour(m_picMain, RgbColour(1, 2, 3));
        QGuiApplication::clipboard()->setText("untouched");
    }

    // Keys into the focused control, and the window's state after them: the texts of the shown
    // boxes ("|" between red, green and blue), "@" the control with the focus and "!" the title of
    // any warning; or, once it has closed, the caption of the current colour (010203 before).
    // Pasted text is held to what could be typed, without the wrapping of the program's own copy.
    void keys_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("state");
        const auto row = [](const char *name, int notation, const QString &keys, int beeps,
                            const QString &state) {
            QTest::newRow(name) << notation << keys << beeps << state;
        };
        const QString zeros(32765, u'0'), decimals(100, u'0');
        row("tab walk", 8, "1{Tab}2{Tab}3{Tab}", 0, "1|2|3 @cmdOK");
        row("back into 200, all selected", 8, "200{Tab}{Shift+Tab}5", 1, "200|| @txtColour0");
        row("to 255", 8, "2569-A#", 5, "25|| @txtColour0");
        row("fraction to 1", 8, "1.5{Tab}.25.", 2, "1.000|.25| @txtColour1");
        row("percent to 100", 8, "%50%%1{Tab}101%", 4, "50%|101| @txtColour1");
        row("hex, 3 stored", 3, "aB3#%G9cDe", 3, "aB39cD @txtColourName");
        row("hex edited", 1, "FF66{Left}{Left}{Del}{Home}{Del}{Tab}", 0, "F6 @cmdOK");
        row("decimal", 2, "16777216x", 1, "1677721 @txtColourName");
        row("paste copied hex", 1, "{Ctrl+V:12zz34}{Ctrl+V:\"#FF6600\"\n}", 0,
            "FF6600 @txtColourName");
        row("paste #hex", 1, "{Ctrl+V:FF6600A}{Ctrl+V:#ff6600}", 0, "ff6600 @txtColourName");
        row("paste copied name", 4, "{Ctrl+V:\"red\"}", 0, "red @txtColourName");
        row("paste 300", 8, "{Ctrl+V:300}{Ctrl+V:\"30\"}", 0, "30|| @txtColour0");
        row("paste 100 decimals", 8, "{Ctrl+V:0.0" + decimals + "}{Ctrl+V:0." + decimals + "}", 0,
            "0." + decimals + "|| @txtColour0");
        row("paste zeros", 8, "{Ctrl+V:00" + zeros + "}1{Tab}{Ctrl+V:0." + zeros + "}0", 0,
            "1|0| @txtColour1");
        row("short hex", 1, "FFF{Return}", 0, "FFF @txtColourName !Enter Colour");
        row("empty decimal", 2, "{Return}", 0, "000000");
        row("name OK", 4, "RED{Return}", 0, "red");
        row("name not found", 4, "Grey{Return}", 0, "grey @txtColourName !No Such Colour Name");
        row("rgb halves", 8, "255{Tab}0.3{Tab}30%{Return}", 0, "FF4C4D");
        row("rgb re-formatted", 8, "0.0016{Tab}1.0{Tab}50%{Return}", 0, "01FF80");
    }
    // Closing stores the notation; a new colour is one history step and copied at once.
    void keys()
    {
        QFETCH(int, notation);
        QFETCH(QString, keys);
        QFETCH(int, beeps);
        QFETCH(QString, state);
        SaveValue(Schema::ColourType, notation);
        frmColour w(m_picMain, m_history, m_options, false, nullptr);
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        DeleteValue(Schema::ColourType);
        Press(keys);
        QStringList shown;
        for (const QLineEdit *box : w.findChildren<QLineEdit *>())
            if (box->isVisible())
                shown << box->text();
        const QString warning = m_prompts.warnings.isEmpty() ? "" : " !" + m_prompts.warnings[0];
        QCOMPARE(w.isVisible()
                     ? shown.join('|') + " @" + QApplication::focusWidget()->objectName() + warning
                     : m_picMain.lblHexName[0]->text(),
                 state);
        QCOMPARE(m_prompts.beeps, beeps);
        QCOMPARE(GetValue(Schema::ColourType).toInt(), w.isVisible() ? int(HexNotation) : notation);
        const bool changed = ReadSwatchColour(m_picMain, TrueSwatch) != RgbColour(1, 2, 3);
        QCOMPARE(QGuiApplication::clipboard()->text() == "untouched",
                 !changed && !keys.contains("Ctrl+V"));
        m_history.Apply(Undo, m_picMain);
        QCOMPARE(ReadSwatchColour(m_picMain, TrueSwatch), RgbColour(1, 2, 3));
    }
};

QTEST_MAIN(tst_frmColour)
#include "tst_frmcolour.moc"
