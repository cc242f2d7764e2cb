#include "dialogs/frmabout.h"
#include "dialogs/version.h"

#include <QLabel>
#include <QTest>

// The About window: its texts and their places, and the picture's swap.
class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    // Places at 15 twips to a pixel, in whole pixels: the first block at 1320, 210 twips; the link
    // 200 twips right of it and 100 below; the contact block at its left, 200 below the link.
    void textsAndPlaces()
    {
        frmAbout about;
        QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(frmAbout::VersionComment().startsWith("v." PIGMENTA_VERSION " for "));
        QCOMPARE(about.lblTop->text(), "Tarvo Pigmenta R4\n" + frmAbout::VersionComment() +
                                           "\n\nFor more information, visit");
        QCOMPARE(about.lblURL->text(), "https://pigmenta.example.org/");
        QVERIFY(about.lblCopyright->text().startsWith(
            "To comment about this software,\nsend E-mail to help@tarvo.example\n\n"));
        QCOMPARE(about.lblTop->pos(), QPoint(88, 14));
        QCOMPARE(about.lblURL->pos(), QPoint(101, about.lblTop->y() + about.lblTop->height() + 6));
        QCOMPARE(about.lblCopyright->pos(),
                 QPoint(88, about.lblURL->y() + about.lblURL->height() + 13));
    }

    // A double-click swaps the picture once; one inside the spot near its top left (window pixels
    // 17 to 67 across, 17 to 26 down) also leaves a credit.
    void pictureSwap()
    {
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto doubleClick = [&about](QPoint at) { // at in the window
            const QPoint on = about.imgAbout->mapFrom(&about, at);
            QTest::mouseMove(&about, at);
            QTest::mouseClick(about.imgAbout, Qt::LeftButton, {}, on);
            QTest::mouseDClick(about.imgAbout, Qt::LeftButton, {}, on);
            QTest::mouseRelease(about.imgAbout, Qt::LeftButton, {}, on);
        };
        const QImage first = about.imgAbout->pixmap().toImage();
        doubleClick({16, 20});
        const QImage second = about.imgAbout->pixmap().toImage();
        QVERIFY(second != first && about.imgAbout->toolTip().isEmpty());
        doubleClick({17, 26});
        QCOMPARE(about.imgAbout->pixmap().toImage(), second);
        QVERIFY(!about.imgAbout->toolTip().isEmpty());
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
