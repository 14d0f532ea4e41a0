#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quiz {

// The item list file as text lines: a carriage return, or a carriage return and a
// line feed, ends a line; a lone line feed belongs to the line; a last line without
// an end is still read. Bytes are decoded from the system's 8-bit code page.
class ItemFileReader {
public:
    explicit ItemFileReader(QByteArray bytes);

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    QString readLine();

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

QString decodeFromCodePage(const QByteArray &bytes);

// Fields of a line split at every ","; an empty line has no field at all.
QStringList splitFields(const QString &line);

} // namespace quiz
