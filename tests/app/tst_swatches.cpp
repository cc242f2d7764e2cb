#include "app/frmmain.h"
#include "core/picturebox.h"
#include "core/systemcolours.h"
#include "palettes/swatchfile.h"
#include "tests/freshsettings.h"
#include "tests/scriptedprompts.h"

#include <QHelpEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

// The swatch files of the Colour menu, and the palettes' tooltips, through the main window with
// the settings file in a folder of the test's own.
class tst_Swatches : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // Export (130) or import (140) with swatches 1 up to a number in use and the file chosen
    // under a filter: the file then (an export's name without an ending gets the filter's), what
    // was said, and swatches 64 and 63, which an import fills first. A problem, and any export,
    // leave the settings file byte for byte as it was.
    void commands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("used");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QVariantList>("last");
        const QList<ColourValue> two{RgbColour(255, 102, 0), RgbColour(0, 139, 139)};
        const QByteArray gpl = SwatchFileText(two, SwatchFormat::Gpl);
        const QString in = m_dir.filePath("in.gpl");
        QTest::newRow("css") << 130 << 2 << "out" << SwatchFileText({7, 7}, SwatchFormat::Css)
                             << "Swatches exported: 2" << QVariantList();
        QTest::newRow("nothing") << 130 << 0 << "empty" << QByteArray() << "No swatch to export"
                                 << QVariantList();
        QTest::newRow("no folder")
            << 130 << 2 << "none/out" << QByteArray()
            << m_dir.filePath("none/out.css") + " could not be written" << QVariantList();
        QTest::newRow("too few free") << 140 << 63 << "in.gpl" << gpl
                                      << "1 of the 2 colours in " + in << QVariantList{two[0], 7};
        QTest::newRow("bad line") << 140 << 0 << "in.gpl" << QByteArray("GIMP Palette\n1\n")
                                  << "Line 2 of " + in << QVariantList{{}, {}};
    }
    void commands()
    {
        QFETCH(int, command);
        QFETCH(int, used);
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(QString, said);
        QFETCH(QVariantList, last);
        UseFreshSettings(m_dir.filePath("registry.reg"));
        for (int swatch = 0; swatch < used; ++swatch)
            SaveValue(Schema::Swatch(swatch), 7);
        ScriptedPrompts prompts;
        prompts.fileName = m_dir.filePath(name);
        prompts.filter = "CSS custom properties (*.css)";
        SetPrompts(&prompts);
        QFile in(prompts.fileName);
        QVERIFY(command == 130 || (in.open(QIODevice::WriteOnly) && in.write(file) && in.flush()));
        const QByteArray settings = Read(m_dir.filePath("registry.reg"));
        frmMain window;
        window.mnuColour[command]->trigger();
        const QString shown = prompts.warnings.value(1, window.stbPanel[1]->text());
        QVERIFY2(shown.startsWith(said), qPrintable(shown));
        QCOMPARE(Read(prompts.fileName + (command == 130 ? ".css" : "")), file);
        QCOMPARE(Read(m_dir.filePath("registry.reg")) == settings, last.value(0).isNull());
        for (int i = 0; i < last.size(); ++i)
            QCOMPARE(GetValue(Schema::Swatch(63 - i)), last[i]);
    }

    // The tooltip where the pointer rests, its event sent to the palette box at twips of the box.
    void toolTips_data()
    {
        QTest::addColumn<int>("palette");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("tip");
        const QString system = HexText(ColourOf(ResolveColour(0x8000000A)));
        QTest::newRow("names") << 30 << QPoint(500, 300) << "darkcyan  #008B8B";
        QTest::newRow("system") << 40 << QPoint(30, 30) << "activeborder  #" + system;
        QTest::newRow("browser-safe") << 10 << QPoint(30, 300) << "#FFFFCC";
        QTest::newRow("beside the greys") << 20 << QPoint(3230, 30) << "";
        QTest::newRow("saved swatch") << 50 << QPoint(195, 990) << "#FF6600";
        QTest::newRow("empty swatch") << 50 << QPoint(195, 1170) << "";
    }
    void toolTips()
    {
        QFETCH(int, palette);
        QFETCH(QPoint, at);
        QFETCH(QString, tip);
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SaveValue(Schema::Palette, palette);
        SaveValue(Schema::Swatch(5), RgbColour(255, 102, 0));
        frmMain window;
        QHelpEvent help(QEvent::ToolTip, at / 15, window.picPalette->mapToGlobal(at / 15));
        QCoreApplication::sendEvent(window.picPalette, &help);
        QTRY_COMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
    }
};

QTEST_MAIN(tst_Swatches)
#include "tst_swatches.moc"
