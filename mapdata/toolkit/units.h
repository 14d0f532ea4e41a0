#pragma once

#include <QPoint>
#include <QRectF>

#include <cstdint>

namespace mapdata {

// The window is laid out in twips; 15 twips make one logical pixel at 96 dpi, so
// Qt's device-pixel scaling turns a logical pixel into crisp device pixels.
constexpr int kTwipsPerPixel = 15;
// One typographic point is 20 twips.
constexpr int kTwipsPerPoint = 20;

struct TwipsRect {
    int leftTwips = 0;
    int topTwips = 0;
    int widthTwips = 0;
    int heightTwips = 0;

    int rightTwips() const { return leftTwips + widthTwips; }
    int bottomTwips() const { return topTwips + heightTwips; }
    bool contains(QPoint twips) const {
        return twips.x() >= leftTwips && twips.x() < rightTwips() && twips.y() >= topTwips &&
               twips.y() < bottomTwips();
    }
    bool intersects(const TwipsRect &other) const {
        return leftTwips < other.rightTwips() && other.leftTwips < rightTwips() &&
               topTwips < other.bottomTwips() && other.topTwips < bottomTwips();
    }
    // The same rectangle as a QRect, still in twips, for region arithmetic.
    QRect inTwips() const { return QRect(leftTwips, topTwips, widthTwips, heightTwips); }
    QRectF toPixels() const {
        return QRectF(double(leftTwips) / kTwipsPerPixel, double(topTwips) / kTwipsPerPixel,
                      double(widthTwips) / kTwipsPerPixel, double(heightTwips) / kTwipsPerPixel);
    }
    bool operator==(const TwipsRect &o) const {
        return leftTwips == o.leftTwips && topTwips == o.topTwips && widthTwips == o.widthTwips &&
               heightTwips == o.heightTwips;
    }
    bool operator!=(const TwipsRect &o) const { return !(*this == o); }
};

inline QPoint pixelsToTwips(QPointF pixels) {
    return QPoint(int(pixels.x() * kTwipsPerPixel), int(pixels.y() * kTwipsPerPixel));
}

inline QPointF twipsToPixels(QPoint twips) {
    return QPointF(double(twips.x()) / kTwipsPerPixel, double(twips.y()) / kTwipsPerPixel);
}

// Font sizes are given in points; the pixel size keeps the designed size whatever
// the screen's dots per inch.
inline int pointsToPixels(double points) {
    return int(points * kTwipsPerPoint / kTwipsPerPixel + 0.5);
}

} // namespace mapdata
