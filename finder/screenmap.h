#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where each screen lies in the two coordinate systems of the desktop. Widgets and pointer events
// speak logical pixels; the screen's own pixels (device pixels) are what the finder samples. A
// screen's logical geometry starts where its device pixels start and is its device size divided by
// its ratio, so each screen maps on its own around its top-left corner. Origins may be negative:
// screens left of or above the primary one.
struct ScreenPlace
{
    QRect geometry; // logical pixels
    qreal ratio = 1;

    friend bool operator==(const ScreenPlace &, const ScreenPlace &) = default;
};

// The screens the desktop has now.
[[nodiscard]] QList<ScreenPlace> ScreenPlaces();

// The device pixels a screen covers.
[[nodiscard]] QRect DeviceRect(const ScreenPlace &screen);

// The device pixel under a logical point: mapped through the screen that holds the point (where
// mixed ratios make logical geometries overlap, the one whose device pixels hold the result),
// else through the nearest screen.
[[nodiscard]] QPoint DevicePoint(QPointF logical, const QList<ScreenPlace> &screens);

// The logical point of a device pixel's top-left corner, mapped through the screen that shows it,
// else through the nearest one.
[[nodiscard]] QPointF LogicalPoint(QPoint device, const QList<ScreenPlace> &screens);
