#pragma once

#include "mapdata/toolkit/failure.h"
#include "shell/platform.h"

#include <QString>

namespace shell {

// True when the path, after following links, is a regular file: not a folder, pipe,
// device or socket. Only asks the file system; never opens the path.
bool isRegularFile(const QString &path);

// Reads at most maxBytes from the start of a regular file. A pipe, device or socket is
// never opened in a way that could wait, and a file that is swapped for one between the
// check and the open is refused too. Raises "File not found" when there is nothing at the
// path, "Path/File access error" for anything but a regular file or a failed read, and
// "Permission denied" when it cannot be opened.
FileHead readRegularFile(const QString &path, qsizetype maxBytes);

// The failure for a file that goes on past what the program reads of it.
mapdata::Failure fileTooLarge(qsizetype maxBytes);

} // namespace shell
