#include "mapdata/media/mediaplayer.h"
#include "mapdata/media/windowsoundplayer.h"

namespace mapdata {

std::unique_ptr<PreparableSoundPlayer> createWindowSoundPlayer(const QString &) {
    return std::make_unique<MediaPlayer>();
}

} // namespace mapdata
