#pragma once

#include "shell/platform.h"

#include <QString>

namespace shell {

// The names appended to the application folder, with backslashes where the application
// folder's layout has folders; toPlatformSeparators makes them the platform's.
extern const char *const kItemsFileName;    // "\items.txt"
extern const char *const kCursorFileName;   // "\HAND-M.CUR"
extern const char *const kSkinFileName;     // "\x\o.cjs"
extern const char *const kCorrectSoundName; // "/sounds/correct.wma"
extern const char *const kWrongSoundName;
extern const char *const kCompleteSoundName;

// Turns each backslash into the platform's separator where a backslash is not one,
// so that the same relative names find the same files everywhere.
QString toPlatformSeparators(const QString &relativeName);
// The application folder followed by a relative name.
QString appPath(const QString &appFolder, const char *relativeName);

// True when the file system can report a modification time for the path; never fails.
bool FileExists(const FileSystem &files, const QString &path);

} // namespace shell
