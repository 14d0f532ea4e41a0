#pragma once

#include <QObject>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;
class QThread;

namespace mapdata {

// The full Qt Multimedia player, for sound files that need a decoder. Built only when such a
// file is first played: its backend plugin is loaded on a worker thread (the slow part), then
// one QMediaPlayer plays on this thread. Nothing plays while there is no audio output.
class BackendPlayer : public QObject {
    Q_OBJECT

public:
    BackendPlayer(float linearVolume, QObject *parent);
    ~BackendPlayer() override;

    BackendPlayer(const BackendPlayer &) = delete;
    BackendPlayer &operator=(const BackendPlayer &) = delete;

    // Starts source from its beginning, replacing what played; once the backend is loaded.
    void play(const QUrl &source);
    void stop();

private:
    void build();
    void start();

    float m_volume;
    QUrl m_source;
    bool m_wanted = false; // play m_source once built
    QThread *m_warmer = nullptr;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
};

} // namespace mapdata
