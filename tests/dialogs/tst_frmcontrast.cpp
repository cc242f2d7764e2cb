#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "dialogs/frmcontrast.h"
#include "dialogs/frmpreview.h"
#include "tests/freshsettings.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The Contrast window, opened by its key in the main window, follows the colours it judges: those
// the Preview menu stores and the current colour.
class tst_frmContrast : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // colour is made current, then given to the Preview by its menu index (none for 0); the pair's
    // row shows the new ratio, rounded down, and the verdicts of the unrounded one.
    void followsColours_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("menu");
        QTest::addColumn<int>("pair");
        QTest::addColumn<QString>("shown");
        QTest::newRow("text on black") << 0x000000 << 40 << 0 << "1.00:1 Fail Fail Fail Fail";
        QTest::newRow("grey link") << 0x777777 << 90 << 2 << "4.47:1 Fail Pass Fail Fail";
        QTest::newRow("orange heading") << 0x0066FF << 70 << 1 << "2.93:1 Fail Fail Fail Fail";
        QTest::newRow("black on white") << 0x000000 << 0 << 5 << "21.00:1 Pass Pass Pass Pass";
        QTest::newRow("grey on black") << 0x777777 << 0 << 6 << "4.68:1 Pass Pass Fail Pass";
    }
    void followsColours()
    {
        QFETCH(int, colour);
        QFETCH(int, menu);
        QFETCH(int, pair);
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SaveValue(Schema::TrueColour, 0xFFFFFF);
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        const auto *contrast = main.findChild<frmContrast *>();
        QTRY_VERIFY(contrast && QApplication::activeWindow() == contrast); // and no Preview
        SetCurrentColour(*main.picMain, colour);
        if (menu)
            main.mnuPreview_Click(menu);
        QStringList shown{contrast->lblRatio[pair]->text()};
        for (QLabel *verdict : contrast->lblVerdict[pair])
            shown << verdict->text();
        for (QWidget *window : QApplication::topLevelWidgets()) // the Preview outlives the main
            delete qobject_cast<frmPreview *>(window);
        QTEST(shown.join(' '), "shown");
    }
};

QTEST_MAIN(tst_frmContrast)
#include "tst_frmcontrast.moc"
