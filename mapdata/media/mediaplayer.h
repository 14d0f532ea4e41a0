#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <vector>

#include "mapdata/media/soundplayer.h"

class QMediaDevices;
class QSoundEffect;

namespace mapdata {

class BackendPlayer;

// The hidden media-player control of the quiz window (wmp1).
//
// Each request looks at the file first. PCM in a RIFF/WAVE file plays through QSoundEffect, one
// per sound file: no decoder, no backend plugin. Another media format (WMA, MP3, Ogg, ...) plays
// through the full Qt Multimedia backend, which is loaded only when such a file is first asked
// for. Anything else (missing, unreadable, not a regular file, garbage, too large) plays nothing
// and reports nothing; so does any sound while the machine has no audio output.
// Constructing this builds nothing; prepare() loads the given sounds ahead of their first play.
class MediaPlayer : public QObject, public PreparableSoundPlayer {
    Q_OBJECT
    // For the tests and benchmarks, which hold the player through the plugin's interface.
    Q_PROPERTY(bool ready READ isReady)
    Q_PROPERTY(int loadedCount READ loadedCount)
    Q_PROPERTY(bool usesBackend READ usesBackend)

public:
    // The control's stored volume, a slider position out of kMaxVolume.
    static constexpr int kStoredVolume = 37;
    static constexpr int kMaxVolume = 100;
    // Sound effects kept loaded at once; the least recently used one goes beyond this.
    static constexpr int kMaxLoadedSounds = 8;

    explicit MediaPlayer(QObject *parent = nullptr);
    ~MediaPlayer() override;

    MediaPlayer(const MediaPlayer &) = delete;
    MediaPlayer &operator=(const MediaPlayer &) = delete;

    // Starts playing url at once, replacing whatever was playing; the same url again plays it
    // again from the start. An empty url just stops. Records url as given.
    void setURL(const QString &url) override;
    QString URL() const override { return m_url; }

    // Loads the PCM sounds among preloadURLs (in the background) so that their first play is
    // quick, and starts following the audio outputs. Returns at once; safe to call again.
    void prepare(const QStringList &preloadURLs = {}) override;
    // Whether every sound effect has finished loading (or failed to).
    bool isReady() const;

    // Volume as the audio output takes it (linear), from the stored slider position.
    static float linearVolume();

    int loadedCount() const { return static_cast<int>(m_effects.size()); }
    // Whether the full media backend has been asked for.
    bool usesBackend() const { return m_backend != nullptr; }

    // Stops and frees every player's audio. Run at exit() too (a lost X connection ends the
    // program that way), before Qt's audio globals go, so no audio thread outlives them.
    void releaseAudio();

private:
    struct Effect {
        QUrl source;
        QSoundEffect *effect = nullptr;
        quint64 lastUsed = 0;
    };

    void followAudioOutputs();
    void recreateEffects();
    Effect &effectEntry(const QUrl &source);
    QSoundEffect *makeEffect(const QUrl &source);
    void stopAllExcept(const QSoundEffect *keep);

    QString m_url;
    bool m_prepared = false;
    bool m_released = false;
    quint64 m_useCounter = 0;
    std::vector<Effect> m_effects;
    QMediaDevices *m_devices = nullptr;
    BackendPlayer *m_backend = nullptr;
};

// The plugin the program loads once its window is up, with Qt Multimedia behind it.
class MediaPlayerPlugin : public QObject, public SoundPlayerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TESSALINE_SOUND_PLAYER_PLUGIN_IID)
    Q_INTERFACES(mapdata::SoundPlayerPlugin)

public:
    PreparableSoundPlayer *createPlayer() override { return new MediaPlayer; }
};

} // namespace mapdata
