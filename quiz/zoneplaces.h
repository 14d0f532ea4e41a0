#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "quiz/spokentext.h"

#include <QPoint>
#include <QRegion>

#include <vector>

namespace quiz {

enum class Direction { Left, Right, Up, Down };

// The drop zones as places that a keyboard marker steps between. Each zone is the part of it
// that lies in front (where a drop reaches it), and is stood for by one point inside that
// part, where a placement is judged. Made after the load has created the live zones; the
// zones never move afterwards.
class ZonePlaces {
public:
    explicit ZonePlaces(const mapdata::QuizWindowDesign &design);

    int count() const { return int(m_places.size()); }
    // In twips.
    const QRegion &frontPart(int zone) const { return m_places.at(std::size_t(zone)).front; }
    QPoint placePoint(int zone) const { return m_places.at(std::size_t(zone)).point; }
    // The zone nearest the middle of the map picture's visible part.
    int startZone() const { return m_start; }
    // The nearest zone in a direction, or the same zone when there is none.
    int next(int zone, Direction direction) const;
    // Where the zone lies, from the zones' geometry alone: its place point within the land's
    // extent, and whether the land ends near it.
    const Whereabouts &whereabouts(int zone) const { return m_places.at(std::size_t(zone)).where; }

private:
    struct Place {
        QRegion front;
        QPoint point;
        Whereabouts where;
    };
    void findWhereabouts(const mapdata::QuizWindowDesign &design);

    std::vector<Place> m_places;
    int m_start = 0;
};

} // namespace quiz
