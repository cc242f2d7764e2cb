#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "finder/screensource.h"
#include "settings/backend_file.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

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

// A desktop portal of the test's own on a connection of its own, which leaves the bus when it
// ends: it answers each pick a little later, as a user would, with the response the test sets and
// the colour FF6600 as red, green and blue from 0 to 1.
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

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options,
                              const QDBusMessage &message)
    {
        ++picks;
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(message.service().mid(1).replace(u'.', u'_'),
                                      options.value("handle_token").toString());
        if (!answers)
            return QDBusObjectPath(path);
        QTimer::singleShot(50, this, [this, path] {
            QDBusMessage answer =
                QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
            QDBusArgument colour;
            colour.beginStructure();
            colour << 1.0 << 0.4 << 0.0;
            colour.endStructure();
            answer << response << QVariantMap{{"color", QVariant::fromValue(colour)}};
            m_bus.send(answer);
        });
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection m_bus;
};

// The finder on a desktop that lets no program read the screen: the press asks a portal on a
// private session bus.
class tst_PortalPick : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_bus;
    FakePortal *m_portal = nullptr;

    static ColourValue Current(const frmMain &w) { return ReadSwatchColour(*w.picMain, 1); }

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
        SetScreenSource(nullptr);
        QGuiApplication::clipboard()->setText("untouched");
    }

    // The portal's answer takes the road of a sampled colour, without coordinates; a cancel is
    // a press and release without a movement.
    void answered_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<ColourValue>("current");
        QTest::addColumn<QStringList>("readouts");
        QTest::newRow("a colour") << 0u << RgbColour(255, 102, 0)
                                  << QStringList{"",    "",    "255",  "102", "0", "1.0",
                                                 "0.4", "0.0", "100%", "40%", "0%"};
        QTest::newRow("cancelled")
            << 1u << RgbColour(1, 2, 3)
            << QStringList{"7", "7", "7", "7", "7", "7", "7", "7", "7", "7", "7"};
    }
    void answered()
    {
        QFETCH(uint, response);
        QFETCH(ColourValue, current);
        QFETCH(QStringList, readouts);
        FakePortal served("portal" + QString::number(response));
        served.response = response;

        SaveValue(Schema::TrueColour, RgbColour(1, 2, 3));
        frmMain w;
        const QList<QLabel *> labels{w.lblXCoord,       w.lblYCoord,     w.lblRedVal,
                                     w.lblGreenVal,     w.lblBlueVal,    w.lblRedFloat,
                                     w.lblGreenFloat,   w.lblBlueFloat,  w.lblRedPercent,
                                     w.lblGreenPercent, w.lblBluePercent};
        for (QLabel *label : labels)
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
        for (QLabel *label : labels)
            texts << label->text();
        QCOMPARE(texts, readouts);
        QCOMPARE(QGuiApplication::clipboard()->text(), "\"#" + HexText(current) + "\"");
        QCOMPARE(w.stbPanel[1]->text(), QString());
        w.mnuColour[70]->trigger();
        QCOMPARE(Current(w), RgbColour(1, 2, 3));
        QVERIFY(!w.mnuColour[70]->isEnabled()); // one undo entry for the one pick
    }

    // A portal that leaves the bus while the user picks gives the finder back.
    void portalLeaves()
    {
        FakePortal served("leaving");
        served.answers = false;
        frmMain w;
        w.imgLocator_MouseDown(1, 0, 240, 240);
        QTRY_COMPARE(served.picks, 1);
        QVERIFY(w.imgLocator->isHidden());
        served.Leave();
        QTRY_VERIFY(!w.imgLocator->isHidden());
        QCOMPARE(w.stbPanel[1]->text(), "Picking from the screen is not available here");
    }

    void noPortal()
    {
        frmMain w;
        w.imgLocator_MouseDown(1, 0, 240, 240);
        QTRY_VERIFY(!w.imgLocator->isHidden());
        QCOMPARE(w.stbPanel[1]->text(), "Picking from the screen is not available here");
        QCOMPARE(QGuiApplication::clipboard()->text(), "untouched");
    }
};

QTEST_MAIN(tst_PortalPick)
#include "tst_portalpick.moc"
