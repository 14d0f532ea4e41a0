#include "quiz/spokentext.h"

#include <iterator>

namespace quiz {

const char *const kMapName = "Map";
const char *const kMapDescription = "Map of South America";
const char *const kPickUpAction = "Pick up";
const char *const kResultStatusDescription = "Result";

namespace {

struct ResultWording {
    DropResult result;
    const char *pattern; // %1: the name
};

const ResultWording kResultWordings[] = {
    {DropResult::Placed, "%1 placed"},
    {DropResult::NotHere, "%1: not here"},
};

} // namespace

QString resultText(DropResult result, const QString &name) {
    for (const ResultWording &wording : kResultWordings)
        if (wording.result == result)
            return QString::fromLatin1(wording.pattern).arg(name);
    return name;
}

QString markerText(int zone, int zoneCount) {
    return QStringLiteral("a place on the map, %1 of %2").arg(zone + 1).arg(zoneCount);
}

} // namespace quiz
