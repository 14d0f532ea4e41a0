#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/design/zonetable.h"
#include "mapdata/toolkit/units.h"
#include "quiz/judging.h"

#include <QPoint>
#include <QString>

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

namespace soak {

// The pixel where a mouse event lands, in the window's twips as the widget converts it.
inline QPoint twipsAtPixel(QPoint pixel) { return mapdata::pixelsToTwips(QPointF(pixel)); }

inline QPoint centrePixel(const mapdata::TwipsRect &rect) {
    const QRectF px = rect.toPixels();
    return px.center().toPoint();
}

// The pixel nearest to the centre of a zone that accepts (or refuses) the key and lies in
// front there, so that a drop reaches that very zone. None when no such pixel exists.
inline std::optional<QPoint> zonePixelFor(const mapdata::QuizWindowDesign &design,
                                          const QString &labelTag, bool accepting) {
    std::optional<QPoint> best;
    double bestDistance = std::numeric_limits<double>::max();
    for (int z = 0; z < mapdata::kZoneCount; ++z) {
        const mapdata::Control &zone = design.piccoor(z);
        if (quiz::isDropAccepted(zone.tag(), labelTag) != accepting)
            continue;
        const QRect px = zone.rect().toPixels().toAlignedRect();
        const QPointF centre = zone.rect().toPixels().center();
        for (int y = px.top(); y <= px.bottom(); ++y)
            for (int x = px.left(); x <= px.right(); ++x) {
                if (design.form.hitTest(twipsAtPixel({x, y})) != &zone)
                    continue;
                const double d = std::hypot(x - centre.x(), y - centre.y());
                if (d < bestDistance) {
                    bestDistance = d;
                    best = QPoint(x, y);
                }
            }
        if (best)
            return best; // the first zone that works is enough
    }
    return best;
}

// Where the name of pool label index is picked up: its centre, if the label is hit there.
inline std::optional<QPoint> poolPixel(const mapdata::QuizWindowDesign &design, int index) {
    const mapdata::Control &label = design.labels(index);
    const QPoint p = centrePixel(label.rect());
    if (design.form.hitTest(twipsAtPixel(p)) != &label)
        return std::nullopt;
    return p;
}

} // namespace soak
