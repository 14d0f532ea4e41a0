#pragma once

#include "shell/platform.h"

namespace shell {

class QtClock : public Clock {
public:
    double secondsSinceMidnight() const override;
};

// Opens a web address with the desktop's own opener, detached and never waited for.
class QtLauncher : public Launcher {
public:
    bool openWebAddress(const QString &address) override;
};

// The policy an administrator sets for the whole machine: on Windows the registry key
// HKLM\SOFTWARE\Policies\<maker>\<product>, elsewhere Policies/<maker>/<product>.conf in the
// system-wide settings folders ($XDG_CONFIG_DIRS, by default /etc/xdg). A value SiteVisit of 0
// turns the start-up visit off; without it, or with any other value, the draw stands. In a web
// page the visit is always off.
class QtMachinePolicy : public MachinePolicy {
public:
    bool siteVisitAllowed() const override;
};

class QtFileSystem : public FileSystem {
public:
    bool hasModificationTime(const QString &path) const override;
    bool isNormalFile(const QString &path) const override;
    FileHead readFile(const QString &path, qsizetype maxBytes) const override;
};

} // namespace shell
