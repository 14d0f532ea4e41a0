// The item list reader on any bytes: it must end, lose no byte it was given and split
// every line back into the same text.
#include "quiz/itemfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    quiz::ItemFileReader reader(bytes);
    // Each line ends at a carriage return, a line feed or the end, so there are at most one
    // more lines than those bytes.
    const qsizetype endCount = bytes.count('\r') + bytes.count('\n');
    qsizetype lines = 0;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        ++lines;
        check(lines <= endCount + 1);
        check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
        const QStringList fields = quiz::splitFields(line);
        check(line.isEmpty() ? fields.isEmpty() : fields.join(QLatin1Char(',')) == line);
        check(fields.size() <= line.size() + 1);
    }
    check(size == 0 || lines >= 1);

    // The same bytes as the head of a longer file: lines are counted ahead exactly as they
    // are read, and reading ends at the first line the cut runs into.
    quiz::ItemFileReader cut(bytes, true);
    const qsizetype counted = cut.remainingLineCount();
    qsizetype read = 0;
    while (!cut.nextLineIsCut()) {
        check(!cut.atEnd());
        cut.readLine();
        ++read;
        check(read <= lines);
    }
    check(!cut.atEnd());
    check(counted == (size == 0 ? 1 : lines));
    check(read == lines || read + 1 == lines);
    return 0;
}
