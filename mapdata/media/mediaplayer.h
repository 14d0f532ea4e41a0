#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <vector>

#include "mapdata/media/mediabackend.h"
#include "mapdata/media/soundplayer.h"

class QAudioOutput;
class QMediaPlayer;
class QThread;

namespace mapdata {

// The stored settings of the window's hidden media-player control. Only volume and mute affect
// what is heard; the rest are kept as the control holds them.
struct MediaPlayerSettings {
    static constexpr bool kDefaultAutoStart = true;
    static constexpr int kDefaultPlayCount = 1;
    static constexpr double kDefaultRate = 1.0;
    static constexpr int kDefaultBalance = 0;
    static constexpr int kDefaultVolume = 37; // of kMaxVolume
    static constexpr int kMaxVolume = 100;
    static constexpr bool kDefaultMute = false;
    static constexpr char kDefaultUiMode[] = "full";

    bool autoStart = kDefaultAutoStart;
    int playCount = kDefaultPlayCount;
    double rate = kDefaultRate;
    int balance = kDefaultBalance;
    int volume = kDefaultVolume;
    bool mute = kDefaultMute;
    QString uiMode = QString::fromLatin1(kDefaultUiMode);
};

// The hidden media-player control of the quiz window (wmp1), on Qt Multimedia.
//
// Each distinct sound gets its own QMediaPlayer, opened by prepare() ahead of the first play so
// that the decoder and audio path are warm when the first sound is asked for. Nothing from Qt
// Multimedia is built until prepare(), or the first setURL() if prepare() was never called, so
// constructing this costs nothing. prepare() loads the media backend's plugin (most of the
// cost) on a worker thread and opens the sounds on this thread once that is done.
// A missing or unreadable file plays nothing and reports nothing; so does any sound when the
// machine has no audio output.
class MediaPlayer : public QObject, public PreparableSoundPlayer {
    Q_OBJECT

public:
    // Sounds kept loaded at once; the least recently used one is unloaded beyond this.
    static constexpr int kMaxLoadedSounds = 8;

    explicit MediaPlayer(QObject *parent = nullptr);
    ~MediaPlayer() override;

    MediaPlayer(const MediaPlayer &) = delete;
    MediaPlayer &operator=(const MediaPlayer &) = delete;

    // Starts playing url at once, replacing whatever was playing; the same url again plays it
    // again from the start. An empty url just stops. Records url as given.
    void setURL(const QString &url) override;
    QString URL() const override;

    const MediaPlayerSettings &settings() const { return m_settings; }

    // Starts building the audio objects and loading the given sounds so that their first play
    // is quick; returns at once, the sounds are loaded by the event loop shortly after. Safe to
    // call more than once; later calls add sounds not loaded yet. setURL() before the loading
    // is done still plays, loading its own sound on the spot.
    void prepare(const QStringList &preloadURLs = {}) override;
    bool isPrepared() const { return m_prepared; }
    // Whether everything asked of prepare() is loaded.
    bool isReady() const { return m_prepared && m_warmer == nullptr && m_pending.isEmpty(); }

    // Where url points, as the player resolves it: a local path or a URL with a scheme.
    static QUrl resolve(const QString &url);
    // Whether there is an audio output to play to; without one every sound is skipped.
    static bool hasAudioDevice();

    // The source now playing or last started, empty if none (e.g. after a missing file).
    QUrl activeSource() const { return m_active; }
    // Sources whose player is playing (or paused) now, for checking that one replaces another.
    QList<QUrl> playingSources() const;
    // Number of sounds held loaded.
    int loadedCount() const { return static_cast<int>(m_slots.size()); }

private:
    struct Slot {
        QUrl source;
        QMediaPlayer *player = nullptr;
        QAudioOutput *output = nullptr;
        quint64 lastUsed = 0;
    };

    void loadPending();
    Slot *slotFor(const QUrl &source);
    Slot *load(const QUrl &source);
    void unload(std::vector<Slot>::iterator it);
    void stopAllExcept(const Slot *keep);
    static void restart(Slot &slot);
    static bool routeToDefaultDevice(Slot &slot);
    static bool isPlayable(const QUrl &source);
    float outputVolume() const;

    MediaPlayerSettings m_settings;
    QString m_url;
    QUrl m_active;
    bool m_prepared = false;
    QThread *m_warmer = nullptr; // loads the backend plugin during prepare()
    QList<QUrl> m_pending;       // sounds prepare() was given, loaded once m_warmer is done
    quint64 m_useCounter = 0;
    std::vector<Slot> m_slots;
};

} // namespace mapdata
