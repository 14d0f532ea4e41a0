#include "quiz/itemfile.h"

#include <QStringDecoder>

#include <optional>

#ifndef Q_OS_WIN
#include <langinfo.h>
#endif

namespace quiz {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

QStringDecoder makeDecoder() {
#ifdef Q_OS_WIN
    // The ANSI code page.
    return QStringDecoder(QStringConverter::System);
#else
    const char *codeset = nl_langinfo(CODESET);
    QStringDecoder decoder(codeset);
    if (decoder.isValid())
        return decoder;
    // The C locale reports ASCII; its 8-bit superset keeps every byte readable.
    return QStringDecoder(QStringConverter::Latin1);
#endif
}

// Where the line that starts at pos ends, and where the next one starts. A carriage return
// and a line feed after it are one end; either alone is an end too, so files from Windows,
// old Macs and Unix editors, or a mix of them, give the same lines.
struct LineEnd {
    qsizetype end;
    qsizetype next;
};

std::optional<LineEnd> findLineEnd(const QByteArray &bytes, qsizetype pos) {
    for (qsizetype i = pos; i < bytes.size(); ++i) {
        if (bytes.at(i) == kLineFeed)
            return LineEnd{i, i + 1};
        if (bytes.at(i) == kCarriageReturn) {
            const bool pair = i + 1 < bytes.size() && bytes.at(i + 1) == kLineFeed;
            return LineEnd{i, pair ? i + 2 : i + 1};
        }
    }
    return std::nullopt;
}

} // namespace

QString decodeFromCodePage(const QByteArray &bytes) {
    QStringDecoder decoder = makeDecoder();
    return decoder.decode(bytes);
}

ItemFileReader::ItemFileReader(QByteArray bytes, bool cut)
    : m_bytes(std::move(bytes)), m_cut(cut) {}

bool ItemFileReader::nextLineIsCut() const {
    return m_cut && (m_pos >= m_bytes.size() || !findLineEnd(m_bytes, m_pos));
}

qsizetype ItemFileReader::remainingLineCount() const {
    if (m_pos >= m_bytes.size())
        return m_cut ? 1 : 0;
    qsizetype count = 0;
    qsizetype pos = m_pos;
    while (pos < m_bytes.size()) {
        ++count;
        const std::optional<LineEnd> end = findLineEnd(m_bytes, pos);
        if (!end)
            break;
        pos = end->next;
    }
    return count;
}

QString ItemFileReader::readLine() {
    const qsizetype start = m_pos;
    const LineEnd end =
        findLineEnd(m_bytes, start).value_or(LineEnd{m_bytes.size(), m_bytes.size()});
    m_pos = end.next;
    return decodeFromCodePage(m_bytes.mid(start, end.end - start));
}

QStringList splitFields(const QString &line) {
    if (line.isEmpty())
        return {};
    return line.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

} // namespace quiz
