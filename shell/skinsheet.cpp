#include "shell/skinsheet.h"

#include "shell/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace shell {

namespace {

const QLatin1String kUrlOpen("url(");
const QLatin1String kImport("@import");
// Qt looks for "name@Nx.ext" beside a picture for screens that scale by N.
constexpr int kMaxScaleVariant = 9;

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

bool isSheetSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

qsizetype skipSpace(const QString &text, qsizetype at) {
    while (at < text.size() && isSheetSpace(text.at(at)))
        ++at;
    return at;
}

// Reads the inside of a url( whose "(" ends just before at; returns the position after ")",
// or -1 when it is not a well-formed url.
qsizetype readUrlBody(const QString &sheet, qsizetype at, QString *path) {
    at = skipSpace(sheet, at);
    if (at >= sheet.size())
        return -1;
    const QChar quote = sheet.at(at);
    if (quote == QLatin1Char('"') || quote == QLatin1Char('\'')) {
        const qsizetype close = sheet.indexOf(quote, at + 1);
        if (close < 0)
            return -1;
        *path = sheet.mid(at + 1, close - at - 1);
        at = skipSpace(sheet, close + 1);
        if (at >= sheet.size() || sheet.at(at) != QLatin1Char(')'))
            return -1;
        return at + 1;
    }
    const qsizetype close = sheet.indexOf(QLatin1Char(')'), at);
    if (close < 0)
        return -1;
    *path = sheet.mid(at, close - at);
    while (!path->isEmpty() && isSheetSpace(path->back()))
        path->chop(1);
    for (QChar c : *path)
        if (isSheetSpace(c) || c == QLatin1Char('"') || c == QLatin1Char('\'') ||
            c == QLatin1Char('('))
            return -1;
    return close + 1;
}

bool isWritableInQuotes(const QString &path) {
    for (QChar c : path)
        if (c == QLatin1Char('"') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    return true;
}

// The checks on one file a skin may have Qt read, with its running total.
class Confinement {
public:
    explicit Confinement(QString folder) : m_folder(std::move(folder)) {}

    // The checked full path, or nothing when the file breaks the rule.
    std::optional<QString> admit(const QString &path) {
        const QString canonical =
            QFileInfo(QDir(m_folder).absoluteFilePath(path)).canonicalFilePath();
        if (!admitFile(canonical))
            return std::nullopt;
        const QFileInfo info(canonical);
        const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
        const QString suffix =
            info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        for (int scale = 2; scale <= kMaxScaleVariant; ++scale) {
            const QString variant = stem + QStringLiteral("@%1x").arg(scale) + suffix;
            // A broken link is no variant to Qt either.
            if (QFileInfo::exists(variant) && !admitFile(QFileInfo(variant).canonicalFilePath()))
                return std::nullopt;
        }
        return canonical;
    }

private:
    bool admitFile(const QString &canonical) {
        if (canonical.isEmpty() || !isWritableInQuotes(canonical))
            return false;
        if (!canonical.startsWith(m_folder + QLatin1Char('/'), kPathCase) ||
            !isRegularFile(canonical))
            return false;
        if (m_seen.contains(canonical))
            return true;
        m_seen.insert(canonical);
        m_totalBytes += QFileInfo(canonical).size();
        return m_totalBytes <= kMaxSkinPictureBytes;
    }

    QString m_folder;
    QSet<QString> m_seen;
    qsizetype m_totalBytes = 0;
};

} // namespace

std::optional<QList<SheetUrl>> findSheetUrls(const QString &sheet) {
    if (sheet.contains(QLatin1Char('\\')) || sheet.contains(kImport, Qt::CaseInsensitive))
        return std::nullopt;
    QList<SheetUrl> urls;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = sheet.indexOf(kUrlOpen, from, Qt::CaseInsensitive);
        if (start < 0)
            break;
        SheetUrl url;
        url.start = start;
        const qsizetype end = readUrlBody(sheet, start + kUrlOpen.size(), &url.path);
        if (end < 0 || url.path.isEmpty() || urls.size() >= kMaxSheetUrls)
            return std::nullopt;
        url.length = end - start;
        urls.append(url);
        from = end;
    }
    return urls;
}

std::optional<QString> confineSheetUrls(const QString &sheet, const QString &skinFolder) {
    const std::optional<QList<SheetUrl>> urls = findSheetUrls(sheet);
    if (!urls)
        return std::nullopt;
    if (urls->isEmpty())
        return sheet;
    const QString folder = QFileInfo(skinFolder).canonicalFilePath();
    if (folder.isEmpty())
        return std::nullopt;
    Confinement confinement(folder);
    QString confined;
    qsizetype copied = 0;
    for (const SheetUrl &url : *urls) {
        const std::optional<QString> path = confinement.admit(url.path);
        if (!path)
            return std::nullopt;
        confined += QStringView(sheet).mid(copied, url.start - copied);
        confined += QStringLiteral("url(\"") + *path + QStringLiteral("\")");
        copied = url.start + url.length;
    }
    confined += QStringView(sheet).mid(copied);
    return confined;
}

} // namespace shell
