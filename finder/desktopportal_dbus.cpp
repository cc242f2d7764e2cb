// The screen requests of the freedesktop desktop portal, over the session bus.

#include "finder/desktopportal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QUrl>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

int Part(double fraction)
{
    return qBound(0, qRound(fraction * 255), 255);
}

} // namespace

void DesktopPortal::TakeScreenshot()
{
    Start(QStringLiteral("Screenshot"), {{QStringLiteral("interactive"), false}});
}

void DesktopPortal::PickColour()
{
    Start(QStringLiteral("PickColor"), {});
}

void DesktopPortal::Start(const QString &method, QVariantMap options)
{
    m_method = method;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QMetaObject::invokeMethod(this, &DesktopPortal::Unavailable, Qt::QueuedConnection);
        return;
    }
    // A portal that leaves the bus while the user picks (it crashed or restarted) will not
    // answer any more.
    if (!m_portalWatcher) {
        m_portalWatcher = new QDBusServiceWatcher(
            PortalService, bus, QDBusServiceWatcher::WatchForUnregistration, this);
        connect(m_portalWatcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
            if (!m_request.isEmpty()) {
                Disconnect();
                emit Unavailable();
            }
        });
    }
    // The answer comes as a signal of a request object whose path follows from the token; it is
    // listened for before asking, so that no answer can come first.
    static int requests = 0;
    const QString token = QStringLiteral("pigmenta%1").arg(++requests);
    Listen(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
               .arg(bus.baseService().mid(1).replace(u'.', u'_'), token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Screenshot"), method);
    options.insert(QStringLiteral("handle_token"), token);
    call << QString() << options;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            Disconnect();
            emit Unavailable();
        } else if (reply.value().path() != m_request) {
            // A portal older than request tokens names its own request object.
            Disconnect();
            Listen(reply.value().path());
        }
    });
}

// Only the portal's own answers are taken.
void DesktopPortal::Listen(const QString &request)
{
    m_request = request;
    QDBusConnection::sessionBus().connect(PortalService, m_request, RequestInterface,
                                          QStringLiteral("Response"), this,
                                          SLOT(Response(uint, QVariantMap)));
}

void DesktopPortal::Disconnect()
{
    QDBusConnection::sessionBus().disconnect(PortalService, m_request, RequestInterface,
                                             QStringLiteral("Response"), this,
                                             SLOT(Response(uint, QVariantMap)));
    m_request.clear();
}

void DesktopPortal::Response(uint response, const QVariantMap &results)
{
    Disconnect();
    if (response != 0) {
        emit Ended();
    } else if (m_method == QLatin1String("Screenshot")) {
        // The picture was taken for this pick alone and is read once: it is not kept.
        const QString file = QUrl(results.value(QStringLiteral("uri")).toString()).toLocalFile();
        const QImage picture(file);
        QFile::remove(file);
        if (picture.isNull())
            emit Ended();
        else
            emit ScreenshotTaken(picture);
    } else if (const QVariant colour = results.value(QStringLiteral("color"));
               colour.canConvert<QDBusArgument>()) {
        double red = 0, green = 0, blue = 0;
        const QDBusArgument argument = colour.value<QDBusArgument>();
        argument.beginStructure();
        argument >> red >> green >> blue;
        argument.endStructure();
        emit Picked(RgbColour(Part(red), Part(green), Part(blue)));
    } else {
        emit Ended();
    }
}
