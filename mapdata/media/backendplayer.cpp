#include "mapdata/media/backendplayer.h"
#include "mapdata/media/mediabackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPluginLoader>
#include <QThread>
#include <QtGlobal>

namespace mapdata {

namespace {

QString chosenBackend() {
    return qEnvironmentVariable(kMediaBackendVariable);
}

QString backendPluginFolder() {
    return QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/multimedia");
}

// The plugin file of the named backend, empty if none is installed as a file.
QString backendPluginFile(const QString &backend) {
    const QDir folder(backendPluginFolder());
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString &file : files) {
        if (file.contains(backend) && QLibrary::isLibrary(file))
            return folder.filePath(file);
    }
    return {};
}

// A backend linked into the program (a static Qt), by the keys its plugin declares.
bool hasStaticBackend(const QString &backend) {
    const auto plugins = QPluginLoader::staticPlugins();
    for (const QStaticPlugin &plugin : plugins) {
        const QJsonArray keys = plugin.metaData()
                                    .value(QLatin1String("MetaData"))
                                    .toObject()
                                    .value(QLatin1String("Keys"))
                                    .toArray();
        if (keys.contains(backend))
            return true;
    }
    return false;
}

// Loads the backend's plugin library, the slow part of the first QMediaPlayer (the FFmpeg one
// pulls in the FFmpeg libraries), so that building the player afterwards is quick. It stays
// loaded for the life of the process.
void warmBackend() {
    const QString backend = chosenBackend();
    if (backend.isEmpty())
        return;
    const QString file = backendPluginFile(backend);
    if (!file.isEmpty())
        QPluginLoader(file).load();
}

} // namespace

bool isMediaBackendInstalled() {
    const QString backend = chosenBackend();
    if (backend.isEmpty())
        return true; // Qt picks one it has, or plays nothing
    return hasStaticBackend(backend) || !backendPluginFile(backend).isEmpty();
}

BackendPlayer::BackendPlayer(float linearVolume, QObject *parent)
    : QObject(parent), m_volume(linearVolume) {}

BackendPlayer::~BackendPlayer() {
    if (m_warmer != nullptr) {
        m_warmer->wait();
        delete m_warmer;
    }
    // Stop before the children go, so no backend thread outlives its output.
    if (m_player != nullptr)
        m_player->stop();
}

void BackendPlayer::play(const QUrl &source) {
    m_source = source;
    m_wanted = true;
    if (m_player != nullptr) {
        start();
        return;
    }
    if (m_warmer != nullptr)
        return; // build() plays it
    m_warmer = QThread::create(warmBackend);
    connect(m_warmer, &QThread::finished, this, [this] {
        m_warmer->deleteLater();
        m_warmer = nullptr;
        build();
    });
    m_warmer->start();
}

void BackendPlayer::build() {
    if (!isMediaBackendInstalled())
        return; // a backend named in the environment but not installed: silence, not abort
    m_output = new QAudioOutput(this);
    m_output->setVolume(m_volume);
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_output);
    if (m_wanted)
        start();
}

void BackendPlayer::start() {
    // Qt 6.4's FFmpeg backend crashes its render thread when playing to no device, so never
    // play without one. An output made before a device appeared holds a null device: re-route.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    if (m_output->device() != device)
        m_output->setDevice(device);
    // Reopened rather than sought back: on Qt 6.4's FFmpeg backend a replay of a loaded source
    // was silent about one time in ten and pause/seek could crash its render thread.
    m_player->setSource(QUrl());
    m_player->setSource(m_source);
    m_player->play();
}

void BackendPlayer::stop() {
    m_wanted = false;
    if (m_player != nullptr && m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->stop();
}

bool BackendPlayer::isPlaying() const {
    return m_player != nullptr && m_player->playbackState() != QMediaPlayer::StoppedState;
}

} // namespace mapdata
