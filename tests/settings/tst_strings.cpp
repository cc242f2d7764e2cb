#include "settings/strings.h"

#include <QTest>

class tst_Strings : public QObject
{
    Q_OBJECT

private slots:
    void numbersComputedFromProgramValues_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        const std::pair<int, const char *> rows[] = {
            // The last tag text of each kind, 327, 334 and 341 + the tag index; the help address.
            // (The palettes' names, 115 and 352 + kind / 10, are the main window test's.)
            {327 + 7, "vlink="},
            {334 + 7, "border-right-color:"},
            {341 + 7, "this.style.border-right-color="},
            {114, "help@tarvo.example"},
        };
        for (auto [id, text] : rows)
            QTest::addRow("%d", id) << id << QString::fromUtf8(text);
    }
    void numbersComputedFromProgramValues()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(LoadResString(id), text);
    }

    void inlineTextsFollowTheCssTexts()
    {
        for (int index = 1; index <= 7; ++index) {
            const QString property = LoadResString(334 + index).chopped(1);
            QCOMPARE(LoadResString(341 + index), "this.style." + property + "=");
        }
    }

    void everyNumberButTheGaps()
    {
        for (int id = 100; id <= 378; ++id) {
            const bool gap = id == 100 || id == 107 || id == 113 || id == 311 || id == 378;
            QVERIFY2(LoadResString(id).isEmpty() == gap, qPrintable(QString::number(id)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Strings)
#include "tst_strings.moc"
