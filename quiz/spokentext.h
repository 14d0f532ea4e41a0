#pragma once

#include <QString>

namespace quiz {

// What assistive technology is told: every spoken text of the window comes from here.
enum class DropResult { Placed, NotHere };

// "Lima placed", "Lima: not here".
QString resultText(DropResult result, const QString &name);
// "a place on the map, 5 of 61": where the marker stands, never what belongs there.
QString markerText(int zone, int zoneCount);

// One of the texts below in the window's language.
QString spoken(const char *text);

extern const char *const kSpokenTextContext;
extern const char *const kMapName;
extern const char *const kMapDescription;
extern const char *const kPickUpAction;
extern const char *const kResultStatusDescription;

} // namespace quiz
