#include "app/frmmain.h"
#include "core/twips.h"
#include "dialogs/frmabout.h"
#include "tests/freshsettings.h"

#include <QCursor>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Takes the URLs the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// The About window: its texts and their places, the link, the picture's swap, its stacking.
class tst_frmAbout : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static int Twips(int pixels) { return PixelsToTwips(pixels); }
    static QColor LinkColour(const frmAbout &about)
    {
        return about.lblURL->palette().color(QPalette::WindowText);
    }

private slots:
    void init() { UseFreshSettings(m_dir.filePath("registry.reg")); }

    void textsAndPlaces()
    {
        frmAbout about;
        QCOMPARE(about.windowTitle(), "About Tarvo Pigmenta R4");
        QCOMPARE(about.lblTop->text(), "Tarvo Pigmenta R4\n" + frmAbout::VersionComment() +
                                           "\n\nFor more information, visit");
        QVERIFY(frmAbout::VersionComment().startsWith("v.4.2.2 for "));
        QVERIFY(!frmAbout::VersionComment().contains("Windows") ||
                QSysInfo::kernelType() == "winnt");
        QCOMPARE(about.lblURL->text(), "https://pigmenta.example.org/");
        QVERIFY(about.lblCopyright->text().startsWith(
            "To comment about this software,\nsend E-mail to help@tarvo.example\n\n"));
        // The link 200 twips right of the first block and 100 below it; the contact block at the
        // first block's left, 200 below the link.
        QCOMPARE(about.lblURL->x(), TwipsToPixels(Twips(about.lblTop->x()) + 200));
        QCOMPARE(about.lblURL->y(),
                 TwipsToPixels(Twips(about.lblTop->y()) + Twips(about.lblTop->height()) + 100));
        QCOMPARE(about.lblCopyright->x(), about.lblTop->x());
        QCOMPARE(about.lblCopyright->y(),
                 TwipsToPixels(Twips(about.lblURL->y()) + Twips(about.lblURL->height()) + 200));
        // Every text lies inside the window.
        for (const QLabel *label : {about.lblTop, about.lblURL, about.lblCopyright})
            QVERIFY(about.rect().contains(label->geometry()));
        QVERIFY(about.lblURL->font().underline());
        QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void link()
    {
        frmAbout about;
        QCOMPARE(LinkColour(about), QColor(0, 0, 255));
        about.lblURL_MouseMove();
        QCOMPARE(LinkColour(about), QColor(0, 153, 0));
        about.Form_MouseMove();
        QCOMPARE(LinkColour(about), QColor(0, 0, 255));

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        about.lblURL_Click();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl("https://pigmenta.example.org/")});
    }

    // A double-click anywhere swaps the picture once; near the top left it also leaves a credit.
    void pictureSwap_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("credit");
        QTest::newRow("inside the credit spot") << QPoint(20, 20) << true;
        QTest::newRow("on its edge") << QPoint(16, 20) << false;
        QTest::newRow("lower on the picture") << QPoint(30, 100) << false;
    }
    void pictureSwap()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, credit);
        frmAbout about;
        about.show();
        const QImage first = about.imgAbout->pixmap().toImage();
        QCursor::setPos(about.mapToGlobal(at));
        about.imgAbout_DblClick();
        const QImage second = about.imgAbout->pixmap().toImage();
        QVERIFY(second != first);
        QCOMPARE(!about.imgAbout->toolTip().isEmpty(), credit);
        about.imgAbout_DblClick();
        QCOMPARE(about.imgAbout->pixmap().toImage(), second);
    }

    // Help > About opens one window; opened again, that window comes forward.
    void openedFromTheMenu()
    {
        frmMain window;
        window.show();
        QVERIFY(window.mnuHelp[30]->isEnabled());
        window.mnuHelp[30]->trigger();
        const QList<frmAbout *> opened = window.findChildren<frmAbout *>();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0]->isVisible());
        window.mnuHelp[30]->trigger();
        QCOMPARE(window.findChildren<frmAbout *>(), opened);
        opened[0]->cmdClose->click();
        QTRY_VERIFY(window.findChildren<frmAbout *>().isEmpty());
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
