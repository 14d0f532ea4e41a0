#include "quiz/zoneplaces.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace quiz {

namespace {

// Sideways distance counts this many times the distance straight ahead, so that a step
// goes to the zone most nearly in the direction of the key.
constexpr int kSidewaysWeight = 3;

// The land ends near a zone when, along one of its sides, most points this far out and twice
// as far lie on no land zone. Twice: a narrow gap between two zones of the land is no coast.
constexpr int kCoastReachTwips = 300;
constexpr int kCoastProbeStepTwips = 60;
constexpr double kCoastOpenShare = 0.5;
// The land's extent is cut in three, across and down, for the compass words.
constexpr int kCompassParts = 3;

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

Compass compassAt(QPoint p, const QRect &extent) {
    const auto part = [](int at, int from, int length) {
        if (length <= 0)
            return 1;
        return std::clamp(int(qint64(at - from) * kCompassParts / length), 0, kCompassParts - 1);
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

qint64 distanceSquared(QPoint p, const QRegion &region) {
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect &r : region) {
        const qint64 dx =
            p.x() < r.left() ? r.left() - p.x() : (p.x() > r.right() ? p.x() - r.right() : 0);
        const qint64 dy =
            p.y() < r.top() ? r.top() - p.y() : (p.y() > r.bottom() ? p.y() - r.bottom() : 0);
        best = std::min(best, dx * dx + dy * dy);
    }
    return best;
}

} // namespace

ZonePlaces::ZonePlaces(const mapdata::QuizWindowDesign &design) {
    for (int z = 0; z < design.piccoor.count(); ++z) {
        QRegion front = design.form.frontRegion(design.piccoor(z));
        const QPoint point = innerPoint(front);
        m_places.push_back({std::move(front), point, {}});
    }
    const mapdata::TwipsRect map = design.Image1->rect();
    const QRect visibleMap =
        map.inTwips().intersected(QRect(QPoint(0, 0), design.form.clientSizeTwips()));
    const QPoint middle = visibleMap.center();
    qint64 nearest = std::numeric_limits<qint64>::max();
    for (int z = 0; z < count(); ++z) {
        if (frontPart(z).isEmpty())
            continue;
        // Inside several parts? They do not overlap: the distance is zero for one only.
        const qint64 d = distanceSquared(middle, frontPart(z));
        if (d < nearest) {
            nearest = d;
            m_start = z;
        }
    }
    findWhereabouts(design);
}

void ZonePlaces::findWhereabouts(const mapdata::QuizWindowDesign &design) {
    QRegion land;
    std::vector<bool> sea;
    for (int z = 0; z < count(); ++z) {
        sea.push_back(isSeaTag(design.piccoor(z).tag()));
        if (!sea.back())
            land += design.piccoor(z).rect().inTwips();
    }
    const QRect extent = land.boundingRect();
    for (int z = 0; z < count(); ++z) {
        Whereabouts &where = m_places[std::size_t(z)].where;
        where.compass = compassAt(placePoint(z), extent);
        where.shore = sea[std::size_t(z)]                                      ? Shore::Sea
                      : nearOpenSide(design.piccoor(z).rect().inTwips(), land) ? Shore::Coast
                                                                               : Shore::Inland;
        for (int c = 0; c < design.imgCapital.count(); ++c)
            if (frontPart(z).contains(design.imgCapital(c).rect().inTwips().center()))
                where.capitalStar = true;
    }
}

int ZonePlaces::next(int zone, Direction direction) const {
    const QPoint from = placePoint(zone);
    int best = zone;
    qint64 bestScore = std::numeric_limits<qint64>::max();
    for (int z = 0; z < count(); ++z) {
        if (z == zone || frontPart(z).isEmpty())
            continue;
        const QPoint d = placePoint(z) - from;
        qint64 ahead = 0;
        qint64 sideways = 0;
        switch (direction) {
        case Direction::Left:
            ahead = -d.x();
            sideways = d.y();
            break;
        case Direction::Right:
            ahead = d.x();
            sideways = d.y();
            break;
        case Direction::Up:
            ahead = -d.y();
            sideways = d.x();
            break;
        case Direction::Down:
            ahead = d.y();
            sideways = d.x();
            break;
        }
        if (ahead <= 0)
            continue;
        const qint64 score = ahead + kSidewaysWeight * std::llabs(sideways);
        if (score < bestScore) {
            bestScore = score;
            best = z;
        }
    }
    return best;
}

} // namespace quiz
