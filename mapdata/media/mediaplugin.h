#pragma once

#include "mapdata/media/soundplayer.h"

#include <QtGlobal>

namespace mapdata {

// The media player is built into a library of its own beside the executable, so that Qt
// Multimedia and its libraries load only once the window is up, not with the program.
inline constexpr char kMediaPluginName[] = "tessaline-media";
#ifdef Q_OS_WIN
inline constexpr char kMediaPluginSuffix[] = ".dll";
#else
inline constexpr char kMediaPluginSuffix[] = ".so";
#endif
inline constexpr char kCreateMediaPlayerSymbol[] = "tessaline_createMediaPlayer";
// Returns a new player the caller owns.
using CreateMediaPlayerFunction = PreparableSoundPlayer *(*)();

} // namespace mapdata
