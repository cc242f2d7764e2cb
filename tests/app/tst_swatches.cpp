#include "app/frmmain.h"
#include "core/picturebox.h"
#include "core/systemcolours.h"
#include "palettes/swatchfile.h"
#include "tests/freshsettings.h"
#include "tests/scriptedprompts.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

// The swatches exported and imported through the main window's Colour menu, and the palettes'
// tooltips, with the settings file in a folder of the test's own.
class tst_Swatches : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    const QList<ColourValue> m_colours{RgbColour(255, 102, 0), RgbColour(0, 139, 139), 0};

    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SetPrompts(&m_prompts);
        m_prompts = {};
    }

    // Swatches 4, 11 and 41 exported under a filter to a name without an ending, then imported
    // into another settings file with swatches in use: from swatch 64 up past those, in file order;
    // one that finds no free swatch is told.
    void exportThenImport_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<QList<int>>("filled");
        QList<int> allButTwo(62);
        std::iota(allButTwo.begin(), allButTwo.end(), 0);
        QTest::newRow("gpl") << "GIMP palette (*.gpl)" << QList<int>{} << QList<int>{63, 62, 61};
        QTest::newRow("css") << "CSS custom properties (*.css)" << QList<int>{63, 61}
                             << QList<int>{62, 60, 59};
        QTest::newRow("two free") << "GIMP palette (*.gpl)" << allButTwo << QList<int>{63, 62};
    }
    void exportThenImport()
    {
        QFETCH(QString, filter);
        QFETCH(QList<int>, used);
        QFETCH(QList<int>, filled);
        for (int i = 0; i < 3; ++i)
            SaveValue(Schema::Swatch(QList{3, 10, 40}[i]), m_colours[i]);
        const bool css = filter.startsWith("CSS");
        m_prompts.fileName = m_dir.filePath("swatches");
        m_prompts.filter = filter;
        frmMain(nullptr).mnuColour[130]->trigger();
        m_prompts.fileName += css ? ".css" : ".gpl";
        QCOMPARE(Read(m_prompts.fileName),
                 SwatchFileText(m_colours, css ? SwatchFormat::Css : SwatchFormat::Gpl));

        UseFreshSettings(m_dir.filePath("other.reg"));
        for (int swatch : used)
            SaveValue(Schema::Swatch(swatch), 7);
        frmMain window;
        window.mnuColour[140]->trigger();
        for (int swatch = 0; swatch < Schema::SwatchCount; ++swatch) {
            const qsizetype i = filled.indexOf(swatch);
            QCOMPARE(GetValue(Schema::Swatch(swatch)), i >= 0 ? QVariant(m_colours[i])
                                                       : used.contains(swatch) ? 7
                                                                               : QVariant());
        }
        QCOMPARE(window.stbPanel[1]->text(),
                 QStringLiteral("Swatches imported: %1").arg(filled.size()));
        QCOMPARE(m_prompts.warnings.value(1).startsWith("1 of the 3 colours in"),
                 filled.size() == 2);
    }

    // A file that cannot be trusted whole changes nothing, and the warning names it and its fault;
    // an export with nothing to write or nowhere to write it says so and writes nothing.
    void problems_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("said");
        const QByteArray tooLarge = "GIMP Palette\n" + QByteArray(SwatchFileLimit, '#');
        QTest::newRow("too large") << 140 << "in.gpl" << tooLarge << "is larger than 1 MiB";
        QTest::newRow("no palette") << 140 << "in.gpl" << QByteArray("1 2 3\n") << "is neither";
        QTest::newRow("bad line") << 140 << "in.gpl" << QByteArray("GIMP Palette\n1 2 3\n1 2 256")
                                  << "Line 3 of";
        QTest::newRow("a folder") << 140 << "" << QByteArray() << "could not be read";
        QTest::newRow("no folder") << 130 << "none/out.gpl" << QByteArray() << "not be written";
        QTest::newRow("no swatch") << 130 << "out.gpl" << QByteArray() << "No swatch to export";
    }
    void problems()
    {
        QFETCH(int, command);
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(QString, said);
        m_prompts.fileName = m_dir.filePath(file);
        QFile in(m_prompts.fileName);
        QVERIFY(contents.isEmpty() || (in.open(QIODevice::WriteOnly) && in.write(contents)));
        in.close();
        if (!said.startsWith("No"))
            SaveValue(Schema::Swatch(0), 7);
        const QByteArray settings = Read(m_dir.filePath("registry.reg"));
        frmMain window;
        window.mnuColour[command]->trigger();
        QCOMPARE(Read(m_dir.filePath("registry.reg")), settings);
        QCOMPARE(Read(m_prompts.fileName), contents);
        const QString shown = m_prompts.warnings.value(1, window.stbPanel[1]->text());
        QVERIFY2(shown.contains(said) &&
                     (said.startsWith("No") || shown.contains(m_prompts.fileName)),
                 qPrintable(shown));
    }

    // The tooltip where the pointer rests, its event sent to the palette box at twips of the box.
    void toolTips_data()
    {
        QTest::addColumn<int>("palette");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("tip");
        const QString system = HexText(ColourOf(ResolveColour(0x8000000A)));
        QTest::newRow("names") << 30 << QPoint(500, 300) << "darkcyan  #008B8B";
        QTest::newRow("below the names") << 30 << QPoint(500, 1470) << "";
        QTest::newRow("system") << 40 << QPoint(30, 30) << "activeborder  #" + system;
        QTest::newRow("browser-safe") << 10 << QPoint(30, 300) << "#FFFFCC";
        QTest::newRow("greyscale") << 20 << QPoint(30, 200) << "#FEFEFE";
        QTest::newRow("beside the greys") << 20 << QPoint(3230, 30) << "";
        QTest::newRow("saved swatch") << 50 << QPoint(195, 990) << "#FF6600";
        QTest::newRow("empty swatch") << 50 << QPoint(195, 1170) << "";
    }
    void toolTips()
    {
        QFETCH(int, palette);
        QFETCH(QPoint, at);
        QFETCH(QString, tip);
        SaveValue(Schema::Palette, palette);
        SaveValue(Schema::Swatch(5), m_colours[0]);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QHelpEvent help(QEvent::ToolTip, at / 15, window.picPalette->mapToGlobal(at / 15));
        QApplication::sendEvent(window.picPalette, &help);
        QTRY_COMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
    }
};

QTEST_MAIN(tst_Swatches)
#include "tst_swatches.moc"
