#include "quiz/spokentext.h"

#include <QCoreApplication>

#include <iterator>

namespace quiz {

const char *const kSpokenTextContext = "SpokenText";
const char *const kMapName = QT_TRANSLATE_NOOP("SpokenText", "Map");
const char *const kMapDescription = QT_TRANSLATE_NOOP("SpokenText", "Map of South America");
const char *const kPickUpAction = QT_TRANSLATE_NOOP("SpokenText", "Pick up");
const char *const kResultStatusDescription = QT_TRANSLATE_NOOP("SpokenText", "Result");

namespace {

struct ResultWording {
    DropResult result;
    const char *pattern; // %1: the name
};

const ResultWording kResultWordings[] = {
    {DropResult::Placed, QT_TRANSLATE_NOOP("SpokenText", "%1 placed")},
    {DropResult::NotHere, QT_TRANSLATE_NOOP("SpokenText", "%1: not here")},
};

} // namespace

QString spoken(const char *text) {
    return QCoreApplication::translate(kSpokenTextContext, text);
}

QString resultText(DropResult result, const QString &name) {
    for (const ResultWording &wording : kResultWordings)
        if (wording.result == result)
            return spoken(wording.pattern).arg(name);
    return name;
}

QString markerText(int zone, int zoneCount) {
    return QCoreApplication::translate("SpokenText", "a place on the map, %1 of %2")
        .arg(zone + 1)
        .arg(zoneCount);
}

} // namespace quiz
