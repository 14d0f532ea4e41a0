#include "shell/identity.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace shell {

const char *const kProjectName = "Tessaline";

QString appTitleFor(const QString &productName) {
    QString title = productName;
    do {
        const int space = title.lastIndexOf(QLatin1Char(' '));
        // A name without a space keeps the whole name.
        if (space < 0)
            break;
        title.truncate(space);
    } while (title.size() > kAppTitleMaxChars);
    return title.left(kAppTitleMaxChars);
}

// The title is the application name, which the window system and assistive tools read. It is
// not made the display name as well: Qt appends a display name to every top-level window's
// title that does not already end with it, and the message boxes must show theirs exactly.
void SetAppTitle() {
    QCoreApplication::setApplicationName(appTitleFor(QString::fromLatin1(kProductName)));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisationName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryName));
}

} // namespace shell
