#pragma once

#include <QString>

namespace quiz {

// What assistive technology is told: every spoken text of the window comes from here, each
// through Qt's translation (context "SpokenText").
enum class DropResult { Placed, NotHere };

// "Lima placed", "Lima: not here".
QString resultText(DropResult result, const QString &name);

// Where a place lies on the map, in words a pupil can find it by, never what belongs there.
enum class Compass { NorthWest, North, NorthEast, West, Centre, East, SouthWest, South, SouthEast };
enum class Shore { Inland, Coast, Sea };
struct Whereabouts {
    Compass compass = Compass::Centre;
    Shore shore = Shore::Inland;
    bool capitalStar = false; // a capital's star is drawn there
};
// "north-west, near the coast", "south, at sea", "centre, inland, with a capital's star".
QString placeText(const Whereabouts &where);

// Told once a name is picked up by the keyboard, after the place the marker starts on.
QString pickUpNote(const QString &name);

// Told when Restart is pressed.
QString restartText();

QString mapName();
QString mapDescription();

// The pick-up action's name, as assistive technology runs it: an identifier, not spoken.
extern const char *const kPickUpAction;

} // namespace quiz
