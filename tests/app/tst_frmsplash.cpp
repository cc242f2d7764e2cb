#include "app/frmsplash.h"

#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

using namespace std::chrono_literals;

class tst_frmSplash : public QObject
{
    Q_OBJECT

private slots:
    // Exactly the picture's size, centred to the whole twip: (12000 \ 2 - 5025 \ 2) twips.
    void sizeAndPlace()
    {
        frmSplash splash;
        QCOMPARE(splash.size(), QSize(335, 135));
        QCOMPARE(splash.imgSplash->geometry(), QRect(0, 0, 335, 135));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size() * 15;
        QCOMPARE(splash.pos(), QPoint((screen.width() / 2 - 5025 / 2) / 15,
                                      (screen.height() / 2 - 2025 / 2) / 15));
        QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void closes_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("key") << 0;
        QTest::newRow("click on the picture") << 1;
        QTest::newRow("wait") << 2;
    }
    void closes()
    {
        QFETCH(int, how);
        QPointer<frmSplash> splash = new frmSplash;
        splash->ShowFor(how == 2 ? 50ms : 1h);
        QVERIFY(splash->isVisible());
        if (how == 0)
            QTest::keyClick(splash, Qt::Key_Space);
        else if (how == 1)
            QTest::mouseClick(splash->imgSplash, Qt::LeftButton);
        QTRY_VERIFY(splash.isNull());
    }
};

QTEST_MAIN(tst_frmSplash)
#include "tst_frmsplash.moc"
