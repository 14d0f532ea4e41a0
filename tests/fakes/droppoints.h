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

// The window pixel where a drop of pool name item lands on a zone that accepts it (or, with
// right false, refuses it): the place point of the first such zone that a mouse event there
// reaches. None when there is no such zone.
inline std::optional<QPoint> dropPixel(const mapdata::QuizWindowDesign &design,
                                       const quiz::ZonePlaces &places, int item, bool right) {
    const QString tag = design.labels(item).tag();
    for (int z = 0; z < places.count(); ++z) {
        const mapdata::Control &zone = design.piccoor(z);
        if (quiz::isDropAccepted(zone.tag(), tag) != right || places.frontPart(z).isEmpty())
            continue;
        const QPoint pixel = mapdata::twipsToPixels(places.placePoint(z)).toPoint();
        if (design.form.hitTest(mapdata::pixelsToTwips(pixel)) == &zone)
            return pixel;
    }
    return std::nullopt;
}

} // namespace fakes
