#include "mapdata/media/mediaplayer.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLibraryInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPluginLoader>
#include <QThread>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <utility>

namespace mapdata {

namespace {
// Set once the backend's plugin is in memory; it stays loaded for the life of the process.
std::atomic<bool> g_backendWarm{false};

// Loads the chosen Qt Multimedia backend's plugin library, the slow part of the first
// QAudioOutput (the FFmpeg one pulls in the FFmpeg libraries, ~80 ms), so that building the
// players afterwards on the GUI thread is quick. Only the library is loaded here: the backend's
// objects are still created on the GUI thread by Qt as usual.
void warmBackend() {
    const QString backend = qEnvironmentVariable(kMediaBackendVariable);
    if (!backend.isEmpty()) {
        const QDir folder(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                          QLatin1String("/multimedia"));
        const QStringList files = folder.entryList(QDir::Files);
        for (const QString &file : files) {
            if (file.contains(backend) && QLibrary::isLibrary(file)) {
                QPluginLoader(folder.filePath(file)).load(); // stays loaded: not unloaded
                break;
            }
        }
    }
    g_backendWarm.store(true);
}
} // namespace

MediaPlayer::MediaPlayer(QObject *parent) : QObject(parent) {}

MediaPlayer::~MediaPlayer() {
    if (m_warmer != nullptr) {
        m_warmer->wait();
        delete m_warmer;
    }
    // Stop before the children go, so no backend thread outlives its output.
    for (Slot &slot : m_slots)
        slot.player->stop();
}

QString MediaPlayer::URL() const {
    return m_url;
}

QUrl MediaPlayer::resolve(const QString &url) {
    const QString trimmed = url.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A bare path (absolute, relative or with a drive letter) is a file; only a scheme of two or
    // more letters makes it a URL, so "C:/x.wma" stays a path.
    const QUrl parsed(trimmed, QUrl::StrictMode);
    if (parsed.isValid() && parsed.scheme().size() > 1)
        return parsed;
    // Cleaned so that two spellings of one file share one loaded player.
    return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(trimmed).absoluteFilePath()));
}

bool MediaPlayer::isPlayable(const QUrl &source) {
    if (!source.isLocalFile())
        return source.isValid();
    const QFileInfo info(source.toLocalFile());
    return info.isFile() && info.isReadable();
}

bool MediaPlayer::hasAudioDevice() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool MediaPlayer::routeToDefaultDevice(Slot &slot) {
    // Qt 6.4's FFmpeg backend crashes its render thread when playing to no device, so never
    // play without one. An output made before a device appeared holds a null device: re-route.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    if (slot.output->device().isNull())
        slot.output->setDevice(device);
    return true;
}

float MediaPlayer::outputVolume() const {
    if (m_settings.mute)
        return 0.0F;
    // The control's volume is a slider position, so map it the way ears hear it.
    const float slider =
        static_cast<float>(m_settings.volume) / static_cast<float>(MediaPlayerSettings::kMaxVolume);
    return QAudio::convertVolume(slider, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

void MediaPlayer::prepare(const QStringList &preloadURLs) {
    m_prepared = true;
    for (const QString &url : preloadURLs) {
        const QUrl source = resolve(url);
        if (isPlayable(source) && slotFor(source) == nullptr && !m_pending.contains(source))
            m_pending.append(source);
    }
    if (m_warmer != nullptr)
        return; // loadPending() runs when it finishes
    if (!g_backendWarm.load()) {
        m_warmer = QThread::create(warmBackend);
        connect(m_warmer, &QThread::finished, this, [this] {
            m_warmer->deleteLater();
            m_warmer = nullptr;
            loadPending();
        });
        m_warmer->start();
        return;
    }
    loadPending();
}

void MediaPlayer::loadPending() {
    const QList<QUrl> pending = std::exchange(m_pending, {});
    for (const QUrl &source : pending) {
        if (slotFor(source) == nullptr)
            load(source);
    }
}

MediaPlayer::Slot *MediaPlayer::slotFor(const QUrl &source) {
    const auto it = std::find_if(m_slots.begin(), m_slots.end(),
                                 [&](const Slot &slot) { return slot.source == source; });
    return it == m_slots.end() ? nullptr : &*it;
}

MediaPlayer::Slot *MediaPlayer::load(const QUrl &source) {
    if (static_cast<int>(m_slots.size()) >= kMaxLoadedSounds) {
        unload(std::min_element(m_slots.begin(), m_slots.end(), [](const Slot &a, const Slot &b) {
            return a.lastUsed < b.lastUsed;
        }));
    }
    Slot slot;
    slot.source = source;
    slot.output = new QAudioOutput(this);
    slot.output->setVolume(outputVolume());
    slot.player = new QMediaPlayer(this);
    slot.player->setAudioOutput(slot.output);
    slot.player->setPlaybackRate(m_settings.rate);
    slot.player->setLoops(m_settings.playCount);
    slot.player->setSource(source);
    slot.lastUsed = ++m_useCounter;
    m_slots.push_back(slot);
    return &m_slots.back();
}

void MediaPlayer::unload(std::vector<Slot>::iterator it) {
    it->player->stop();
    it->player->deleteLater();
    it->output->deleteLater();
    if (m_active == it->source)
        m_active.clear();
    m_slots.erase(it);
}

QList<QUrl> MediaPlayer::playingSources() const {
    QList<QUrl> sources;
    for (const Slot &slot : m_slots) {
        if (slot.player->playbackState() != QMediaPlayer::StoppedState)
            sources.append(slot.source);
    }
    return sources;
}

void MediaPlayer::stopAllExcept(const Slot *keep) {
    for (Slot &slot : m_slots) {
        if (&slot != keep && slot.player->playbackState() != QMediaPlayer::StoppedState)
            slot.player->stop();
    }
}

void MediaPlayer::restart(Slot &slot) {
    // Reopened rather than stopped (or paused), sought to 0 and played: on Qt 6.4's FFmpeg
    // backend that replay was silent about one time in ten and could crash the render thread.
    // Clearing the source first replays every time, and opening a small local file is quick.
    // This also retries a file that failed to open before.
    slot.player->setSource(QUrl());
    slot.player->setSource(slot.source);
    slot.player->play();
}

void MediaPlayer::setURL(const QString &url) {
    m_url = url;
    if (!m_prepared)
        prepare();
    const QUrl source = resolve(url);
    if (!isPlayable(source)) {
        stopAllExcept(nullptr);
        m_active.clear();
        return;
    }
    Slot *slot = slotFor(source);
    if (slot == nullptr)
        slot = load(source);
    slot->lastUsed = ++m_useCounter;
    stopAllExcept(slot);
    m_active = source;
    if (routeToDefaultDevice(*slot))
        restart(*slot);
}

} // namespace mapdata
