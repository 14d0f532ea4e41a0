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

// The shortest arrow-key walk of the marker from one place to the first place that satisfies
// a test; none when no walk gets there.
template <typename Goal>
std::optional<std::vector<quiz::Direction>> walk(const quiz::ZonePlaces &places, int from,
                                                 Goal goal) {
    std::map<int, std::pair<int, quiz::Direction>> cameFrom;
    std::deque<int> queue{from};
    cameFrom[from] = {-1, quiz::Direction::Left};
    while (!queue.empty()) {
        const int place = queue.front();
        queue.pop_front();
        if (goal(place)) {
            std::vector<quiz::Direction> steps;
            for (int p = place; cameFrom[p].first >= 0; p = cameFrom[p].first)
                steps.insert(steps.begin(), cameFrom[p].second);
            return steps;
        }
        for (quiz::Direction d : kDirections) {
            const int next = places.next(place, d);
            if (!cameFrom.count(next)) {
                cameFrom[next] = {place, d};
                queue.push_back(next);
            }
        }
    }
    return std::nullopt;
}

} // namespace markerwalk
