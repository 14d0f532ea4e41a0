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

// Each part of a place's words is a whole sentence of its own, so that every language can
// word it as it needs; only names and numbers are put into them.
struct CompassWording {
    Compass compass;
    const char *sentence;
};

const CompassWording kCompassWordings[] = {
    //: Where a place lies on the continent, said first of it.
    {Compass::NorthWest, QT_TRANSLATE_NOOP("SpokenText", "North-west.")},
    {Compass::North, QT_TRANSLATE_NOOP("SpokenText", "North.")},
    {Compass::NorthEast, QT_TRANSLATE_NOOP("SpokenText", "North-east.")},
    {Compass::West, QT_TRANSLATE_NOOP("SpokenText", "West.")},
    //: The middle part of the continent.
    {Compass::Centre, QT_TRANSLATE_NOOP("SpokenText", "Centre.")},
    {Compass::East, QT_TRANSLATE_NOOP("SpokenText", "East.")},
    {Compass::SouthWest, QT_TRANSLATE_NOOP("SpokenText", "South-west.")},
    {Compass::South, QT_TRANSLATE_NOOP("SpokenText", "South.")},
    {Compass::SouthEast, QT_TRANSLATE_NOOP("SpokenText", "South-east.")},
};

struct KindWording {
    Size size;
    Shore shore;
    const char *sentence;
};

const KindWording kKindWordings[] = {
    //: A place's size among the places on the map ("large": one of the largest), and whether
    //: it is land by the sea, land away from the sea, or sea.
    {Size::Large, Shore::Coast, QT_TRANSLATE_NOOP("SpokenText", "Large country by the sea.")},
    {Size::Middle, Shore::Coast,
     QT_TRANSLATE_NOOP("SpokenText", "Middle-sized country by the sea.")},
    {Size::Small, Shore::Coast, QT_TRANSLATE_NOOP("SpokenText", "Small country by the sea.")},
    {Size::Large, Shore::Inland, QT_TRANSLATE_NOOP("SpokenText", "Large inland country.")},
    {Size::Middle, Shore::Inland, QT_TRANSLATE_NOOP("SpokenText", "Middle-sized inland country.")},
    {Size::Small, Shore::Inland, QT_TRANSLATE_NOOP("SpokenText", "Small inland country.")},
    {Size::Large, Shore::Sea, QT_TRANSLATE_NOOP("SpokenText", "Large area of sea.")},
    {Size::Middle, Shore::Sea, QT_TRANSLATE_NOOP("SpokenText", "Middle-sized area of sea.")},
    {Size::Small, Shore::Sea, QT_TRANSLATE_NOOP("SpokenText", "Small area of sea.")},
};

//: The star that marks a capital city is drawn on this place.
const char *const kOneStarText = QT_TRANSLATE_NOOP("SpokenText", "A capital's star.");
//: Two or more stars that mark capital cities are drawn on this place.
const char *const kStarsPattern = QT_TRANSLATE_N_NOOP("SpokenText", "%n capitals' stars.");

struct AlikeWording {
    Axis axis;
    const char *first; // %n: how many places sound alike
    const char *last;
    const char *between; // %1: this one's number along the line
};

const AlikeWording kAlikeWordings[] = {
    {Axis::WestToEast,
     //: Several places would be told with the same words: this one lies furthest west of
     //: them. %n: how many they are.
     QT_TRANSLATE_N_NOOP("SpokenText", "The westernmost of %n like it."),
     QT_TRANSLATE_N_NOOP("SpokenText", "The easternmost of %n like it."),
     //: %1: this place's number among them, counted from the west; %n: how many they are.
     QT_TRANSLATE_N_NOOP("SpokenText", "Number %1 of %n like it, from the west.")},
    {Axis::NorthToSouth, QT_TRANSLATE_N_NOOP("SpokenText", "The northernmost of %n like it."),
     QT_TRANSLATE_N_NOOP("SpokenText", "The southernmost of %n like it."),
     //: %1: this place's number among them, counted from the north; %n: how many they are.
     QT_TRANSLATE_N_NOOP("SpokenText", "Number %1 of %n like it, from the north.")},
};

//: The names already placed on this place, as the map shows them in bold. %1: the names, as
//: a list ("Peru and Lima").
const char *const kOnItPattern = QT_TRANSLATE_NOOP("SpokenText", "Labelled %1.");
//: The names already placed on the places around this one. %1: the names, as a list
//: ("Brazil and Peru").
const char *const kNextToPattern = QT_TRANSLATE_NOOP("SpokenText", "Next to %1.");
//: Every place around this one has its name placed.
const char *const kNoneUnnamedText = QT_TRANSLATE_NOOP("SpokenText", "Every neighbour named.");
//: One place around this one is still without its name.
const char *const kOneUnnamedText = QT_TRANSLATE_NOOP("SpokenText", "One neighbour unnamed.");
//: Two or more places around this one are still without their names.
const char *const kUnnamedPattern = QT_TRANSLATE_N_NOOP("SpokenText", "%n neighbours unnamed.");
//: Joins the last two names of a list: "Brazil and Peru".
const char *const kListLastPattern = QT_TRANSLATE_NOOP("SpokenText", "%1 and %2");
//: Joins the names of a list before its last two: "Bolivia, Brazil and Peru".
const char *const kListPattern = QT_TRANSLATE_NOOP("SpokenText", "%1, %2");

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

namespace {

QString counted(const char *pattern, int n) {
    return QCoreApplication::translate(kContext, pattern, nullptr, n);
}

QString listed(const QStringList &names) {
    if (names.isEmpty())
        return QString();
    QString list = names.back();
    if (names.size() >= 2)
        list = spoken(kListLastPattern).arg(names.at(names.size() - 2), list);
    for (qsizetype i = names.size() - 3; i >= 0; --i)
        list = spoken(kListPattern).arg(names.at(i), list);
    return list;
}

QString alikeText(const Whereabouts &where) {
    for (const AlikeWording &wording : kAlikeWordings) {
        if (wording.axis != where.axis)
            continue;
        if (where.order == 0)
            return counted(wording.first, where.alike);
        if (where.order == where.alike - 1)
            return counted(wording.last, where.alike);
        return counted(wording.between, where.alike).arg(where.order + 1);
    }
    return QString();
}

} // namespace

QString placeText(const Whereabouts &where, const PlacedAround &placed) {
    QStringList sentences;
    if (!placed.onIt.isEmpty())
        sentences << spoken(kOnItPattern).arg(listed(placed.onIt));
    for (const CompassWording &wording : kCompassWordings)
        if (wording.compass == where.compass)
            sentences << spoken(wording.sentence);
    for (const KindWording &wording : kKindWordings)
        if (wording.size == where.size && wording.shore == where.shore)
            sentences << spoken(wording.sentence);
    if (where.capitalStars == 1)
        sentences << spoken(kOneStarText);
    else if (where.capitalStars > 1)
        sentences << counted(kStarsPattern, where.capitalStars);
    if (where.alike > 1)
        sentences << alikeText(where);
    if (!placed.nextTo.isEmpty())
        sentences << spoken(kNextToPattern).arg(listed(placed.nextTo));
    if (placed.anyPlaced) {
        sentences << (placed.unnamedNeighbours == 0 ? spoken(kNoneUnnamedText)
                      : placed.unnamedNeighbours == 1
                          ? spoken(kOneUnnamedText)
                          : counted(kUnnamedPattern, placed.unnamedNeighbours));
    }
    return sentences.join(QLatin1Char(' '));
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
