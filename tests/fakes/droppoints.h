#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/toolkit/units.h"
#include "quiz/judging.h"
#include "quiz/zoneplaces.h"

#include <QPoint>

#include <optional>

namespace fakes {

// Where a hand picks up pool name item: the middle of its label, in window pixels.
inline QPoint poolPixel(const mapdata::QuizWindowDesign &design, int item) {
    return design.labels(item).rect().toPixels().center().toPoint();
}

// The window pixel where a drop of pool name item lands on a place that accepts it (or, with
// right false, refuses it): the place point of the first such place that a mouse event there
// reaches. None when there is no such place.
inline std::optional<QPoint> dropPixel(const mapdata::QuizWindowDesign &design,
                                       const quiz::ZonePlaces &places, int item, bool right) {
    const QString tag = design.labels(item).tag();
    for (int p = 0; p < places.count(); ++p) {
        if (quiz::isDropAccepted(places.tag(p), tag) != right || places.frontPart(p).isEmpty())
            continue;
        const QPoint pixel = mapdata::twipsToPixels(places.placePoint(p)).toPoint();
        const mapdata::Control *hit = design.form.hitTest(mapdata::pixelsToTwips(pixel));
        if (hit && hit->tag() == places.tag(p))
            return pixel;
    }
    return std::nullopt;
}

} // namespace fakes
