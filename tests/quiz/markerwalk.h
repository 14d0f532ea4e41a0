#pragma once

#include "quiz/zoneplaces.h"

#include <Qt>

#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace markerwalk {

constexpr quiz::Direction kDirections[] = {quiz::Direction::Left, quiz::Direction::Right,
                                           quiz::Direction::Up, quiz::Direction::Down};

inline Qt::Key arrowFor(quiz::Direction d) {
    switch (d) {
    case quiz::Direction::Left: return Qt::Key_Left;
    case quiz::Direction::Right: return Qt::Key_Right;
    case quiz::Direction::Up: return Qt::Key_Up;
    case quiz::Direction::Down: return Qt::Key_Down;
    }
    return Qt::Key_unknown;
}

// The shortest arrow-key walk of the marker from one zone to the first zone that satisfies
// a test; none when no walk gets there.
template <typename Goal>
std::optional<std::vector<quiz::Direction>> walk(const quiz::ZonePlaces &places, int from,
                                                 Goal goal) {
    std::map<int, std::pair<int, quiz::Direction>> cameFrom;
    std::deque<int> queue{from};
    cameFrom[from] = {-1, quiz::Direction::Left};
    while (!queue.empty()) {
        const int zone = queue.front();
        queue.pop_front();
        if (goal(zone)) {
            std::vector<quiz::Direction> steps;
            for (int z = zone; cameFrom[z].first >= 0; z = cameFrom[z].first)
                steps.insert(steps.begin(), cameFrom[z].second);
            return steps;
        }
        for (quiz::Direction d : kDirections) {
            const int next = places.next(zone, d);
            if (!cameFrom.count(next)) {
                cameFrom[next] = {zone, d};
                queue.push_back(next);
            }
        }
    }
    return std::nullopt;
}

} // namespace markerwalk
