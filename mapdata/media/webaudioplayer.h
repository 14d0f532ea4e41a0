#pragma once

#include "mapdata/media/soundplayer.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace mapdata {

// The media player in a web page, where Qt Multimedia is not built: the browser's Web Audio
// plays the sounds. Each sound file is read from the page's file system and decoded by the
// browser once, then kept; a play starts a new buffer source at once, replacing what played.
// A file that is missing, unreadable, too large or not a sound container plays nothing, as on
// the desktop; a container the browser cannot decode (a real WMA) plays nothing too, and the
// browser says why on its console.
class WebAudioPlayer : public QObject, public PreparableSoundPlayer {
    Q_OBJECT

public:
    explicit WebAudioPlayer(QObject *parent = nullptr);

    void setURL(const QString &url) override;
    QString URL() const override { return m_url; }
    void prepare(const QStringList &preloadURLs) override;

    // The stored volume, as the desktop player plays it.
    static float linearVolume();

private:
    // The decoded sound's key in the page (its path), after handing the file to the browser
    // the first time; empty when the file is not one to play.
    QString decoded(const QString &url);

    QString m_url;
    QStringList m_handedOver;
};

// The plugin the program finds linked in, as it finds the desktop player's.
class WebAudioPlayerPlugin : public QObject, public SoundPlayerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TESSALINE_SOUND_PLAYER_PLUGIN_IID)
    Q_INTERFACES(mapdata::SoundPlayerPlugin)

public:
    PreparableSoundPlayer *createPlayer() override { return new WebAudioPlayer; }
};

} // namespace mapdata
