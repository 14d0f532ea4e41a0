#include "mapdata/media/deferredsoundplayer.h"

#include "mapdata/media/mediaplugin.h"

#include <utility>

namespace mapdata {

DeferredSoundPlayer::DeferredSoundPlayer(QString libraryPath) : m_library(std::move(libraryPath)) {}

// The library stays loaded (QLibrary does not unload on destruction), so the player's code is
// still there when it is destroyed.
DeferredSoundPlayer::~DeferredSoundPlayer() = default;

PreparableSoundPlayer *DeferredSoundPlayer::player() {
    if (m_triedLoading)
        return m_player.get();
    m_triedLoading = true;
    const auto create =
        reinterpret_cast<CreateMediaPlayerFunction>(m_library.resolve(kCreateMediaPlayerSymbol));
    if (create == nullptr) {
        m_loadError = m_library.errorString();
        return nullptr;
    }
    m_player.reset(create());
    return m_player.get();
}

void DeferredSoundPlayer::setURL(const QString &url) {
    m_url = url;
    if (PreparableSoundPlayer *loaded = player())
        loaded->setURL(url);
}

void DeferredSoundPlayer::prepare(const QStringList &preloadURLs) {
    if (PreparableSoundPlayer *loaded = player())
        loaded->prepare(preloadURLs);
}

} // namespace mapdata
