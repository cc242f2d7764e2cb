#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "palettes/swatchhistory.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

// The undo and redo stacks, driven as the pickers and the Colour menu drive them.
class tst_SwatchHistory : public QObject
{
    Q_OBJECT

    PictureBox m_picMain;
    QLabel *m_upper = new QLabel(&m_picMain);
    QLabel *m_lower = new QLabel(&m_picMain);
    std::unique_ptr<SwatchHistory> m_history;
    std::unique_ptr<QSignalSpy> m_enabled;

    // A picker: records what is current, then shows its colour.
    void Pick(ColourValue colour)
    {
        Apply(Record);
        SetCurrentColour(m_picMain, *m_upper, *m_lower, colour, 0, 0);
    }
    void Apply(HistoryAction action) { m_history->Apply(action, m_picMain, *m_upper, *m_lower); }
    ColourValue Current() const { return ReadSwatchColour(m_picMain, 1); }
    // Undo and Redo enabled after the last action.
    QList<bool> Enabled() const
    {
        const QList<QVariant> last = m_enabled->last();
        return {last[0].toBool(), last[1].toBool()};
    }

private slots:
    void init()
    {
        m_picMain.resize(182, 74);
        m_history = std::make_unique<SwatchHistory>();
        m_enabled = std::make_unique<QSignalSpy>(m_history.get(), &SwatchHistory::EnabledChanged);
        SetCurrentColour(m_picMain, *m_upper, *m_lower, 0, 0, 0);
    }

    void firstRecordEnablesUndoOnly()
    {
        Pick(1);
        QCOMPARE(Enabled(), (QList<bool>{true, false}));
        Apply(Undo);
        QCOMPARE(Current(), 0);
        QCOMPARE(Enabled(), (QList<bool>{false, true}));
    }

    void eleventhRecordIsDropped()
    {
        for (int colour = 1; colour <= 11; ++colour)
            Pick(colour);
        QList<ColourValue> walkedBack;
        for (int i = 0; i < 10; ++i) {
            Apply(Undo);
            walkedBack << Current();
        }
        // Colour 10 was current when the eleventh pick came; that record was dropped.
        QCOMPARE(walkedBack, (QList<ColourValue>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
        QCOMPARE(Enabled(), (QList<bool>{false, true}));
    }

    void recordAfterUndoKeepsRedo()
    {
        Pick(1);
        Pick(2);
        Apply(Undo); // shows 1, redo holds 2
        Pick(3);     // records 1
        Apply(Redo); // brings back 2 over 3
        QCOMPARE(Current(), 2);
        Apply(Undo);
        QCOMPARE(Current(), 3);
        Apply(Undo);
        QCOMPARE(Current(), 1);
    }

    void undoWithFullRedoStackMovesNothing()
    {
        for (int colour = 1; colour <= 10; ++colour)
            Pick(colour);
        for (int i = 0; i < 10; ++i)
            Apply(Undo); // redo now holds ten
        Pick(42);        // records 0
        Apply(Undo);
        QCOMPARE(Current(), 0);
        SetCurrentColour(m_picMain, *m_upper, *m_lower, 7, 0, 0);
        Apply(Undo);
        QCOMPARE(Current(), 0);
        QCOMPARE(Enabled(), (QList<bool>{true, true}));
    }

    void redoWithFullUndoStackMovesNothing()
    {
        for (int colour = 1; colour <= 10; ++colour)
            Pick(colour);
        Apply(Undo); // shows 9, redo holds 10; undo holds 0 to 8
        Pick(11);    // records 9: undo is full
        Apply(Redo);
        QCOMPARE(Current(), 10);
        Apply(Redo);
        QCOMPARE(Current(), 10);
        QCOMPARE(Enabled(), (QList<bool>{true, true}));
    }

    void emptyStacksOnlyRefresh()
    {
        Apply(Undo);
        Apply(Redo);
        QCOMPARE(Current(), 0);
        QCOMPARE(m_enabled->count(), 2);
        QCOMPARE(Enabled(), (QList<bool>{false, false}));
    }

    void namedColourComesBackAsHex()
    {
        SetCurrentColour(m_picMain, *m_upper, *m_lower, RgbColour(255, 99, 71), 30, 132);
        Pick(5);
        Apply(Undo);
        QCOMPARE(m_upper->text(), QStringLiteral("FF6347"));
    }
};

QTEST_MAIN(tst_SwatchHistory)
#include "tst_swatchhistory.moc"
