#pragma once

#include "core/colour.h"

#include <QImage>
#include <QObject>

class QDBusServiceWatcher;

// The desktop portal's screen requests, for a desktop that lets no program read the screen itself
// (Wayland): one screenshot of every screen, taken without asking the user, or the desktop's own
// colour pick. Each request is answered later by exactly one of the signals, and the window stays
// responsive meanwhile; one request at a time.
class DesktopPortal : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void TakeScreenshot();
    void PickColour();

signals:
    void ScreenshotTaken(const QImage &picture);
    void Picked(ColourValue colour);
    // The desktop answered without a picture or a colour: the user cancelled, or it refused.
    void Ended();
    // No desktop service answered, or it does not serve the request.
    void Unavailable();

private slots:
    void Response(uint response, const QVariantMap &results);

private:
    void Start(const QString &method, QVariantMap options);
    void Listen(const QString &request);
    void Disconnect();

    // The request being answered; empty when none is.
    QString m_request;
    QString m_method;
    QDBusServiceWatcher *m_portalWatcher = nullptr;
};
