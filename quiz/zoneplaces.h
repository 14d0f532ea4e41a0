#pragma once

#include "mapdata/design/quizwindowdesign.h"
#include "quiz/spokentext.h"

#include <QPoint>
#include <QPointF>
#include <QRegion>

#include <vector>

namespace quiz {

enum class Direction { Left, Right, Up, Down };

// The places of the map that a keyboard marker steps between, as the map draws them: each
// country is one place (all its zones together), each sea or ocean one. A place is the part
// of its zones that lies in front (where a drop reaches them), and is stood for by one point
// inside that part, where a placement is judged. Made after the load has created the live
// zones; the zones never move afterwards.
class ZonePlaces {
public:
    explicit ZonePlaces(const mapdata::QuizWindowDesign &design);

    int count() const { return int(m_places.size()); }
    // The names that a drop on the place's zones accepts.
    const QString &tag(int place) const { return at(place).tag; }
    const std::vector<int> &zones(int place) const { return at(place).zones; }
    // In twips.
    const QRegion &frontPart(int place) const { return at(place).front; }
    QPoint placePoint(int place) const { return at(place).point; }
    // The place under the middle of the land: every other place is a few steps from it.
    int startPlace() const { return m_start; }
    // The neighbouring place in a direction, or the same place when there is none.
    int next(int place, Direction direction) const;
    // The places whose zones touch the place's, in the order of the zone table.
    const std::vector<int> &neighbours(int place) const { return at(place).neighbours; }
    // What the map shows of the place, from the zones' geometry alone.
    const Whereabouts &whereabouts(int place) const { return at(place).where; }
    // The names shown placed on the place and around it now, as the map labels show them.
    PlacedAround placedAround(int place) const;

private:
    struct Place {
        QString tag;
        std::vector<int> zones;
        QRegion front;
        QPoint point;
        QPointF centre;
        std::vector<int> neighbours;
        Whereabouts where;
    };
    const Place &at(int place) const { return m_places.at(std::size_t(place)); }
    void findNeighbours();
    void findWhereabouts();
    void tellApartAlike();
    void findStart();
    // The items placed on the place; the place's own name first.
    std::vector<int> placedItems(int place) const;

    const mapdata::QuizWindowDesign &m_design;
    std::vector<Place> m_places;
    int m_start = 0;
};

} // namespace quiz
