#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quiz {

// An honest item list is 28 short lines; reading stops here.
constexpr qsizetype kMaxItemFileBytes = 1024 * 1024;

// The item list file as text lines: a carriage return, a line feed, or the two together
// end a line; a last line without an end is still read. Bytes are decoded from the
// system's 8-bit code page.
class ItemFileReader {
public:
    // cut: the file goes on past these bytes, so the last line in them is not whole.
    explicit ItemFileReader(QByteArray bytes, bool cut = false);

    // The end of the file; a cut file never reaches it.
    bool atEnd() const { return !m_cut && m_pos >= m_bytes.size(); }
    // True when the next line runs past the bytes given, so it cannot be read whole.
    bool nextLineIsCut() const;
    // The next line; a cut one is read as far as the bytes go.
    QString readLine();
    // The lines not yet read, counted without decoding them; a cut file has at least one.
    qsizetype remainingLineCount() const;
    bool isCut() const { return m_cut; }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_cut = false;
};

QString decodeFromCodePage(const QByteArray &bytes);

// Fields of a line split at every ","; an empty line has no field at all.
QStringList splitFields(const QString &line);

} // namespace quiz
