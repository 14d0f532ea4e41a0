#include "shell/identity.h"

#include "mapdata/toolkit/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <cmath>
#include <cstring>

namespace shell {

const char *const kProjectName = "Tessaline";
const char *const kProductName = "Tessaline";
const char *const kOrganisationName = "Quelmark";
const char *const kHomePageAddress = "https://www.quelmark.example/";
const char *const kDesktopEntryName = "tessaline";

const char *const kItemsFileName = "\\items.txt";
const char *const kCursorFileName = "\\HAND-M.CUR";
const char *const kSkinFileName = "\\x\\o.cjs";
const char *const kCorrectSoundName = "/sounds/correct.wma";
const char *const kWrongSoundName = "/sounds/wrong.wma";
const char *const kCompleteSoundName = "/sounds/complete.wma";

namespace {
constexpr std::uint32_t kRandomModulus = 1u << 24;
constexpr std::uint32_t kRandomMultiplier = 1140671485u;
constexpr std::uint32_t kRandomIncrement = 12820163u;
constexpr std::uint32_t kRandomMask = kRandomModulus - 1;
} // namespace

QString toPlatformSeparators(const QString &relativeName) {
#ifdef Q_OS_WIN
    return relativeName;
#else
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name;
#endif
}

QString appPath(const QString &appFolder, const char *relativeName) {
    return appFolder + toPlatformSeparators(QString::fromLatin1(relativeName));
}

bool FileExists(const FileSystem &files, const QString &path) {
    if (path.isEmpty())
        return false;
    try {
        return files.hasModificationTime(path);
    } catch (...) {
        return false;
    }
}

QString appTitleFor(const QString &productName) {
    QString title = productName;
    do {
        const int space = title.lastIndexOf(QLatin1Char(' '));
        // A name without a space keeps the whole name.
        if (space < 0)
            break;
        title.truncate(space);
    } while (title.size() > kAppTitleMaxChars);
    return title.left(kAppTitleMaxChars);
}

void SetAppTitle() {
    QCoreApplication::setApplicationName(appTitleFor(QString::fromLatin1(kProductName)));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisationName));
    QGuiApplication::setApplicationDisplayName(appTitleFor(QString::fromLatin1(kProductName)));
    // Lets desktops that match windows to their entries find tessaline.desktop and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryName));
}

int siteVisitDraw(float uniform) {
    return int(std::floor(uniform * kSiteVisitDrawRange)) + 1;
}

void OccasionalSiteVisit(const Clock &clock, RandomSource &random, Launcher &launcher) {
    random.randomize(float(clock.secondsSinceMidnight()));
    const int n = siteVisitDraw(random.next());
    if (n != kSiteVisitNumber)
        return;
    if (!launcher.openWebAddress(QString::fromLatin1(kHomePageAddress)))
        throw mapdata::Failure::fileNotFound();
}

void BasicRandom::randomize(float seed) {
    // Mixes the seed's bits into the middle of the state, keeping the low byte.
    std::uint32_t bits = 0;
    static_assert(sizeof(bits) == sizeof(seed), "single precision is 32 bits");
    std::memcpy(&bits, &seed, sizeof(bits));
    const std::uint32_t mixed = ((bits >> 16) ^ bits) & 0xFFFFu;
    m_state = (m_state & 0xFF0000FFu & kRandomMask) | (mixed << 8);
}

float BasicRandom::next() {
    m_state = (m_state * kRandomMultiplier + kRandomIncrement) & kRandomMask;
    return float(m_state) / float(kRandomModulus);
}

} // namespace shell
