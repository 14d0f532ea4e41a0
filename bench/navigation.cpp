// How a pupil who cannot see the map finds the places by keyboard: every stop of the marker
// with its words (with no name placed), how many stops and how many different descriptions
// there are in each language, and the fewest arrow presses from the pick-up to the right place
// for each of the 28 names, with their mean and largest. A count, not a timing.
//
//   build/bench/tessaline_navigation
#include "fakes/fakeservices.h"
#include "fakes/windowlanguage.h"
#include "quiz/judging.h"
#include "quiz/zoneplaces.h"

#include <QApplication>
#include <QSet>

#include <cstdio>
#include <deque>
#include <map>

namespace {

constexpr quiz::Direction kDirections[] = {quiz::Direction::Left, quiz::Direction::Right,
                                           quiz::Direction::Up, quiz::Direction::Down};
constexpr const char *kLanguages[] = {"en", "es", "pt_BR"};

// The fewest arrow presses from one place to every other.
std::map<int, int> pressesFrom(const quiz::ZonePlaces &places, int from) {
    std::map<int, int> presses{{from, 0}};
    std::deque<int> queue{from};
    while (!queue.empty()) {
        const int place = queue.front();
        queue.pop_front();
        for (quiz::Direction d : kDirections) {
            const int next = places.next(place, d);
            if (presses.emplace(next, presses[place] + 1).second)
                queue.push_back(next);
        }
    }
    return presses;
}

void print(const QString &text) {
    std::printf("%s\n", text.toUtf8().constData());
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    fakes::OnRealFiles services;
    fakes::WiredWindow window(services.services(QStringLiteral(TESSALINE_ASSETS_DIR)));
    window.load();
    const mapdata::QuizWindowDesign &design = window.design();
    const quiz::ZonePlaces places(design);

    std::printf("stops: %d (from %d zones); the marker starts on %d\n", places.count(),
                design.piccoor.count(), places.startPlace());
    for (const char *language : kLanguages) {
        fakes::WindowLanguage shown(language);
        QSet<QString> distinct;
        for (int p = 0; p < places.count(); ++p) {
            const QString words = quiz::placeText(places.whereabouts(p), places.placedAround(p));
            distinct.insert(words);
            print(QStringLiteral("  %1 %2 [%3]: %4")
                      .arg(QLatin1String(language))
                      .arg(p)
                      .arg(places.tag(p).section(QLatin1Char(','), 0, 0), words));
        }
        std::printf("distinct descriptions (%s): %lld of %d\n", language,
                    static_cast<long long>(distinct.size()), places.count());
    }

    const std::map<int, int> presses = pressesFrom(places, places.startPlace());
    int total = 0;
    int largest = 0;
    int names = 0;
    for (int item = 0; item < design.labels.count(); ++item) {
        int fewest = -1;
        for (const auto &[place, count] : presses)
            if (quiz::isDropAccepted(places.tag(place), design.labels(item).tag()) &&
                (fewest < 0 || count < fewest))
                fewest = count;
        print(QStringLiteral("  %1: %2").arg(design.labels(item).tag()).arg(fewest));
        if (fewest < 0) {
            std::printf("unreachable\n");
            return 1;
        }
        total += fewest;
        largest = std::max(largest, fewest);
        ++names;
    }
    std::printf("arrow presses from the pick-up to the right place, over %d names: mean %.2f, "
                "largest %d\n",
                names, double(total) / names, largest);
    return 0;
}
