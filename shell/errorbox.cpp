#include "shell/errorbox.h"

#include "shell/identity.h"

#include <QCoreApplication>

namespace shell {

const char *const kSupportAddress = "support@quelmark.example";
//: The title of the box that tells of an error.
const char *const kErrorBoxTitle = QT_TRANSLATE_NOOP("ErrorBox", "Application Error");

namespace {
const char *const kBuildDate = "2017/04/05";
const char *const kWindowName = "Form1";
} // namespace

QString locationText(const QString &handler) {
    // The handler's place is for the maker: the same in every language.
    return QLatin1String(kProjectName) + QLatin1String(kBuildDate) + QLatin1Char('.') +
           QLatin1String(kWindowName) + QLatin1Char('.') + handler;
}

QString outOfMemoryText() {
    //: An error: the computer has no memory left for the program.
    return QCoreApplication::translate("ErrorBox", "Out of memory");
}

QString errorMessage(const QString &description, const QString &location, int line) {
    return description + QStringLiteral("\r\n") +
           //: The error box's second line, under the error's description. %1: where the
           //: program was, for its maker (Tessaline2017/04/05.Form1.Form_Load), not to
           //: translate; %2: the number of the step that failed.
           QCoreApplication::translate("ErrorBox", "in %1 at line %2")
               .arg(location, QString::number(line)) +
           QStringLiteral("\r\r") +
           //: The error box's last line, to the pupil or teacher who sees it. %1: the maker's
           //: e-mail address.
           QCoreApplication::translate("ErrorBox", "Please email screenshot of this message to %1")
               .arg(QLatin1String(kSupportAddress));
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
