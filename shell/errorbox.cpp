#include "shell/errorbox.h"

#include "shell/identity.h"

#include <QCoreApplication>

namespace shell {

const char *const kSupportAddress = "support@quelmark.example";
const char *const kErrorBoxTitle = QT_TRANSLATE_NOOP("ErrorBox", "Application Error");

namespace {
const char *const kBuildDate = "2017/04/05";
const char *const kWindowName = "Form1";
} // namespace

QString locationText(const QString &handler) {
    // The handler's place is for the maker: only the words around it are translated.
    return QCoreApplication::translate("ErrorBox", "in ") + QLatin1String(kProjectName) +
           QLatin1String(kBuildDate) + QLatin1Char('.') + QLatin1String(kWindowName) +
           QLatin1Char('.') + handler + QLatin1Char(' ');
}

QString outOfMemoryText() {
    return QCoreApplication::translate("ErrorBox", "Out of memory");
}

QString errorMessage(const QString &description, const QString &location, int line) {
    return description + QStringLiteral("\r\n") + location +
           QCoreApplication::translate("ErrorBox", "at line ") + QString::number(line) +
           QStringLiteral("\r\r") +
           QCoreApplication::translate("ErrorBox", "Please email screenshot of this message to ") +
           QLatin1String(kSupportAddress);
}

void ShowErrorBox(mapdata::MessageBoxes &boxes, const QString &location, int line,
                  const QString &description) {
    boxes.msgBox(errorMessage(description, location, line), mapdata::kMsgBoxOkExclamation,
                 QCoreApplication::translate("ErrorBox", kErrorBoxTitle));
}

void ErrorTrap::report(const QString &description) {
    ShowErrorBox(m_boxes, m_location, m_line, description);
}

} // namespace shell
