#pragma once

#include "mapdata/media/soundplayer.h"

#include <QLibrary>
#include <QString>

#include <memory>

namespace mapdata {

// The window's player as the program holds it: loads the media player's library on the first
// prepare() or setURL(), so Qt Multimedia costs nothing before the window is painted. When the
// library cannot be loaded, nothing plays and nothing is reported, as with no audio output.
class DeferredSoundPlayer : public PreparableSoundPlayer {
public:
    // libraryPath: the media player's library, without prefix or suffix (QLibrary adds them).
    explicit DeferredSoundPlayer(QString libraryPath);
    ~DeferredSoundPlayer() override;

    DeferredSoundPlayer(const DeferredSoundPlayer &) = delete;
    DeferredSoundPlayer &operator=(const DeferredSoundPlayer &) = delete;

    void setURL(const QString &url) override;
    QString URL() const override { return m_url; }
    void prepare(const QStringList &preloadURLs) override;

    // Whether the library has been asked for yet, and the player it gave (null if it failed).
    bool hasTriedLoading() const { return m_triedLoading; }
    PreparableSoundPlayer *loadedPlayer() const { return m_player.get(); }
    // Why the library could not be loaded, empty if it was (or was not tried).
    QString loadError() const { return m_loadError; }

private:
    PreparableSoundPlayer *player();

    QLibrary m_library;
    bool m_triedLoading = false;
    QString m_loadError;
    std::unique_ptr<PreparableSoundPlayer> m_player;
    QString m_url;
};

} // namespace mapdata
