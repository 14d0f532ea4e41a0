#include "shell/appfiles.h"

namespace shell {

const char *const kItemsFileName = "\\items.txt";
const char *const kCursorFileName = "\\HAND-M.CUR";
const char *const kSkinFileName = "\\x\\o.cjs";
const char *const kCorrectSoundName = "/sounds/correct.wma";
const char *const kWrongSoundName = "/sounds/wrong.wma";
const char *const kCompleteSoundName = "/sounds/complete.wma";

QString toPlatformSeparators(const QString &relativeName) {
#ifdef Q_OS_WIN
    return relativeName;
#else
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name;
#endif
}

QString appPath(const QString &appFolder, const char *relativeName) {
    return appFolder + toPlatformSeparators(QString::fromLatin1(relativeName));
}

bool FileExists(const FileSystem &files, const QString &path) {
    if (path.isEmpty())
        return false;
    try {
        return files.hasModificationTime(path);
    } catch (...) {
        return false;
    }
}

} // namespace shell
