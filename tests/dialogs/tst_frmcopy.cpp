#include "core/prompts.h"
#include "dialogs/frmalert.h"
#include "dialogs/frmcopy.h"
#include "dialogs/numbertext.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// Answers for the Copy Options window: the notice is closed at once, ticked or not, and the
// warnings and beeps are counted.
class ScriptedPrompts final : public Prompts
{
public:
    bool tickNotice = false;
    int notices = 0, beeps = 0;
    QStringList warnings;

    std::optional<ColourValue> ChooseColour(QWidget *, ColourValue) override { return {}; }
    bool Confirm(QWidget *, const QString &, const QString &) override { return false; }
    void Warn(QWidget *, const QString &title, const QString &text) override
    {
        warnings << title << text;
    }
    void RunModal(QDialog &dialog) override
    {
        ++notices;
        if (auto *alert = qobject_cast<frmAlert *>(&dialog); alert && tickNotice)
            alert->chkAlert->click();
    }
    void Beep() override { ++beeps; }
    std::optional<QString> ChooseFont(QWidget *, const QString &) override { return {}; }
};

// The Copy Options window and its notice, driven through their handlers and their controls.
class tst_frmCopy : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    CopyOptions m_options;
    bool m_showAlert = true;

    std::unique_ptr<frmCopy> Open()
    {
        auto window = std::make_unique<frmCopy>(m_options, m_showAlert, nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return window;
    }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        m_prompts = {};
        SetPrompts(&m_prompts);
        m_options = {CopyFlags(74), 1, 3, 1, 1, 1};
        m_showAlert = true;
    }

    void readWholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        const struct
        {
            const char *text;
            int number;
        } rows[] = {{"7abc", 7},
                    {"2.5", 2},
                    {"3.5", 4},
                    {"  100", 100},
                    {"", 0},
                    {"abc", 0},
                    {"-4", -4},
                    {"+.5e1x", 5},
                    {"1e", 1},
                    {"&H1F", 31},
                    {"&hZ", 0},
                    {"2147483648", 0},
                    {"-2147483648", -2147483648LL},
                    {"1e400", 0},
                    {"&H100000000", 0},
                    {"99999999999999999999", 0}};
        for (const auto &row : rows)
            QTest::newRow(row.text[0] ? row.text : "empty") << QString(row.text) << row.number;
    }
    void readWholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(ReadWholeNumber(text), number);
    }

    // With the defaults: the General page, three switches ticked, the rgb and tag choices
    // selected but disabled, the precision disabled, Color on both tag pages.
    void defaults()
    {
        auto w = Open();
        QCOMPARE(w->tbsMain->currentIndex(), 0);
        QCOMPARE((QList<bool>{w->chkCopy[0]->isChecked(), w->chkCopy[1]->isChecked(),
                              w->chkCopy[2]->isChecked(), w->chkCopy[3]->isChecked(),
                              w->chkCopy[4]->isChecked(), w->chkCopy[5]->isChecked()}),
                 (QList<bool>{true, false, true, false, false, true}));
        QVERIFY(w->optUseRGBValues[0]->isChecked() && !w->optUseRGBValues[0]->isEnabled());
        QVERIFY(w->optIncludeTag[0]->isChecked() && !w->optIncludeTag[0]->isEnabled());
        QCOMPARE(w->txtPrecision->text(), "3");
        QVERIFY(!w->txtPrecision->isEnabled() && !w->udnPrecision->isEnabled());
        QVERIFY(w->optHTML[0]->isChecked() && w->optCSS[0]->isChecked());
    }

    // The enabled states follow the switches and choices, and the options follow the clicks.
    void enabledStates()
    {
        auto w = Open();
        w->chkCopy[3]->click(); // Use RGB values
        QVERIFY(!w->chkCopy[2]->isEnabled());
        QVERIFY(m_options.copyFlags.testFlag(UseRgb));
        w->optUseRGBValues[2]->click(); // Float range
        QVERIFY(w->txtPrecision->isEnabled() && w->udnPrecision->isEnabled());
        QCOMPARE(m_options.rgbMode, 3);
        w->optUseRGBValues[1]->click();
        QVERIFY(!w->txtPrecision->isEnabled());
        w->chkCopy[4]->click();       // Include tag
        w->optIncludeTag[2]->click(); // Inline CSS brings its own quotes
        QVERIFY(!w->chkCopy[0]->isEnabled());
        w->optIncludeTag[0]->click();
        QVERIFY(w->chkCopy[0]->isEnabled());
        w->optIncludeTag[2]->click();
        w->chkCopy[4]->click();
        QVERIFY(w->chkCopy[0]->isEnabled());
        QCOMPARE(int(m_options.copyFlags), 74 | UseRgb);
    }

    // The notice comes with a beep when Use RGB values is ticked, until it is told not to.
    void notice()
    {
        auto w = Open();
        m_prompts.tickNotice = true;
        w->chkCopy[3]->click();
        QCOMPARE(m_prompts.notices, 1);
        QCOMPARE(m_prompts.beeps, 1);
        QVERIFY(!m_showAlert);
        w->chkCopy[3]->click(); // unticked: no notice
        w->chkCopy[3]->click();
        QCOMPARE(m_prompts.notices, 1);
    }

    // OK takes a precision from 1 to 100 as typed numbers are read; anything else is refused with
    // the message, and nothing is stored.
    void precision_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored"); // 0: refused
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("101") << "101" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("2147483648") << "2147483648" << 0;
        QTest::newRow("100") << "100" << 100;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("7abc") << "7abc" << 7;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("3.5") << "3.5" << 4;
    }
    void precision()
    {
        QFETCH(QString, text);
        QFETCH(int, stored);
        auto w = Open();
        w->optHTML[4]->click();
        w->txtPrecision->setText(text);
        w->cmdOK->click();
        QCOMPARE(w->isVisible(), stored == 0);
        QCOMPARE(m_options.precision, stored ? stored : 3);
        QCOMPARE(m_options.htmlAttribute, stored ? 5 : 1);
        const QStringList warning{"Invalid Entry", "Please enter a number between 1 and 100."};
        QCOMPARE(m_prompts.warnings, stored ? QStringList() : warning);
    }

    // Cancel (and Esc) puts back the switches, the rgb form and the tag kind; the close box
    // keeps what was clicked. Either way the page shown is remembered.
    void closing_data()
    {
        QTest::addColumn<int>("how"); // 0 Cancel, 1 Esc, 2 the close box
        QTest::addColumn<bool>("restored");
        QTest::newRow("Cancel") << 0 << true;
        QTest::newRow("Esc") << 1 << true;
        QTest::newRow("close box") << 2 << false;
    }
    void closing()
    {
        QFETCH(int, how);
        QFETCH(bool, restored);
        auto w = Open();
        w->chkCopy[1]->click();
        w->chkCopy[4]->click();
        w->optIncludeTag[1]->click();
        w->optCSS[3]->click();
        w->tbsMain->setCurrentIndex(2);
        if (how == 0)
            w->cmdCancel->click();
        else if (how == 1)
            QTest::keyClick(w.get(), Qt::Key_Escape);
        else
            w->close();
        QVERIFY(!w->isVisible());
        QCOMPARE(int(m_options.copyFlags), restored ? 74 : 74 | Lowercase | IncludeTag);
        QCOMPARE(m_options.tagKind, restored ? 1 : 2);
        QCOMPARE(m_options.cssProperty, 1);
        QCOMPARE(GetValue(Schema::CopyTab).toInt(), 3);
    }

    // A stored page no window has shows the first.
    void strangeStoredPage()
    {
        SaveValue(Schema::CopyTab, 9);
        auto w = Open();
        QCOMPARE(w->CopyPage, 1);
        QCOMPARE(w->tbsMain->currentIndex(), 0);
    }
};

QTEST_MAIN(tst_frmCopy)
#include "tst_frmcopy.moc"
