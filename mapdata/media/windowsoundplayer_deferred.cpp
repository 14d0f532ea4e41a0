#include "mapdata/media/deferredsoundplayer.h"
#include "mapdata/media/mediaplugin.h"
#include "mapdata/media/windowsoundplayer.h"

namespace mapdata {

std::unique_ptr<PreparableSoundPlayer> createWindowSoundPlayer(const QString &programFolder) {
    return std::make_unique<DeferredSoundPlayer>(programFolder + QLatin1Char('/') +
                                                 QLatin1String(kMediaPluginName) +
                                                 QLatin1String(kMediaPluginSuffix));
}

} // namespace mapdata
