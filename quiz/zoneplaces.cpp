#include "quiz/zoneplaces.h"

#include "quiz/judging.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>

namespace quiz {

namespace {

// The land ends near a zone when, along one of its sides, most points this far out and twice
// as far lie on no land zone. Twice: a narrow gap between two zones of the land is no coast.
constexpr int kCoastReachTwips = 300;
constexpr int kCoastProbeStepTwips = 60;
constexpr double kCoastOpenShare = 0.5;
// The land's extent is cut in three, across and down, for the compass words.
constexpr int kCompassParts = 3;
// Zones drawn for two neighbouring places overlap, or leave a narrow gap between them along
// a stretch of their sides; a gap as narrow at a corner, or along a short stretch, is no border.
constexpr int kNeighbourGapTwips = 200;
constexpr int kNeighbourStretchTwips = 300;
// The sizes are the places' areas in three equal shares: largest, middle-sized, small.
constexpr int kSizeShares = 3;

// A zone whose first name is one of the pool's seas and oceans.
bool isSeaTag(const QString &tag) {
    const QString first = tag.section(QLatin1Char(','), 0, 0);
    for (const mapdata::ItemRecord &item : mapdata::kItemTable)
        if (item.heading == mapdata::PoolHeading::SeasAndOceans &&
            first == QLatin1String(item.name))
            return true;
    return false;
}

bool nearOpenSide(const QRect &zone, const QRegion &land) {
    const auto openShare = [&](QPoint from, QPoint along, int length, QPoint out) {
        const int steps = std::max(2, length / kCoastProbeStepTwips);
        int open = 0;
        for (int k = 0; k <= steps; ++k) {
            const QPoint p = from + along * (double(k) * length / steps);
            if (!land.contains(p + out * kCoastReachTwips) &&
                !land.contains(p + out * (2 * kCoastReachTwips)))
                ++open;
        }
        return double(open) / (steps + 1);
    };
    const int w = zone.width();
    const int h = zone.height();
    const double shares[] = {
        openShare(zone.topLeft(), {1, 0}, w, {0, -1}),
        openShare(zone.bottomLeft(), {1, 0}, w, {0, 1}),
        openShare(zone.topLeft(), {0, 1}, h, {-1, 0}),
        openShare(zone.topRight(), {0, 1}, h, {1, 0}),
    };
    for (double share : shares)
        if (share >= kCoastOpenShare)
            return true;
    return false;
}

Compass compassAt(QPointF p, const QRect &extent) {
    const auto part = [](double at, int from, int length) {
        if (length <= 0)
            return 1;
        return std::clamp(int((at - from) * kCompassParts / length), 0, kCompassParts - 1);
    };
    const int column = part(p.x(), extent.left(), extent.width());
    const int row = part(p.y(), extent.top(), extent.height());
    constexpr Compass kByRowAndColumn[kCompassParts][kCompassParts] = {
        {Compass::NorthWest, Compass::North, Compass::NorthEast},
        {Compass::West, Compass::Centre, Compass::East},
        {Compass::SouthWest, Compass::South, Compass::SouthEast},
    };
    return kByRowAndColumn[row][column];
}

// The middle of the region's largest rectangle: well inside the part, away from its edges.
QPoint innerPoint(const QRegion &region) {
    QRect best;
    for (const QRect &r : region)
        if (qint64(r.width()) * r.height() > qint64(best.width()) * best.height())
            best = r;
    return best.center();
}

qint64 areaOf(const QRegion &region) {
    qint64 area = 0;
    for (const QRect &r : region)
        area += qint64(r.width()) * r.height();
    return area;
}

QPointF centroid(const QRegion &region) {
    double x = 0;
    double y = 0;
    const double area = double(areaOf(region));
    if (area <= 0)
        return region.boundingRect().center();
    for (const QRect &r : region) {
        const double a = double(r.width()) * r.height();
        x += a * (r.x() + r.width() / 2.0);
        y += a * (r.y() + r.height() / 2.0);
    }
    return {x / area, y / area};
}

// Two zones overlap, or lie side by side across a narrow gap along a long enough stretch.
bool touches(const QRect &a, const QRect &b) {
    const int gapX = std::max(b.x() - (a.x() + a.width()), a.x() - (b.x() + b.width()));
    const int gapY = std::max(b.y() - (a.y() + a.height()), a.y() - (b.y() + b.height()));
    if (gapX > kNeighbourGapTwips || gapY > kNeighbourGapTwips || (gapX > 0 && gapY > 0))
        return false;
    if (gapX > 0)
        return -gapY >= kNeighbourStretchTwips;
    if (gapY > 0)
        return -gapX >= kNeighbourStretchTwips;
    return true;
}

QRect zoneRect(const mapdata::QuizWindowDesign &design, int zone) {
    return design.piccoor(zone).rect().inTwips();
}

// The item's match key: the name a drop is judged by.
QString itemKey(const mapdata::QuizWindowDesign &design, int item) {
    return design.labels(item).tag().trimmed();
}

} // namespace

ZonePlaces::ZonePlaces(const mapdata::QuizWindowDesign &design) : m_design(design) {
    for (int z = 0; z < design.piccoor.count(); ++z) {
        const QString tag = design.piccoor(z).tag();
        auto it = std::find_if(m_places.begin(), m_places.end(),
                               [&](const Place &p) { return p.tag == tag; });
        if (it == m_places.end())
            it = m_places.insert(m_places.end(), Place{tag, {}, {}, {}, {}, {}, {}});
        it->zones.push_back(z);
        it->front += design.form.frontRegion(design.piccoor(z));
    }
    for (Place &place : m_places) {
        place.point = innerPoint(place.front);
        place.centre = centroid(place.front);
    }
    findNeighbours();
    findWhereabouts();
    tellApartAlike();
    findStart();
}

void ZonePlaces::findNeighbours() {
    for (int a = 0; a < count(); ++a)
        for (int b = a + 1; b < count(); ++b) {
            bool touching = false;
            for (int za : zones(a))
                for (int zb : zones(b))
                    touching = touching || touches(zoneRect(m_design, za), zoneRect(m_design, zb));
            if (touching) {
                m_places[std::size_t(a)].neighbours.push_back(b);
                m_places[std::size_t(b)].neighbours.push_back(a);
            }
        }
    for (Place &place : m_places)
        std::sort(place.neighbours.begin(), place.neighbours.end());
}

void ZonePlaces::findWhereabouts() {
    const QRect client(QPoint(0, 0), m_design.form.clientSizeTwips());
    QRegion land;
    for (const Place &place : m_places)
        if (!isSeaTag(place.tag))
            for (int z : place.zones)
                land += zoneRect(m_design, z);
    const QRect extent = land.boundingRect();

    std::vector<std::pair<qint64, int>> byArea;
    for (int p = 0; p < count(); ++p) {
        Place &place = m_places[std::size_t(p)];
        Whereabouts &where = place.where;
        where.compass = compassAt(place.centre, extent);
        where.shore = isSeaTag(place.tag) ? Shore::Sea : Shore::Inland;
        QRegion drawn;
        for (int z : place.zones) {
            drawn += zoneRect(m_design, z);
            if (where.shore == Shore::Inland && nearOpenSide(zoneRect(m_design, z), land))
                where.shore = Shore::Coast;
        }
        byArea.emplace_back(-areaOf(drawn.intersected(client)), p);
        for (int c = 0; c < m_design.imgCapital.count(); ++c)
            if (place.front.contains(m_design.imgCapital(c).rect().inTwips().center()))
                ++where.capitalStars;
    }
    std::sort(byArea.begin(), byArea.end());
    for (int rank = 0; rank < int(byArea.size()); ++rank) {
        const int share = rank * kSizeShares / count();
        m_places[std::size_t(byArea[std::size_t(rank)].second)].where.size =
            share == 0   ? Size::Large
            : share == 1 ? Size::Middle
                         : Size::Small;
    }
}

// Places that the words so far would tell alike are counted off along the line on which they
// lie furthest apart: the westernmost, the easternmost, number 2 from the west.
void ZonePlaces::tellApartAlike() {
    std::map<std::tuple<Compass, Shore, Size, int>, std::vector<int>> groups;
    for (int p = 0; p < count(); ++p) {
        const Whereabouts &w = whereabouts(p);
        groups[{w.compass, w.shore, w.size, w.capitalStars}].push_back(p);
    }
    for (auto &[words, members] : groups) {
        if (members.size() < 2)
            continue;
        double minX = std::numeric_limits<double>::max();
        double maxX = std::numeric_limits<double>::lowest();
        double minY = minX;
        double maxY = maxX;
        for (int p : members) {
            const QPointF c = at(p).centre;
            minX = std::min(minX, c.x());
            maxX = std::max(maxX, c.x());
            minY = std::min(minY, c.y());
            maxY = std::max(maxY, c.y());
        }
        const Axis axis = maxX - minX >= maxY - minY ? Axis::WestToEast : Axis::NorthToSouth;
        std::sort(members.begin(), members.end(), [&](int a, int b) {
            const QPointF ca = at(a).centre;
            const QPointF cb = at(b).centre;
            return axis == Axis::WestToEast ? ca.x() < cb.x() : ca.y() < cb.y();
        });
        for (std::size_t i = 0; i < members.size(); ++i) {
            Whereabouts &w = m_places[std::size_t(members[i])].where;
            w.alike = int(members.size());
            w.order = int(i);
            w.axis = axis;
        }
    }
}

// The marker starts on the place under the land's middle (its centre of mass), from where
// every other place lies a few steps away.
void ZonePlaces::findStart() {
    QRegion land;
    for (const Place &place : m_places)
        if (place.where.shore != Shore::Sea)
            land += place.front;
    const QPointF middle = centroid(land);
    double nearest = std::numeric_limits<double>::max();
    for (int p = 0; p < count(); ++p) {
        if (frontPart(p).isEmpty())
            continue;
        const QPointF d = at(p).centre - middle;
        const double distance =
            frontPart(p).contains(middle.toPoint()) ? -1 : std::hypot(d.x(), d.y());
        if (distance < nearest) {
            nearest = distance;
            m_start = p;
        }
    }
}

// A step goes to the neighbour most nearly in the key's direction, at most half a right angle
// off it; else to a neighbour that lies that way at all; else, where no neighbour lies that way
// (across the sea), to the nearest place within half a right angle. Nearness counts the
// distance more the further off the direction a place lies.
int ZonePlaces::next(int place, Direction direction) const {
    const QPointF from = at(place).centre;
    const auto score = [&](int other, bool withinHalfRightAngle) {
        const QPointF d = at(other).centre - from;
        const bool across = direction == Direction::Left || direction == Direction::Right;
        const bool backwards = direction == Direction::Left || direction == Direction::Up;
        const double along = across ? d.x() : d.y();
        const double ahead = backwards ? -along : along;
        const double sideways = std::abs(across ? d.y() : d.x());
        if (ahead <= 0 || (withinHalfRightAngle && sideways > ahead) || frontPart(other).isEmpty())
            return std::numeric_limits<double>::max();
        return std::hypot(d.x(), d.y()) * (1 + sideways / ahead);
    };
    const auto best = [&](const std::vector<int> &candidates, bool withinHalfRightAngle) {
        int found = -1;
        double bestScore = std::numeric_limits<double>::max();
        for (int other : candidates) {
            const double s = other == place ? bestScore : score(other, withinHalfRightAngle);
            if (s < bestScore) {
                bestScore = s;
                found = other;
            }
        }
        return found;
    };
    std::vector<int> everyPlace;
    for (int p = 0; p < count(); ++p)
        everyPlace.push_back(p);
    const std::pair<const std::vector<int> *, bool> tiers[] = {
        {&neighbours(place), true}, {&neighbours(place), false}, {&everyPlace, true}};
    for (const auto &[candidates, withinHalfRightAngle] : tiers)
        if (const int found = best(*candidates, withinHalfRightAngle); found >= 0)
            return found;
    return place;
}

std::vector<int> ZonePlaces::placedItems(int place) const {
    std::vector<int> items;
    const QString &placeTag = tag(place);
    const QString own = placeTag.section(QLatin1Char(','), 0, 0);
    for (int i = 0; i < m_design.maplabel.count() && i < m_design.labels.count(); ++i) {
        const QString key = itemKey(m_design, i);
        if (key.isEmpty() || !m_design.maplabel(i).isVisible() ||
            !isDropAccepted(placeTag, m_design.labels(i).tag()))
            continue;
        if (key == own)
            items.insert(items.begin(), i);
        else
            items.push_back(i);
    }
    return items;
}

PlacedAround ZonePlaces::placedAround(int place) const {
    PlacedAround around;
    for (int item : placedItems(place))
        around.onIt << m_design.maplabel(item).caption();
    for (int neighbour : neighbours(place)) {
        const std::vector<int> items = placedItems(neighbour);
        const QString own = tag(neighbour).section(QLatin1Char(','), 0, 0);
        if (!items.empty() && itemKey(m_design, items.front()) == own)
            around.nextTo << m_design.maplabel(items.front()).caption();
        else
            ++around.unnamedNeighbours;
    }
    for (int i = 0; i < m_design.maplabel.count() && !around.anyPlaced; ++i)
        around.anyPlaced = m_design.maplabel(i).isVisible();
    return around;
}

} // namespace quiz
