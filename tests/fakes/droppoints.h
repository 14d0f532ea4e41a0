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

// Whether tag lists item's name as one of its fields: the answer key, kept apart from the
// judging under test, so that a judge that accepts too much is seen.
inline bool tagListsItem(const QString &tag, int item) {
    return tag.split(QLatin1Char(',')).contains(
        QLatin1String(mapdata::kItemTable[std::size_t(item)].name));
}

// Whether the zone table lists item's name in zone's tag.
inline bool zoneListsItem(int zone, int item) {
    return tagListsItem(QString::fromLatin1(mapdata::kZoneTable[std::size_t(zone)].tag), item);
}

// The window pixel where a drop of pool name item lands on a place that lists it (or, with
// right false, does not): the place point of the first such place that a mouse event there
// reaches. None when there is no such place.
inline std::optional<QPoint> dropPixel(const mapdata::QuizWindowDesign &design,
                                       const quiz::ZonePlaces &places, int item, bool right) {
    for (int p = 0; p < places.count(); ++p) {
        if (tagListsItem(places.tag(p), item) != right || places.frontPart(p).isEmpty())
            continue;
        const QPoint pixel = mapdata::twipsToPixels(places.placePoint(p)).toPoint();
        const mapdata::Control *hit = design.form.hitTest(mapdata::pixelsToTwips(pixel));
        if (hit && hit->tag() == places.tag(p))
            return pixel;
    }
    return std::nullopt;
}

} // namespace fakes
