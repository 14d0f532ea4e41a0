#pragma once

#include "mapdata/media/soundplayer.h"

#include <QLibrary>
#include <QString>

#include <memory>

namespace mapdata {

// The window's player as the program holds it: loads the media player's library on the first
// prepare() or setURL(), so Qt Multimedia and its libraries (some 25 ms of start-up when linked)
// cost nothing before the window is painted. The file is checked before it is loaded; when it
// is missing or damaged, nothing plays and nothing is reported, as with no audio output.
class DeferredSoundPlayer : public PreparableSoundPlayer {
public:
    // libraryFile: the media player's library, its full file name.
    explicit DeferredSoundPlayer(QString libraryFile);
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

    QString m_libraryFile;
    QLibrary m_library;
    bool m_triedLoading = false;
    QString m_loadError;
    std::unique_ptr<PreparableSoundPlayer> m_player;
    QString m_url;
};

} // namespace mapdata
