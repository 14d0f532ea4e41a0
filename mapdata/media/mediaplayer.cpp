#include "mapdata/media/mediaplayer.h"

#include "mapdata/media/backendplayer.h"
#include "mapdata/media/mediabackend.h"
#include "mapdata/media/soundfile.h"

#include <QAudio>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace mapdata {

namespace {

// Every live player, for the exit handler. Only touched on the GUI thread.
std::vector<MediaPlayer *> &livePlayers() {
    static std::vector<MediaPlayer *> players;
    return players;
}

QThread *g_playerThread = nullptr;

// How long releasing the audio waits for loads in progress, and how often it looks.
constexpr qint64 kLoadDrainMs = 2000;
constexpr int kLoadPollMs = 5;

// Registered once Qt's audio globals exist, so it runs before their destructors at exit().
void releaseAllAtExit() {
    if (QThread::currentThread() != g_playerThread)
        return; // exit() from another thread: leave the GUI thread's objects alone
    for (MediaPlayer *player : livePlayers())
        player->releaseAudio();
}

// Handlers run in the reverse order of registration, and Qt's audio globals (the sample cache,
// the audio server connection) are made as the first effect loads and first plays. Registering
// after each of those makes the handler run before their destructors; it is idempotent.
enum class ExitStage { EffectMade, EffectPlayed };

void registerExitHandlerAfter(ExitStage stage) {
    static std::once_flag made;
    static std::once_flag played;
    std::call_once(stage == ExitStage::EffectMade ? made : played, [] {
        g_playerThread = QThread::currentThread();
        std::atexit(releaseAllAtExit);
    });
}

} // namespace

MediaPlayer::MediaPlayer(QObject *parent) : QObject(parent) {
    livePlayers().push_back(this);
}

MediaPlayer::~MediaPlayer() {
    releaseAudio();
    auto &players = livePlayers();
    players.erase(std::remove(players.begin(), players.end(), this), players.end());
}

void MediaPlayer::releaseAudio() {
    m_released = true;
    // Qt 6.4's sample cache deadlocks when it is destroyed at exit while its loader thread is
    // still reading a sound (the thread waits for a lock the destructor holds). Loads take
    // milliseconds, so let any in progress finish first.
    const auto loading = [this] {
        return std::any_of(m_effects.begin(), m_effects.end(), [](const Effect &e) {
            return e.effect->status() == QSoundEffect::Loading;
        });
    };
    if (QCoreApplication::instance() != nullptr &&
        QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QElapsedTimer waited;
        waited.start();
        while (loading() && waited.elapsed() < kLoadDrainMs)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kLoadPollMs);
    }
    for (Effect &entry : m_effects) {
        entry.effect->stop();
        delete entry.effect;
    }
    m_effects.clear();
    delete m_backend;
    m_backend = nullptr;
    delete m_devices;
    m_devices = nullptr;
}

float MediaPlayer::linearVolume() {
    // The control's volume is a slider position, so map it the way ears hear it.
    const float slider = static_cast<float>(kStoredVolume) / static_cast<float>(kMaxVolume);
    return QAudio::convertVolume(slider, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

void MediaPlayer::prepare(const QStringList &preloadURLs) {
    if (m_released)
        return;
    m_prepared = true;
    followAudioOutputs();
    for (const QString &url : preloadURLs) {
        const QUrl source = resolveSoundUrl(url);
        if (source.isLocalFile() && inspectSoundFile(source.toLocalFile()) == SoundFileKind::Wave)
            effectEntry(source);
    }
}

void MediaPlayer::followAudioOutputs() {
    if (m_devices != nullptr)
        return;
    m_devices = new QMediaDevices(this);
    // QSoundEffect stays on the output it was made for, and silent once that output is gone.
    connect(m_devices, &QMediaDevices::audioOutputsChanged, this, &MediaPlayer::recreateEffects);
}

void MediaPlayer::recreateEffects() {
    for (Effect &entry : m_effects) {
        entry.effect->stop();
        delete entry.effect;
        entry.effect = makeEffect(entry.source);
    }
}

QSoundEffect *MediaPlayer::makeEffect(const QUrl &source) {
    // The samples stay in Qt's sample cache, so making an effect again does not reread the file.
    auto *effect = new QSoundEffect(QMediaDevices::defaultAudioOutput(), this);
    effect->setVolume(linearVolume());
    effect->setSource(source);
    registerExitHandlerAfter(ExitStage::EffectMade);
    return effect;
}

MediaPlayer::Effect &MediaPlayer::effectEntry(const QUrl &source) {
    auto it = std::find_if(m_effects.begin(), m_effects.end(),
                           [&](const Effect &entry) { return entry.source == source; });
    if (it == m_effects.end()) {
        if (static_cast<int>(m_effects.size()) >= kMaxLoadedSounds) {
            const auto oldest = std::min_element(
                m_effects.begin(), m_effects.end(),
                [](const Effect &a, const Effect &b) { return a.lastUsed < b.lastUsed; });
            oldest->effect->stop();
            delete oldest->effect;
            m_effects.erase(oldest);
        }
        m_effects.push_back(Effect{source, makeEffect(source), 0});
        it = std::prev(m_effects.end());
    }
    it->lastUsed = ++m_useCounter;
    return *it;
}

bool MediaPlayer::isReady() const {
    return m_prepared && std::all_of(m_effects.begin(), m_effects.end(), [](const Effect &e) {
               return e.effect->status() != QSoundEffect::Loading;
           });
}

void MediaPlayer::stopAllExcept(const QSoundEffect *keep) {
    for (Effect &entry : m_effects) {
        if (entry.effect != keep && entry.effect->isPlaying()) {
            // Qt 6.4's QSoundEffect, stopped while it plays, now and then stays silent at its
            // next play() (PulseAudio); a new one, from the sample cache, plays every time.
            entry.effect->stop();
            delete entry.effect;
            entry.effect = makeEffect(entry.source);
        }
    }
    if (m_backend != nullptr)
        m_backend->stop();
}

void MediaPlayer::setURL(const QString &url) {
    m_url = url;
    if (m_released)
        return;
    if (!m_prepared)
        prepare();
    const QUrl source = resolveSoundUrl(url);
    SoundFileKind kind = SoundFileKind::Unplayable;
    if (source.isLocalFile())
        kind = inspectSoundFile(source.toLocalFile());
    else if (source.isValid() && !source.isEmpty())
        kind = SoundFileKind::Other;

    switch (kind) {
    case SoundFileKind::Unplayable: stopAllExcept(nullptr); return;
    case SoundFileKind::Wave: {
        // Qt 6.4 does not always tell of a changed output (on PulseAudio it did not when one was
        // unplugged), and play() to an output that is gone then waits for ever: follow the
        // default output here as well.
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (effectEntry(source).effect->audioDevice() != output)
            recreateEffects();
        QSoundEffect *effect = effectEntry(source).effect;
        stopAllExcept(effect);
        // play() on a playing effect starts it again from the beginning.
        if (!output.isNull()) {
            effect->play();
            registerExitHandlerAfter(ExitStage::EffectPlayed);
        }
        return;
    }
    case SoundFileKind::Other:
        stopAllExcept(nullptr);
        if (m_backend == nullptr)
            m_backend = new BackendPlayer(linearVolume(), this);
        m_backend->play(source);
        return;
    }
}

} // namespace mapdata
