#include "settings/strings.h"

#include <QTest>

class tst_Strings : public QObject
{
    Q_OBJECT

private slots:
    // The tag texts are numbered from the program's values, 334 + the tag index for the CSS ones,
    // 341 + the index for the inline ones. (The last HTML text, 327 + 7, is the Copy Options walk's
    // last copy; the help address the About test's; the palettes' names the main window test's.)
    void inlineTextsFollowTheCssTexts()
    {
        QCOMPARE(LoadResString(334 + 7), "border-right-color:");
        for (int index = 1; index <= 7; ++index) {
            const QString property = LoadResString(334 + index).chopped(1);
            QCOMPARE(LoadResString(341 + index), "this.style." + property + "=");
        }
    }

    void everyNumberButTheGaps()
    {
        for (int id = 100; id <= 408; ++id) {
            const bool gap = id == 100 || id == 107 || id == 113 || id == 311 || id == 408;
            QVERIFY2(LoadResString(id).isEmpty() == gap, qPrintable(QString::number(id)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Strings)
#include "tst_strings.moc"
