#pragma once

#include "core/colour.h"

#include <QObject>

class QDBusServiceWatcher;

// Asks the desktop to let the user pick a colour from the screen, where the desktop lets no
// program read the screen itself (Wayland). The answer comes later, as exactly one of the signals;
// the window stays responsive meanwhile.
class PortalPick : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void Start();

signals:
    void Picked(ColourValue colour);
    void Cancelled();
    // No desktop service answered, or it could not pick.
    void Unavailable();

private slots:
    void Response(uint response, const QVariantMap &results);

private:
    void Listen(const QString &request);
    void Disconnect();

    // The request being answered; empty when none is.
    QString m_request;
    QDBusServiceWatcher *m_portalWatcher = nullptr;
};
