#pragma once

// The media player plugin's interface, in a library whose code needs a function that no
// library provides: bound lazily, the program would end at the first call.
#include "mapdata/media/soundplayer.h"

extern "C" mapdata::PreparableSoundPlayer *tessaline_functionNobodyDefines();

class UnresolvedPlugin : public QObject, public mapdata::SoundPlayerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TESSALINE_SOUND_PLAYER_PLUGIN_IID)
    Q_INTERFACES(mapdata::SoundPlayerPlugin)

public:
    mapdata::PreparableSoundPlayer *createPlayer() override {
        return tessaline_functionNobodyDefines();
    }
};
