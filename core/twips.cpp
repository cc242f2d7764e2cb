#include "core/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

int TwipsPerPixelAt(double logicalDpi)
{
    return logicalDpi > 0 ? std::max(1, int(std::lround(1440.0 / logicalDpi))) : 15;
}

int TwipsPerPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? TwipsPerPixelAt(screen->logicalDotsPerInch()) : 15;
}

int TwipsToPixels(int twips)
{
    return twips / TwipsPerPixel();
}

int PixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel();
}

void SetTwipsGeometry(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                         TwipsToPixels(height));
}
