#include "fakes/fakes.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace fakes {

std::vector<int> RecordingMessageBoxes::errorLines() const {
    static const QRegularExpression atLine(QStringLiteral("at line (\\d+)\\r"));
    std::vector<int> lines;
    for (const MessageBoxCall &call : calls) {
        if (call.title != QLatin1String("Application Error"))
            continue;
        const QRegularExpressionMatch match = atLine.match(call.prompt);
        lines.push_back(match.hasMatch() ? match.captured(1).toInt() : -1);
    }
    return lines;
}

int RecordingMessageBoxes::errorCount(const QString &handler) const {
    int count = 0;
    for (const MessageBoxCall &call : calls)
        if (call.title == QLatin1String("Application Error") &&
            (handler.isEmpty() ||
             call.prompt.contains(QLatin1Char('.') + handler + QLatin1Char(' '))))
            ++count;
    return count;
}

QStringList RecordingSoundPlayer::soundNames() const {
    QStringList names;
    for (const QString &url : requests)
        names << QFileInfo(url).completeBaseName();
    return names;
}

} // namespace fakes
