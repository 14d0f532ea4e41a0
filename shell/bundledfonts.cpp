#include "shell/bundledfonts.h"

#include <QDir>
#include <QFontDatabase>

namespace shell {

namespace {
const char *const kBundledFontsFolder = ":/bundled-fonts";
}

void addBundledFonts() {
    const QDir folder{QString::fromLatin1(kBundledFontsFolder)};
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString &file : files) {
        if (QFontDatabase::addApplicationFont(folder.filePath(file)) < 0)
            qWarning("Tessaline: the built-in font %s cannot be read", qUtf8Printable(file));
    }
}

} // namespace shell
