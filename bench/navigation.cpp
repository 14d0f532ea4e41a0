// How a pupil who cannot see the map finds the places by keyboard: every stop of the marker
// with its words (with no name placed), how many stops and how many different descriptions
// there are in each language, and the fewest arrow presses from the pick-up to the right place
// for each of the 28 names, with their mean and largest. A count, not a timing.
//
//   build/bench/tessaline_navigation
#include "fakes/fakeservices.h"
#include "fakes/windowlanguage.h"
#include "quiz/judging.h"
#include "quiz/markerwalk.h"
#include "quiz/zoneplaces.h"

#include <QApplication>
#include <QSet>

#include <cstdio>

namespace {

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

    print(QStringLiteral("stops: %1 (from %2 zones); the marker starts on %3 [%4]")
              .arg(places.count())
              .arg(design.piccoor.count())
              .arg(places.startPlace())
              .arg(places.tag(places.startPlace()).section(QLatin1Char(','), 0, 0)));
    for (const QString &language : fakes::windowLanguages()) {
        fakes::WindowLanguage shown(language.toLatin1().constData());
        QSet<QString> distinct;
        for (int p = 0; p < places.count(); ++p) {
            const QString words = quiz::placeText(places.whereabouts(p), places.placedAround(p));
            distinct.insert(words);
            print(QStringLiteral("  %1 %2 [%3]: %4")
                      .arg(language)
                      .arg(p)
                      .arg(places.tag(p).section(QLatin1Char(','), 0, 0), words));
        }
        std::printf("distinct descriptions (%s): %lld of %d\n", qPrintable(language),
                    static_cast<long long>(distinct.size()), places.count());
    }

    int total = 0;
    int largest = 0;
    int names = 0;
    for (int item = 0; item < design.labels.count(); ++item) {
        const QString key = design.labels(item).tag();
        const auto walk = markerwalk::walk(places, places.startPlace(), [&](int p) {
            return quiz::isDropAccepted(places.tag(p), key);
        });
        const int fewest = walk ? int(walk->size()) : -1;
        print(QStringLiteral("  %1: %2").arg(key).arg(fewest));
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
