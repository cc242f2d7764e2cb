#include "core/programsettings.h"
#include "tests/freshsettings.h"

#include <QTemporaryDir>
#include <QTest>

class tst_ProgramSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() { UseFreshSettings(m_dir.filePath("registry.reg")); }

    void cleanMachine()
    {
        const ProgramSettings s = ReadProgramSettings();
        const CopyOptions &copy = s.copyOptions;
        QCOMPARE((QList<int>{s.alwaysOnTop, s.showSplash, s.showAlert, s.viewFlags,
                             s.currentPalette, int(copy.copyFlags), copy.rgbMode, copy.precision,
                             copy.tagKind, copy.htmlAttribute, copy.cssProperty}),
                 (QList<int>{false, true, true, ToolbarShown | StatusBarShown | PaletteShown, 10,
                             Quotes | PoundSign | AvailableNames, EightBit, 3, Html, 1, 1}));
    }

    // Numbers from an edited file: a tag kind or index outside its range is clamped into it, a
    // precision below 1 is the float form's 3 and one above 100 is 100.
    void storedNumbers_data()
    {
        QTest::addColumn<QList<int>>("stored"); // tag kind, html, css, precision
        QTest::addColumn<QList<int>>("read");
        QTest::newRow("in range") << QList<int>{3, 7, 5, 100} << QList<int>{3, 7, 5, 100};
        QTest::newRow("too low") << QList<int>{0, 0, -4, 0} << QList<int>{1, 1, 1, 3};
        QTest::newRow("too high") << QList<int>{4, 8, 99, 1000000000} << QList<int>{3, 7, 7, 100};
    }
    void storedNumbers()
    {
        QFETCH(QList<int>, stored);
        const SettingsValue *values[] = {&Schema::TagCopy, &Schema::HtmlTagCopy,
                                         &Schema::CssTagCopy, &Schema::Precision};
        for (int i = 0; i < 4; ++i)
            SaveValue(*values[i], stored[i]);
        const CopyOptions copy = ReadProgramSettings().copyOptions;
        QTEST((QList<int>{copy.tagKind, copy.htmlAttribute, copy.cssProperty, copy.precision}),
              "read");
    }

    // What the load read leniently (a switch stored as 1, a number as text, a precision of 0), the
    // unload writes back as the schema's numbers.
    void writtenBackAsNumbers()
    {
        SaveValue(Schema::AlwaysOnTop, 1);
        SaveValue(Schema::SettingsKey, Schema::Copy.name, "79", RegSz);
        SaveValue(Schema::Precision, 0);
        ProgramSettings settings = ReadProgramSettings();
        settings.viewFlags = PaletteShown;
        SaveProgramSettings(settings);
        QVariantList written;
        for (auto *value : {&Schema::AlwaysOnTop, &Schema::Splash, &Schema::Copy,
                            &Schema::Precision, &Schema::View})
            written << GetValue(value->key, value->name, {});
        QCOMPARE(written, (QVariantList{-1, -1, 79, 3, PaletteShown}));
    }
};

QTEST_GUILESS_MAIN(tst_ProgramSettings)
#include "tst_programsettings.moc"
