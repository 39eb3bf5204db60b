// The one place where our y-up points become Qt's y-down pixels.
#pragma once

#include <QRectF>

#include "platform/geometry.h"

namespace zindo::platform::qt {

// A frame in a parent of the given height, flipped to Qt's top-left origin.
inline QRectF toQt(const Rect& frame, double parentHeight) {
    return QRectF(frame.origin.x, parentHeight - (frame.origin.y + frame.size.height), frame.size.width,
                  frame.size.height);
}

// A rectangle in Qt's coordinates of a parent of the given height, back to ours.
inline Rect fromQt(const QRectF& rect, double parentHeight) {
    return Rect{rect.x(), parentHeight - (rect.y() + rect.height()), rect.width(), rect.height()};
}

// A point in Qt's coordinates of a parent of the given height, back to ours.
inline Point fromQt(const QPointF& point, double parentHeight) { return Point{point.x(), parentHeight - point.y()}; }

inline bool contains(const Rect& frame, Point point) {
    return point.x >= frame.origin.x && point.x < frame.origin.x + frame.size.width && point.y >= frame.origin.y &&
           point.y < frame.origin.y + frame.size.height;
}

}  // namespace zindo::platform::qt
