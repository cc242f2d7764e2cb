#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "finder/screensource.h"
#include "settings/backend_file.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The colour a portal answers: red, green and blue from 0 to 1.
struct PortalColour
{
    double red, green, blue;
};
Q_DECLARE_METATYPE(PortalColour)

QDBusArgument &operator<<(QDBusArgument &argument, const PortalColour &colour)
{
    argument.beginStructure();
    argument << colour.red << colour.green << colour.blue;
    argument.endStructure();
    return argument;
}
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalColour &colour)
{
    argument.beginStructure();
    argument >> colour.red >> colour.green >> colour.blue;
    argument.endStructure();
    return argument;
}

// A desktop portal of the test's own: it answers each pick a little later, as a user would,
// with the response and colour the test sets.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    explicit FakePortal(const QDBusConnection &bus) : m_bus(bus) {}

    uint response = 0;
    PortalColour colour{};
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
            QVariantMap results;
            if (response == 0)
                results["color"] = QVariant::fromValue(colour);
            answer << response << results;
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
        qDBusRegisterMetaType<PortalColour>();
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
        const QString name = "portal" + QString::number(response);
        QDBusConnection bus =
            QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), name);
        const auto leave = qScopeGuard([&] {
            bus.unregisterService("org.freedesktop.portal.Desktop");
            QDBusConnection::disconnectFromBus(name);
        });
        FakePortal served(bus);
        served.response = response;
        served.colour = {1.0, 0.4, 0.0};
        QVERIFY(bus.registerObject("/org/freedesktop/portal/desktop", &served,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService("org.freedesktop.portal.Desktop"));

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
        QDBusConnection bus = QDBusConnection::connectToBus(
            qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "leaving");
        const auto leave = qScopeGuard([] { QDBusConnection::disconnectFromBus("leaving"); });
        FakePortal served(bus);
        served.answers = false;
        QVERIFY(bus.registerObject("/org/freedesktop/portal/desktop", &served,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService("org.freedesktop.portal.Desktop"));
        frmMain w;
        w.imgLocator_MouseDown(1, 0, 240, 240);
        QTRY_COMPARE(served.picks, 1);
        QVERIFY(w.imgLocator->isHidden());
        bus.unregisterService("org.freedesktop.portal.Desktop");
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
