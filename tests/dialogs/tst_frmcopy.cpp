#include "dialogs/frmcopy.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"
#include "tests/scriptedprompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class tst_frmCopy : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    CopyOptions m_options;
    bool m_showAlert = true;

    // A click where a person clicks a check box or option: on its box, at its left.
    static void Click(QWidget *c)
    {
        QTest::mouseClick(c, Qt::LeftButton, {}, {6, c->height() / 2});
    }
    // Keys ("Ctrl+Tab") to the control that has the focus.
    static void Key(const QString &keys)
    {
        const QKeyCombination key = QKeySequence(keys)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }

    std::unique_ptr<frmCopy> Open()
    {
        auto window = std::make_unique<frmCopy>(m_options, m_showAlert, nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        [&] { QTRY_COMPARE(QApplication::activeWindow(), window.get()); }();
        return window;
    }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        m_prompts = {};
        SetPrompts(&m_prompts);
    }

    // The General page as a person leaves it, frame by frame: each box and option upper case when
    // it may be clicked, X when ticked or selected, O when not, the precision and its arrows E when
    // they may be used; then the copy flags, rgb form, tag kind and CSS property, and the page
    // stored. Unticking a box disables its options and keeps the one chosen. The close box keeps
    // the switches clicked but not the tag choices, which only OK takes. A stored page no window
    // has shows the first.
    void page_data()
    {
        QTest::addColumn<int>("flags");      // at opening, with Float range and Inline CSS when 122
        QTest::addColumn<QString>("script"); // names of the controls clicked, and keys
        QTest::addColumn<QString>("page");
        const auto row = [](int flags, const QString &script, const char *page) {
            QTest::addRow("%d %s", flags, qPrintable(script)) << flags << script << page;
        };
        row(74, "", "XXOX Oxooee Oxoo 74 1 1 6 9");
        row(74, "chkCopy3 optUseRGBValues2 optUseRGBValues1", "XxOX XOXOee Oxoo 90 2 1 6 9");
        row(74, "chkCopy3 optUseRGBValues2 chkCopy3", "XXOX Oooxee Oxoo 74 3 1 6 9");
        row(74, "chkCopy4 optIncludeTag2 chkCopy4", "XXOX Oxooee Ooox 74 1 3 6 9");
        row(122, "chkCopy3", "xXOX Oooxee XOOX 106 3 3 6 9");
        row(122, "chkCopy4", "XxOX XOOXEE Ooox 90 3 3 6 9");
        row(74, "chkCopy1 chkCopy4 optIncludeTag1 Ctrl+Tab Ctrl+Tab optCSS3 close",
            "XXXX Oxooee XOXO 110 1 2 6 3");
    }
    void page()
    {
        QFETCH(int, flags);
        QFETCH(QString, script);
        const int choice = flags == 122 ? 3 : 1;
        m_options = {CopyFlags(flags), RgbMode(choice), 3, TagKind(choice), 5, 6};
        SaveValue(Schema::CopyTab, 9);
        auto w = Open();
        QCOMPARE(w->tbsMain->currentIndex(), 0);
        QCOMPARE(w->txtPrecision->text(), "3");
        for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
            if (step == "close")
                w->close();
            else if (step[0].isLower())
                Click(w->findChild<QWidget *>(step));
            else
                Key(step);
        }
        QString page;
        const QRegularExpression controls("^(fra|chk|opt|txt|udn)");
        for (QWidget *c : w->fraCopy[1]->findChildren<QWidget *>(controls)) {
            const auto *box = qobject_cast<QAbstractButton *>(c);
            const QChar mark = !box ? u'E' : box->isChecked() ? u'X' : u'O';
            page += c->inherits("QGroupBox") ? QChar(u' ') : c->isEnabled() ? mark : mark.toLower();
        }
        const CopyOptions &o = m_options;
        for (int value : {int(o.copyFlags), int(o.rgbMode), int(o.tagKind), o.cssProperty,
                          GetValue(Schema::CopyTab).toInt()})
            page += u' ' + QString::number(value);
        QTEST(page.trimmed(), "page");
    }

    // OK (Enter) takes a precision from 1 to 100, read as typed numbers are, or as the arrows
    // stepped it from the number typed; anything else is refused with the message. The box stands
    // clear of the caption before it (the captions check sees that), its arrows against it.
    void precision_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("steps");  // of the arrows, up when positive
        QTest::addColumn<int>("stored"); // 0: refused
        const std::tuple<const char *, int, int> rows[] = {
            {"0", 0, 0},     {"101", 0, 0},        {"", 0, 0},           {"&hZ", 0, 0},
            {"1e400", 0, 0}, {"2147483648", 0, 0}, {"4294967297", 0, 0}, {"&H100000001", 0, 0},
            {"100", 0, 100}, {"1", 0, 1},          {"7abc", 0, 7},       {"2.5", 0, 2},
            {"3.5", 0, 4},   {"  +.5e1x", 0, 5},   {"1e", 0, 1},         {"&H1F", 0, 31},
            {"50", 1, 51},   {"50", -2, 48},       {"abc", 1, 1},        {"100", 1, 100}};
        for (const auto &[text, steps, stored] : rows)
            QTest::addRow("%s %+d", text, steps) << QString(text) << steps << stored;
    }
    void precision()
    {
        QFETCH(QString, text);
        QFETCH(int, steps);
        QFETCH(int, stored);
        m_options = {CopyFlags(74 | UseRgb), Float, 3, Html, 1, 1};
        auto w = Open();
        QCOMPARE(w->udnPrecision->pos(), w->txtPrecision->geometry().topRight() + QPoint(1, 0));
        QTest::mouseClick(w->txtPrecision, Qt::LeftButton);
        Key("Ctrl+A");
        Key("Backspace");
        QTest::keyClicks(QApplication::focusWidget(), text);
        if (steps)
            Key("Tab");
        for (int i = 0; i < std::abs(steps); ++i)
            Key(steps > 0 ? "Up" : "Down");
        Key("Return");
        QCOMPARE(w->isVisible(), stored == 0);
        QCOMPARE(m_options.precision, stored ? stored : 3);
        const QStringList warning{"Invalid Entry", "Please enter a number between 1 and 100."};
        QCOMPARE(m_prompts.warnings, stored ? QStringList() : warning);
    }
};

QTEST_MAIN(tst_frmCopy)
#include "tst_frmcopy.moc"
