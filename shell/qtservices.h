#pragma once

#include "mapdata/media/soundplayer.h"
#include "mapdata/toolkit/formwidget.h"
#include "mapdata/toolkit/messagebox.h"
#include "shell/cursorfile.h"
#include "shell/qtplatform.h"
#include "shell/skinframework.h"
#include "shell/startupdraw.h"

#include <QString>

#include <memory>

namespace shell {

// The platform's own services around the quiz window, made once, by main().
class QtServices {
public:
    explicit QtServices(mapdata::FormWidget &window);
    QtServices(const QtServices &) = delete;
    QtServices &operator=(const QtServices &) = delete;

    // Loads the sounds once the window's first frame is painted, so that the player never
    // delays the window and is ready long before a name can be dropped.
    void prepareSoundsAfterFirstFrame();

    const QString appFolder;
    mapdata::QtMessageBoxes messageBoxes;
    // Built in or loaded from beside the executable, as the build provides it.
    const std::unique_ptr<mapdata::PreparableSoundPlayer> player;
    QtFileSystem files;
    QtClock clock;
    BasicRandom random;
    QtLauncher launcher;
    SkinFramework skin;
    CursorFileLoader cursors;

private:
    mapdata::FormWidget &m_window;
};

} // namespace shell
