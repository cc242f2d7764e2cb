// Which source reads the desktop's screen: the X server's own pixels on X11, Qt's grab elsewhere,
// and none that reads on Wayland, where the desktop picks colours for programs.

#include "finder/desktopsource.h"
#include "finder/screensource.h"
#ifdef PIGMENTA_X11
#include "finder/x11source.h"
#endif

#include <QGuiApplication>

ScreenSource &DesktopScreenSource()
{
    // Under a Wayland session an X client sees only the other X clients' windows, so the
    // desktop's picker is the only way to every pixel there too.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return UnreadableScreen();
#ifdef PIGMENTA_X11
    if (ScreenSource *x11 = X11ScreenSource(qApp))
        return *x11;
#endif
    return *new DesktopSource(qApp);
}
