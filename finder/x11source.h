#pragma once

class QObject;
class ScreenSource;

// The X server's own pixels, read on Qt's connection, in a source owned by parent; nullptr where
// the program does not run on X11 or where the root window's pixels are not 32-bit RGB.
[[nodiscard]] ScreenSource *X11ScreenSource(QObject *parent);
