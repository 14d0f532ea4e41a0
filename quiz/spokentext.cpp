#include "quiz/spokentext.h"

#include <QCoreApplication>

namespace quiz {

const char *const kPickUpAction = "Pick up";

namespace {

constexpr char kContext[] = "SpokenText";

QString spoken(const char *text) {
    return QCoreApplication::translate(kContext, text);
}

struct ResultWording {
    DropResult result;
    const char *pattern; // %1: the name
};

const ResultWording kResultWordings[] = {
    {DropResult::Placed, QT_TRANSLATE_NOOP("SpokenText", "%1 placed")},
    {DropResult::NotHere, QT_TRANSLATE_NOOP("SpokenText", "%1: not here")},
};

struct CompassWording {
    Compass compass;
    const char *words;
};

const CompassWording kCompassWordings[] = {
    {Compass::NorthWest, QT_TRANSLATE_NOOP("SpokenText", "north-west")},
    {Compass::North, QT_TRANSLATE_NOOP("SpokenText", "north")},
    {Compass::NorthEast, QT_TRANSLATE_NOOP("SpokenText", "north-east")},
    {Compass::West, QT_TRANSLATE_NOOP("SpokenText", "west")},
    {Compass::Centre, QT_TRANSLATE_NOOP("SpokenText", "centre")},
    {Compass::East, QT_TRANSLATE_NOOP("SpokenText", "east")},
    {Compass::SouthWest, QT_TRANSLATE_NOOP("SpokenText", "south-west")},
    {Compass::South, QT_TRANSLATE_NOOP("SpokenText", "south")},
    {Compass::SouthEast, QT_TRANSLATE_NOOP("SpokenText", "south-east")},
};

struct ShoreWording {
    Shore shore;
    const char *pattern; // %1: the compass words
};

const ShoreWording kShoreWordings[] = {
    {Shore::Inland, QT_TRANSLATE_NOOP("SpokenText", "%1, inland")},
    {Shore::Coast, QT_TRANSLATE_NOOP("SpokenText", "%1, near the coast")},
    {Shore::Sea, QT_TRANSLATE_NOOP("SpokenText", "%1, at sea")},
};

// %1: the place's words so far.
const char *const kCapitalStarPattern =
    QT_TRANSLATE_NOOP("SpokenText", "%1, with a capital's star");
// %1: the name held.
const char *const kPickUpPattern = QT_TRANSLATE_NOOP(
    "SpokenText",
    "%1 held: the arrow keys move it over the map, Enter places it, Escape puts it back");
const char *const kRestartText =
    QT_TRANSLATE_NOOP("SpokenText", "New game: every name is back on the panel");
const char *const kMapNameText = QT_TRANSLATE_NOOP("SpokenText", "Map");
const char *const kMapDescriptionText = QT_TRANSLATE_NOOP("SpokenText", "Map of South America");

} // namespace

QString resultText(DropResult result, const QString &name) {
    for (const ResultWording &wording : kResultWordings)
        if (wording.result == result)
            return spoken(wording.pattern).arg(name);
    return name;
}

QString placeText(const Whereabouts &where) {
    QString compass;
    for (const CompassWording &wording : kCompassWordings)
        if (wording.compass == where.compass)
            compass = spoken(wording.words);
    QString text = compass;
    for (const ShoreWording &wording : kShoreWordings)
        if (wording.shore == where.shore)
            text = spoken(wording.pattern).arg(compass);
    if (where.capitalStar)
        text = spoken(kCapitalStarPattern).arg(text);
    return text;
}

QString pickUpNote(const QString &name) {
    return spoken(kPickUpPattern).arg(name);
}

QString restartText() {
    return spoken(kRestartText);
}

QString mapName() {
    return spoken(kMapNameText);
}

QString mapDescription() {
    return spoken(kMapDescriptionText);
}

} // namespace quiz
