#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace mapdata {

// The window's media player as the quiz uses it: assigning URL starts playing at once.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void setURL(const QString &url) = 0; // dispatch id 1
    virtual QString URL() const = 0;
};

// A player that can open its sounds ahead of the first play, so that the first one is quick.
class PreparableSoundPlayer : public SoundPlayer {
public:
    virtual void prepare(const QStringList &preloadURLs) = 0;
};

// What the media player's Qt plugin provides: players on Qt Multimedia, which the program
// loads only once its window is up.
class SoundPlayerPlugin {
public:
    virtual ~SoundPlayerPlugin() = default;
    // A new player that the caller owns. Builds nothing from Qt Multimedia until prepare() or
    // setURL().
    virtual PreparableSoundPlayer *createPlayer() = 0;
};

} // namespace mapdata

#define TESSALINE_SOUND_PLAYER_PLUGIN_IID "example.quelmark.Tessaline.SoundPlayerPlugin/1"
Q_DECLARE_INTERFACE(mapdata::SoundPlayerPlugin, TESSALINE_SOUND_PLAYER_PLUGIN_IID)
