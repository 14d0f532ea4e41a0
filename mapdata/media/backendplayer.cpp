#include "mapdata/media/backendplayer.h"
#include "mapdata/media/mediabackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPluginLoader>
#include <QThread>

namespace mapdata {

namespace {

// Loads the backend's plugin library, the slow part of the first QMediaPlayer (the FFmpeg one
// pulls in the FFmpeg libraries), so that building the player afterwards is quick. It stays
// loaded for the life of the process.
void warmBackend() {
    const QString file = mediaBackendFile();
    if (!file.isEmpty())
        QPluginLoader(file).load();
}

} // namespace

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

} // namespace mapdata
