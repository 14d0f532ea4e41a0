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

namespace {

// Names the zone tags once spelled wrongly. An item list written then (a school's own copy)
// still carries the old spelling and must still play to the end.
struct CorrectedName {
    const char *name;
    const char *formerSpelling;
};
constexpr CorrectedName kCorrectedNames[] = {{"French Guiana", "French Guinea"}};

bool acceptsAsWritten(const QString &zoneTag, const QString &key) {
    if (trimSpaces(zoneTag) == key)
        return true;
    return zoneTag.contains(key, Qt::CaseSensitive);
}

} // namespace

bool isDropAccepted(const QString &zoneTag, const QString &labelTag) {
    const QString key = trimSpaces(labelTag);
    if (acceptsAsWritten(zoneTag, key))
        return true;
    // A zone also accepts whatever its tag accepted under a former spelling.
    for (const CorrectedName &corrected : kCorrectedNames) {
        const QLatin1String name(corrected.name);
        if (!zoneTag.contains(name, Qt::CaseSensitive))
            continue;
        QString former = zoneTag;
        former.replace(name, QLatin1String(corrected.formerSpelling), Qt::CaseSensitive);
        if (acceptsAsWritten(former, key))
            return true;
    }
    return false;
}

} // namespace quiz
