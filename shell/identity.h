#pragma once

#include "shell/platform.h"
#include "shell/version.h"

#include <QString>

#include <cstdint>

namespace shell {

extern const char *const kProjectName;
extern const char *const kProductName;
extern const char *const kOrganisationName;
extern const char *const kHomePageAddress;
// The base name of the installed desktop entry and theme icon.
extern const char *const kDesktopEntryName;

// The names appended to the application folder, written as the program has always
// written them.
extern const char *const kItemsFileName;    // "\items.txt"
extern const char *const kCursorFileName;   // "\HAND-M.CUR"
extern const char *const kSkinFileName;     // "\x\o.cjs"
extern const char *const kCorrectSoundName; // "/sounds/correct.wma"
extern const char *const kWrongSoundName;
extern const char *const kCompleteSoundName;

constexpr int kAppTitleMaxChars = 40;
// One start in this many draws the home-page visit.
constexpr int kSiteVisitDrawRange = 100;
constexpr int kSiteVisitNumber = 7;

// Turns each backslash into the platform's separator where a backslash is not one,
// so that the same relative names find the same files everywhere.
QString toPlatformSeparators(const QString &relativeName);
// The application folder followed by a relative name.
QString appPath(const QString &appFolder, const char *relativeName);

// True when the file system can report a modification time for the path; never fails.
bool FileExists(const FileSystem &files, const QString &path);

// The title derived from a product name: the last word is cut until it fits.
QString appTitleFor(const QString &productName);
// Gives the running application its title, version and organisation.
void SetAppTitle();

// The start-up draw: seeded from the time of day, one draw, and now and then the
// maker's home page. A launcher that cannot start raises a failure.
void OccasionalSiteVisit(const Clock &clock, RandomSource &random, Launcher &launcher);
int siteVisitDraw(float uniform);

// A small linear congruential generator of 24 bits, seeded from a single-precision
// number, as desktop BASIC runtimes have long done.
class BasicRandom : public RandomSource {
public:
    void randomize(float seed) override;
    float next() override;

private:
    std::uint32_t m_state = 0x50000u;
};

} // namespace shell
