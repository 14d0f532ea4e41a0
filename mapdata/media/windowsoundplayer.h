#pragma once

#include "mapdata/media/soundplayer.h"

#include <QString>

#include <memory>

namespace mapdata {

// The quiz window's player as this build provides it: linked into the program (a static Qt, or
// TESSALINE_MEDIA_BUILT_IN), or loaded from the library beside the executable on first use.
// Either way it builds nothing from Qt Multimedia until prepare() or setURL().
std::unique_ptr<PreparableSoundPlayer> createWindowSoundPlayer(const QString &programFolder);

} // namespace mapdata
