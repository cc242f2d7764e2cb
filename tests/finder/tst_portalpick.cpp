#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "finder/finderoverlay.h"
#include "settings/backend_file.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

// A desktop portal of the test's own on a connection of its own, which leaves the bus when it
// ends: it answers each request a little later, as a user would, with the response the test sets:
// a pick with the colour FF6600 as red, green and blue from 0 to 1, a screenshot with the picture
// the test sets, written to a file, or with a refusal where the test sets none.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    explicit FakePortal(const QString &name)
        : m_bus(
              QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), name))
    {
        QVERIFY(m_bus.registerObject("/org/freedesktop/portal/desktop", this,
                                     QDBusConnection::ExportAllSlots));
        QVERIFY(m_bus.registerService("org.freedesktop.portal.Desktop"));
    }
    ~FakePortal() override
    {
        Leave();
        QDBusConnection::disconnectFromBus(m_bus.name());
    }
    void Leave() { m_bus.unregisterService("org.freedesktop.portal.Desktop"); }

    uint response = 0;
    bool answers = true;
    int picks = 0;
    int requests = 0;
    QImage screenshot;
    QString screenshotFile;

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options,
                              const QDBusMessage &message)
    {
        ++picks;
        QDBusArgument colour;
        colour.beginStructure();
        colour << 1.0 << 0.4 << 0.0;
        colour.endStructure();
        return Answer(message, options, response, {{"color", QVariant::fromValue(colour)}});
    }
    QDBusObjectPath Screenshot(const QString &, const QVariantMap &options,
                               const QDBusMessage &message)
    {
        if (screenshot.isNull())
            return Answer(message, options, 2, {});
        screenshot.save(screenshotFile);
        return Answer(message, options, 0,
                      {{"uri", QUrl::fromLocalFile(screenshotFile).toString()}});
    }

private:
    QDBusObjectPath Answer(const QDBusMessage &message, const QVariantMap &options, uint code,
                           const QVariantMap &results)
    {
        ++requests;
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(message.service().mid(1).replace(u'.', u'_'),
                                      options.value("handle_token").toString());
        if (answers)
            QTimer::singleShot(50, this, [this, path, code, results] {
                QDBusMessage answer =
                    QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
                answer << code << results;
                m_bus.send(answer);
            });
        return QDBusObjectPath(path);
    }

    QDBusConnection m_bus;
};

// The finder on a desktop that lets no program read the screen, as none is set here: the press
// asks a portal on a private session bus.
class tst_PortalPick : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_bus;
    FakePortal *m_portal = nullptr;

    static auto Current(const frmMain &w) { return ReadSwatchColour(*w.picMain, TrueSwatch); }
    static QList<QLabel *> Readouts(const frmMain &w)
    {
        return {w.lblXCoord,     w.lblYCoord,       w.lblRedVal,     w.lblGreenVal,
                w.lblBlueVal,    w.lblRedFloat,     w.lblGreenFloat, w.lblBlueFloat,
                w.lblRedPercent, w.lblGreenPercent, w.lblBluePercent};
    }
    static FinderOverlay *Overlay()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *overlay = qobject_cast<FinderOverlay *>(window);
                overlay && overlay->isVisible())
                return overlay;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        // A bus of the test's own that starts no services, so that no real portal answers.
        QFile config(m_dir.filePath("bus.conf"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                     "<policy context=\"default\"><allow send_destination=\"*\"/>"
                     "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>");
        config.close();
        m_bus.start("dbus-daemon",
                    {"--nofork", "--print-address", "--config-file=" + config.fileName()});
        QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon did not start");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SaveValue(Schema::Copy, 75); // instant copy, quotes and pound sign
        QGuiApplication::clipboard()->setText("untouched");
    }

    // Where the desktop refuses a screenshot, its own pick's answer takes the road of a sampled
    // colour, without coordinates; a pick that ends without a colour, cancelled (1) or ended by
    // the desktop (2), changes nothing and says so.
    void answered_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<ColourValue>("current");
        QTest::addColumn<QStringList>("readouts");
        QTest::addColumn<QString>("status");
        const QStringList untouched(11, "7");
        QTest::newRow("a colour") << 0u << RgbColour(255, 102, 0)
                                  << QStringList{"",    "",    "255",  "102", "0", "1.0",
                                                 "0.4", "0.0", "100%", "40%", "0%"}
                                  << "";
        QTest::newRow("cancelled")
            << 1u << RgbColour(1, 2, 3) << untouched << "No colour was picked";
        QTest::newRow("ended") << 2u << RgbColour(1, 2, 3) << untouched << "No colour was picked";
    }
    void answered()
    {
        QFETCH(uint, response);
        QFETCH(ColourValue, current);
        QFETCH(QStringList, readouts);
        QFETCH(QString, status);
        FakePortal served("portal" + QString::number(response));
        served.response = response;

        SaveValue(Schema::TrueColour, RgbColour(1, 2, 3));
        frmMain w;
        for (QLabel *label : Readouts(w))
            label->setText("7");
        w.StatusMessage("before");
        w.imgLocator_MouseDown(1, 0, 240, 240);
        w.imgLocator_MouseUp(1, 0, 240, 240);
        w.imgLocator_MouseDown(1, 0, 240, 240); // a second press while the desktop asks
        // The window goes on while the desktop asks the user.
        QVERIFY(w.imgLocator->isHidden());
        QCOMPARE(w.stbPanel[1]->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), "untouched");
        QTRY_VERIFY(!w.imgLocator->isHidden());

        QCOMPARE(served.picks, 1);
        QCOMPARE(Current(w), current);
        QStringList texts;
        for (QLabel *label : Readouts(w))
            texts << label->text();
        QCOMPARE(texts, readouts);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 response ? "untouched" : "\"#" + HexText(current) + "\"");
        QCOMPARE(w.stbPanel[1]->text(), status);
        w.mnuColour[70]->trigger();
        QCOMPARE(Current(w), RgbColour(1, 2, 3));
        QVERIFY(!w.mnuColour[70]->isEnabled()); // one undo entry for the one pick

        w.imgLocator_MouseDown(1, 0, 240, 240); // the next press asks again
        QTRY_COMPARE(served.picks, 2);
        QTRY_VERIFY(!w.imgLocator->isHidden());
    }

    // With a screenshot the pick goes on over it, in a window over the screen: the pointer and
    // the arrow keys move the hot spot, the magnified view and the readouts follow, and a click
    // takes the colour under the reticle's dot (3 right of and below the hot spot) while Esc
    // takes none. The picture's file is not left behind.
    void screenshot_data()
    {
        QTest::addColumn<QString>("keys"); // besides the pointer's move to (100, 50)
        QTest::addColumn<bool>("click");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addColumn<ColourValue>("current");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("click") << "" << true << QPoint(100, 50) << RgbColour(103, 53, 7)
                               << "\"#673507\"";
        QTest::newRow("arrows, then click")
            << "R d d l" << true << QPoint(109, 52) << RgbColour(112, 55, 7) << "\"#703707\"";
        QTest::newRow("Esc") << "r E" << false << QPoint(110, 50) << RgbColour(1, 2, 3)
                             << "untouched";
    }
    void screenshot()
    {
        QFETCH(QString, keys);
        QFETCH(bool, click);
        QFETCH(QPoint, hotSpot);
        QFETCH(ColourValue, current);
        QFETCH(QString, clipboard);
        FakePortal served("screenshot");
        // Each pixel holds its place: red its x, green its y.
        const QSize size = QGuiApplication::primaryScreen()->size();
        served.screenshot = QImage(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                served.screenshot.setPixel(x, y, qRgb(x % 256, y % 256, 7));
        served.screenshotFile = m_dir.filePath("screenshot.png");

        SaveValue(Schema::TrueColour, RgbColour(1, 2, 3));
        frmMain w;
        w.imgLocator_MouseDown(1, 0, 240, 240);
        w.imgLocator_MouseUp(1, 0, 240, 240);
        FinderOverlay *overlay = nullptr;
        QTRY_VERIFY((overlay = Overlay()));
        QVERIFY(!QFile::exists(served.screenshotFile));
        QTest::mouseMove(overlay, QPoint(100, 50));
        QCOMPARE(w.lblXCoord->text(), "100");
        for (const QString &key : keys.split(' ', Qt::SkipEmptyParts)) {
            const Qt::Key code = key == "E"             ? Qt::Key_Escape
                                 : key.toLower() == "r" ? Qt::Key_Right
                                 : key.toLower() == "d" ? Qt::Key_Down
                                                        : Qt::Key_Left;
            QTest::keyClick(overlay, code, key.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
        }
        if (click) {
            QCOMPARE(w.lblXCoord->text(), QString::number(hotSpot.x()));
            QCOMPARE(w.lblYCoord->text(), QString::number(hotSpot.y()));
            QCOMPARE(w.lblRedVal->text(), QString::number(RedOf(current)));
            // Where the pointer rests, the hot spot stays where the keys put it.
            QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(100, 50));
        }
        QTRY_VERIFY(!Overlay());
        QVERIFY(!w.imgLocator->isHidden());
        QCOMPARE(Current(w), current);
        QCOMPARE(w.lblRedVal->text(), QString::number(RedOf(current)));
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QCOMPARE(w.mnuColour[70]->isEnabled(), true); // the press recorded the colour before
    }

    // A portal that leaves the bus while the user picks gives the finder back.
    void portalLeaves()
    {
        FakePortal served("leaving");
        served.answers = false;
        frmMain w;
        w.imgLocator_MouseDown(1, 0, 240, 240);
        QTRY_COMPARE(served.requests, 1);
        QVERIFY(w.imgLocator->isHidden());
        served.Leave();
        QTRY_VERIFY(!w.imgLocator->isHidden());
        QCOMPARE(w.stbPanel[1]->text(), "No screen picker here");
    }

    void noPortal()
    {
        frmMain w;
        w.imgLocator_MouseDown(1, 0, 240, 240);
        QTRY_VERIFY(!w.imgLocator->isHidden());
        QCOMPARE(w.stbPanel[1]->text(), "No screen picker here");
        QCOMPARE(QGuiApplication::clipboard()->text(), "untouched");
    }
};

QTEST_MAIN(tst_PortalPick)
#include "tst_portalpick.moc"
