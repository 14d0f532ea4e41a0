#include "quiz/zoneplaces.h"

#include <cstdlib>
#include <limits>

namespace quiz {

namespace {

// Sideways distance counts this many times the distance straight ahead, so that a step
// goes to the zone most nearly in the direction of the key.
constexpr int kSidewaysWeight = 3;

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
        m_places.push_back({std::move(front), point});
    }
    const mapdata::TwipsRect map = design.Image1->rect();
    const QRect visibleMap = QRect(map.leftTwips, map.topTwips, map.widthTwips, map.heightTwips)
                                 .intersected(QRect(QPoint(0, 0), design.form.clientSizeTwips()));
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
