#pragma once

#include <QString>
#include <QStringList>

namespace quiz {

// What assistive technology is told: every spoken text of the window comes from here, each
// through Qt's translation (context "SpokenText").
enum class DropResult { Placed, NotHere };

// "Lima placed", "Lima: not here".
QString resultText(DropResult result, const QString &name);

// What the map shows of a place, in words a pupil can find it by, never what belongs there.
enum class Compass { NorthWest, North, NorthEast, West, Centre, East, SouthWest, South, SouthEast };
enum class Shore { Inland, Coast, Sea };
// Its area among all the places': one of the largest, middle-sized, small.
enum class Size { Large, Middle, Small };
// The line along which places that would sound alike are counted off.
enum class Axis { WestToEast, NorthToSouth };
struct Whereabouts {
    Compass compass = Compass::Centre;
    Shore shore = Shore::Inland;
    Size size = Size::Middle;
    int capitalStars = 0; // capitals' stars drawn there
    // Where other places would be told with the same words: how many are alike (this one
    // counted), and this one's order among them along the axis, from 0.
    int alike = 1;
    int order = 0;
    Axis axis = Axis::WestToEast;
};
// The names a sighted pupil sees placed on a place and next to it, as shown.
struct PlacedAround {
    QStringList onIt;
    QStringList nextTo;
    int unnamedNeighbours = 0;
    bool anyPlaced = false; // any name on the map at all: only then are neighbours counted
};
// "North-west. Small country by the sea. A capital's star.", then once names are placed
// "Next to Brazil and Peru. 2 neighbours unnamed.": whole sentences, the most telling first,
// always in the same order.
QString placeText(const Whereabouts &where, const PlacedAround &placed = {});

// Told once a name is picked up by the keyboard, after the place the marker starts on.
QString pickUpNote(const QString &name);

// Told when Restart is pressed.
QString restartText();

QString mapName();
QString mapDescription();

// The pick-up action's name, as assistive technology runs it: an identifier, not spoken.
extern const char *const kPickUpAction;

} // namespace quiz
