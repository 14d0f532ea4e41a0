#pragma once

#include <QString>

namespace quiz {

// Removes leading and trailing space characters only (not tabs or other blanks).
QString trimSpaces(const QString &text);

// A name is accepted when its key, trimmed, equals the zone tag, trimmed, or occurs
// anywhere in the zone tag as it stands. Case-sensitive, no word boundaries. A name corrected
// in the zone tags is also accepted as formerly spelled.
bool isDropAccepted(const QString &zoneTag, const QString &labelTag);

} // namespace quiz
