#include "mapdata/media/mediaplugin.h"
#include "mapdata/media/mediaplayer.h"

#include <QtGlobal>

// Resolved by DeferredSoundPlayer under the name kCreateMediaPlayerSymbol.
extern "C" Q_DECL_EXPORT mapdata::PreparableSoundPlayer *tessaline_createMediaPlayer() {
    return new mapdata::MediaPlayer;
}
