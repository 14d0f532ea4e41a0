#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/design/zonetable.h"
#include "mapdata/toolkit/units.h"
#include "quiz/zoneplaces.h"

#include <QPoint>

#include <optional>

namespace fakes {

// Where a hand picks up pool name item: the middle of its label, in window pixels.
inline QPoint poolPixel(const mapdata::QuizWindowDesign &design, int item) {
    return design.labels(item).rect().toPixels().center().toPoint();
}

// Whether the zone table lists item's name as a field of zone's tag: the answer key, kept apart
// from the judging under test, so that a judge that accepts too much is seen.
inline bool zoneListsItem(int zone, int item) {
    return QString::fromLatin1(mapdata::kZoneTable[std::size_t(zone)].tag)
        .split(QLatin1Char(','))
        .contains(QLatin1String(mapdata::kItemTable[std::size_t(item)].name));
}

// The window pixel where a drop of pool name item lands on a zone that lists it (or, with
// right false, does not): the place point of the first such zone that a mouse event there
// reaches. None when there is no such zone.
inline std::optional<QPoint> dropPixel(const mapdata::QuizWindowDesign &design,
                                       const quiz::ZonePlaces &places, int item, bool right) {
    for (int z = 0; z < places.count(); ++z) {
        const mapdata::Control &zone = design.piccoor(z);
        if (zoneListsItem(z, item) != right || places.frontPart(z).isEmpty())
            continue;
        const QPoint pixel = mapdata::twipsToPixels(places.placePoint(z)).toPoint();
        if (design.form.hitTest(mapdata::pixelsToTwips(pixel)) == &zone)
            return pixel;
    }
    return std::nullopt;
}

} // namespace fakes
