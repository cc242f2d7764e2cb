#include "core/programsettings.h"
#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QTemporaryDir>
#include <QTest>

class tst_ProgramSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath("registry.reg"));
        SetSettingsBackend(std::make_unique<FileBackend>(m_dir.filePath("registry.reg")));
        CreateKey(Schema::SettingsKey);
    }

    void cleanMachine()
    {
        const ProgramSettings settings = ReadProgramSettings();
        QCOMPARE(settings.alwaysOnTop, false);
        QCOMPARE(settings.showSplash, true);
        QCOMPARE(settings.showAlert, true);
        QCOMPARE(settings.viewFlags, ToolbarShown | StatusBarShown | PaletteShown);
        QCOMPARE(settings.currentPalette, 10);
        const CopyOptions &copy = settings.copyOptions;
        QCOMPARE(copy.copyFlags, Quotes | PoundSign | AvailableNames);
        QCOMPARE((QList<int>{copy.rgbMode, copy.precision, copy.tagKind, copy.htmlAttribute,
                             copy.cssProperty}),
                 (QList<int>{EightBit, 3, Html, 1, 1}));
    }

    void storedNumbersAreClamped_data()
    {
        QTest::addColumn<QList<int>>("stored");   // tag kind, html, css, precision
        QTest::addColumn<QList<int>>("expected"); // the same, as read
        QTest::newRow("in range") << QList<int>{3, 7, 5, 100} << QList<int>{3, 7, 5, 100};
        QTest::newRow("too low") << QList<int>{0, 0, -4, -1} << QList<int>{1, 1, 1, 0};
        QTest::newRow("too high") << QList<int>{4, 8, 99, 1000000000} << QList<int>{3, 7, 7, 100};
    }
    void storedNumbersAreClamped()
    {
        QFETCH(QList<int>, stored);
        QFETCH(QList<int>, expected);
        SaveValue(Schema::TagCopy, stored[0]);
        SaveValue(Schema::HtmlTagCopy, stored[1]);
        SaveValue(Schema::CssTagCopy, stored[2]);
        SaveValue(Schema::Precision, stored[3]);
        const CopyOptions copy = ReadProgramSettings().copyOptions;
        QCOMPARE((QList<int>{copy.tagKind, copy.htmlAttribute, copy.cssProperty, copy.precision}),
                 expected);
    }

    void switchStoredAsOneIsWrittenBackAsTrue()
    {
        SaveValue(Schema::AlwaysOnTop, 1);
        ProgramSettings settings = ReadProgramSettings();
        QVERIFY(settings.alwaysOnTop);
        settings.viewFlags = PaletteShown;
        SaveProgramSettings(settings);
        QCOMPARE(GetValue(Schema::AlwaysOnTop), QVariant(-1));
        QCOMPARE(GetValue(Schema::Splash), QVariant(-1));
        QCOMPARE(ReadProgramSettings().viewFlags, PaletteShown);
    }
};

QTEST_GUILESS_MAIN(tst_ProgramSettings)
#include "tst_programsettings.moc"
