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

class QtFileSystem : public FileSystem {
public:
    bool hasModificationTime(const QString &path) const override;
    bool isNormalFile(const QString &path) const override;
    FileHead readFile(const QString &path, qsizetype maxBytes) const override;
};

} // namespace shell
