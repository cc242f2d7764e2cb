// Where the program may read the screen itself, there is no desktop portal to ask.

#include "finder/desktopportal.h"

void DesktopPortal::TakeScreenshot()
{
    QMetaObject::invokeMethod(this, &DesktopPortal::Unavailable, Qt::QueuedConnection);
}

void DesktopPortal::PickColour()
{
    QMetaObject::invokeMethod(this, &DesktopPortal::Unavailable, Qt::QueuedConnection);
}

void DesktopPortal::Response(uint, const QVariantMap &) {}
