#include "mapdata/media/deferredsoundplayer.h"

#include "mapdata/media/libraryfile.h"
#include "mapdata/media/mediaplugin.h"

#include <utility>

namespace mapdata {

DeferredSoundPlayer::DeferredSoundPlayer(QString libraryFile)
    : m_libraryFile(std::move(libraryFile)) {}

// The library stays loaded (QLibrary does not unload on destruction), so the player's code is
// still there when it is destroyed.
DeferredSoundPlayer::~DeferredSoundPlayer() = default;

PreparableSoundPlayer *DeferredSoundPlayer::player() {
    if (m_triedLoading)
        return m_player.get();
    m_triedLoading = true;
    m_loadError = libraryFileProblem(m_libraryFile);
    if (!m_loadError.isEmpty())
        return nullptr;
    // Every symbol bound now: a missing one fails here, not as a fatal lazy lookup later.
    m_library.setFileName(m_libraryFile);
    m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const auto create =
        reinterpret_cast<CreateMediaPlayerFunction>(m_library.resolve(kCreateMediaPlayerSymbol));
    if (create == nullptr) {
        m_loadError = m_library.errorString();
        return nullptr;
    }
    if (!isInExecutableSegment(reinterpret_cast<const void *>(create))) {
        m_loadError = QStringLiteral("the player's factory is not code");
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
