#include "core/currentcolour.h"
#include "palettes/swatchhistory.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

// The undo and redo stacks, driven as the pickers and the Colour menu drive them.
class tst_SwatchHistory : public QObject
{
    Q_OBJECT

    ColourDisplay m_picMain;

private slots:
    void initTestCase() { m_picMain.resize(182, 74); }

    // Actions: a number is a pick of that colour (its record first), =n that colour shown
    // without a record, u undo and r redo. The colour starts as 0.
    void stacks_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QList<ColourValue>>("shown"); // after each undo and redo
        QTest::addColumn<QList<bool>>("enabled");      // undo and redo, at the end
        const QString ten = QStringLiteral("1 2 3 4 5 6 7 8 9 10");
        QTest::newRow("the first record") << "1" << QList<ColourValue>{} << QList{true, false};
        QTest::newRow("the eleventh record is dropped")
            << ten + " 11 u u u u u u u u u u" << QList<ColourValue>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}
            << QList{false, true};
        QTest::newRow("a record after an undo keeps the redo")
            << "1 2 u 3 r u u" << QList<ColourValue>{1, 2, 3, 1} << QList{true, true};
        QTest::newRow("undo with ten to redo moves nothing")
            << ten + " u u u u u u u u u u 42 u =7 u"
            << QList<ColourValue>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0} << QList{true, true};
        QTest::newRow("redo with ten to undo moves nothing")
            << ten + " u 11 r r" << QList<ColourValue>{9, 10, 10} << QList{true, true};
        QTest::newRow("empty stacks") << "u r" << QList<ColourValue>{0, 0} << QList{false, false};
    }
    void stacks()
    {
        QFETCH(QString, actions);
        QFETCH(QList<ColourValue>, shown);
        QFETCH(QList<bool>, enabled);
        SwatchHistory history;
        QSignalSpy enabling(&history, &SwatchHistory::EnabledChanged);
        SetCurrentColour(m_picMain, 0);
        QList<ColourValue> seen;
        for (const QString &action : actions.split(' ')) {
            if (action == "u" || action == "r") {
                history.Apply(action == "u" ? Undo : Redo, m_picMain);
                seen << ReadSwatchColour(m_picMain, TrueSwatch);
                continue;
            }
            const bool recorded = !action.startsWith('=');
            if (recorded)
                history.Apply(Record, m_picMain);
            const ColourValue colour = action.mid(recorded ? 0 : 1).toInt();
            SetCurrentColour(m_picMain, colour);
        }
        QCOMPARE(seen, shown);
        QCOMPARE(enabling.last(), (QList<QVariant>{enabled[0], enabled[1]}));
    }

    // A colour brought back is shown without its name.
    void namedColourComesBackAsHex()
    {
        SwatchHistory history;
        SetCurrentColour(m_picMain, RgbColour(255, 99, 71), NamesPalette, 132);
        history.Apply(Record, m_picMain);
        SetCurrentColour(m_picMain, 5);
        history.Apply(Undo, m_picMain);
        QCOMPARE(m_picMain.lblHexName[0]->text(), QStringLiteral("FF6347"));
    }
};

QTEST_MAIN(tst_SwatchHistory)
#include "tst_swatchhistory.moc"
