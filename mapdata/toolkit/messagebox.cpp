#include "mapdata/toolkit/messagebox.h"

#include <QMessageBox>

namespace mapdata {

void QtMessageBoxes::msgBox(const QString &prompt, int style, const QString &title) {
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setIcon(style == kMsgBoxOkInformation ? QMessageBox::Information : QMessageBox::Warning);
    // Failure descriptions carry names from files: never rich text. A lone carriage
    // return breaks a line in the native box, so show it as one here too.
    box.setTextFormat(Qt::PlainText);
    QString shown = prompt;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace mapdata
