#pragma once

#include <QString>

namespace mapdata {

// The window's media player as the quiz uses it: assigning URL starts playing at once.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void setURL(const QString &url) = 0; // dispatch id 1
    virtual QString URL() const = 0;
};

} // namespace mapdata
