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
#include <utility>

namespace shell {

// The window's player as the program holds it: the media player plugin is loaded on the first
// prepare() or setURL(), so that Qt Multimedia and its libraries cost nothing before the window
// is painted. Without the plugin nothing plays, as without an audio output.
class PluginSoundPlayer : public mapdata::PreparableSoundPlayer {
public:
    explicit PluginSoundPlayer(QString pluginPath) : m_pluginPath(std::move(pluginPath)) {}

    void setURL(const QString &url) override;
    QString URL() const override { return m_url; }
    void prepare(const QStringList &preloadURLs) override;

private:
    mapdata::PreparableSoundPlayer *player();

    QString m_pluginPath;
    bool m_triedLoading = false;
    std::unique_ptr<mapdata::PreparableSoundPlayer> m_player;
    QString m_url;
};

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
    PluginSoundPlayer player;
    QtFileSystem files;
    QtClock clock;
    BasicRandom random;
    QtLauncher launcher;
    QtMachinePolicy policy;
    SkinFramework skin;
    CursorFileLoader cursors;

private:
    mapdata::FormWidget &m_window;
};

} // namespace shell
