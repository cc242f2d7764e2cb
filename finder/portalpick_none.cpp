// Where the program may read the screen itself, there is no desktop picker to ask.

#include "finder/portalpick.h"

void PortalPick::Start()
{
    QMetaObject::invokeMethod(this, &PortalPick::Unavailable, Qt::QueuedConnection);
}

void PortalPick::Response(uint, const QVariantMap &) {}
