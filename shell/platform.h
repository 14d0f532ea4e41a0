#pragma once

#include "mapdata/files/filehead.h"

#include <QString>

namespace shell {

// The time of day, for seeding the start-up draw.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

// One uniform generator for the whole program.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize(float seed) = 0;
    // A value in [0, 1).
    virtual float next() = 0;
};

// Starts the desktop's opener for a web address without waiting for it.
class Launcher {
public:
    virtual ~Launcher() = default;
    // False when the opener could not be started.
    virtual bool openWebAddress(const QString &address) = 0;
};

// What the machine's administrator decided for every user of the program, read from the
// system-wide settings only and never written.
class MachinePolicy {
public:
    virtual ~MachinePolicy() = default;
    // False when the administrator turned the start-up home-page visit off.
    virtual bool siteVisitAllowed() const = 0;
};

// The first bytes of a file, and whether the file goes on past them.
using FileHead = mapdata::FileHead;

// The file services the program uses itself.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True when the file system can report a modification time for the path.
    virtual bool hasModificationTime(const QString &path) const = 0;
    // A normal file: not a folder, not hidden, not a system file.
    virtual bool isNormalFile(const QString &path) const = 0;
    // At most maxBytes from the start of a regular file; raises a failure when there is
    // none at the path or it cannot be opened or read.
    virtual FileHead readFile(const QString &path, qsizetype maxBytes) const = 0;
};

} // namespace shell
