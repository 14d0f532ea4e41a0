#include "quiz/judging.h"

namespace quiz {

QString trimSpaces(const QString &text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

bool isDropAccepted(const QString &zoneTag, const QString &labelTag) {
    const QString key = trimSpaces(labelTag);
    if (trimSpaces(zoneTag) == key)
        return true;
    return zoneTag.contains(key, Qt::CaseSensitive);
}

} // namespace quiz
