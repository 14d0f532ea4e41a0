#pragma once

#include "mapdata/media/soundplayer.h"

#include <QString>

#include <memory>

namespace mapdata {

// The media player plugin's file name, as the build lays it beside the executable.
QString mediaPluginFileName();

// A new player from the media player plugin: the one linked into the program (a static Qt),
// else the plugin file at pluginPath, which QPluginLoader checks before loading it. When there
// is none, or the file is damaged, truncated or not this plugin for this Qt, returns null and
// says why on stderr in one line: no sound, and the program goes on.
std::unique_ptr<PreparableSoundPlayer> loadSoundPlayer(const QString &pluginPath);

} // namespace mapdata
