// The finder's screen on Windows and macOS: the desktop through Qt.

#include "finder/desktopsource.h"

#include <QGuiApplication>

ScreenSource &DesktopScreenSource()
{
    return *new DesktopSource(qApp);
}
