#pragma once

#include <QList>
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
    bool isPrepared() const { return m_prepared; }
    // Whether every sound effect has finished loading (or failed to).
    bool isReady() const;

    // Where url points, as the player resolves it: a local path or a URL with a scheme.
    static QUrl resolve(const QString &url);
    // Whether there is an audio output to play to; without one every sound is skipped.
    static bool hasAudioDevice();
    // Volume as the audio output takes it (linear), from the stored slider position.
    static float linearVolume();

    // The source now playing or last started, empty if none (e.g. after a missing file).
    QUrl activeSource() const { return m_active; }
    // Sources playing now, for checking that one replaces another.
    QList<QUrl> playingSources() const;
    // The sound effect held for source, null if none; for checking how it loaded.
    const QSoundEffect *effectFor(const QUrl &source) const;
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
    QUrl m_active;
    bool m_prepared = false;
    bool m_released = false;
    quint64 m_useCounter = 0;
    std::vector<Effect> m_effects;
    QMediaDevices *m_devices = nullptr;
    BackendPlayer *m_backend = nullptr;
};

} // namespace mapdata
