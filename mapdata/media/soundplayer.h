#pragma once

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

} // namespace mapdata
