#include "quiz/itemfile.h"

#include <QStringDecoder>

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

} // namespace

QString decodeFromCodePage(const QByteArray &bytes) {
    QStringDecoder decoder = makeDecoder();
    return decoder.decode(bytes);
}

ItemFileReader::ItemFileReader(QByteArray bytes, bool cut)
    : m_bytes(std::move(bytes)), m_cut(cut) {}

bool ItemFileReader::nextLineIsCut() const {
    return m_cut && (m_pos >= m_bytes.size() || m_bytes.indexOf(kCarriageReturn, m_pos) < 0);
}

qsizetype ItemFileReader::remainingLineCount() const {
    if (m_pos >= m_bytes.size())
        return m_cut ? 1 : 0;
    qsizetype count = 0;
    qsizetype pos = m_pos;
    while (pos < m_bytes.size()) {
        ++count;
        const qsizetype end = m_bytes.indexOf(kCarriageReturn, pos);
        if (end < 0)
            break;
        pos = end + 1;
        if (pos < m_bytes.size() && m_bytes.at(pos) == kLineFeed)
            ++pos;
    }
    return count;
}

QString ItemFileReader::readLine() {
    const qsizetype start = m_pos;
    qsizetype end = m_bytes.indexOf(kCarriageReturn, start);
    if (end < 0) {
        end = m_bytes.size();
        m_pos = end;
    } else {
        m_pos = end + 1;
        if (m_pos < m_bytes.size() && m_bytes.at(m_pos) == kLineFeed)
            ++m_pos;
    }
    return decodeFromCodePage(m_bytes.mid(start, end - start));
}

QStringList splitFields(const QString &line) {
    if (line.isEmpty())
        return {};
    return line.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

} // namespace quiz
