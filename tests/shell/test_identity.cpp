#include "fakes/bounded.h"
#include "fakes/fakes.h"
#include "shell/identity.h"
#include "shell/qtplatform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

using namespace shell;

TEST(AppTitle, CutsTheLastWordEvenFromAShortNameAndThenAsManyAsNeededToFitForty) {
    EXPECT_EQ(appTitleFor(QStringLiteral("Map Quiz Deluxe")), QStringLiteral("Map Quiz"));
    const QString tenWords =
        QStringLiteral("alpha bravo charl delta echoo foxtr golfy hotel india julie");
    ASSERT_EQ(tenWords.size(), 59);
    EXPECT_EQ(appTitleFor(tenWords), QStringLiteral("alpha bravo charl delta echoo foxtr"));
    EXPECT_EQ(appTitleFor(tenWords).size(), 35);
}

TEST(AppTitle, NameWithoutASpaceKeepsTheWholeNameUpToForty) {
    EXPECT_EQ(appTitleFor(QStringLiteral("Tessaline")), QStringLiteral("Tessaline"));
    EXPECT_EQ(appTitleFor(QString(50, QLatin1Char('x'))).size(), kAppTitleMaxChars);
    // A first word longer than forty is all that is left after the cuts.
    EXPECT_EQ(appTitleFor(QString(45, QLatin1Char('y')) + QStringLiteral(" z")),
              QString(40, QLatin1Char('y')));
}

TEST(AppTitle, SetAppTitleTellsQtTheTitleVersionAndOrganisation) {
    SetAppTitle();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Tessaline"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("7.00"));
    EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Quelmark"));
}

namespace {
class ThrowingFileSystem : public FileSystem {
public:
    bool hasModificationTime(const QString &) const override {
        throw std::runtime_error("device gone");
    }
    bool isNormalFile(const QString &) const override { return false; }
    shell::FileHead readFile(const QString &, qsizetype) const override { return {}; }
};
} // namespace

TEST(FileExists, IsFalseForEmptyMissingAndRejectedPathsAndTrueForARealFile) {
    QtFileSystem files;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString present = dir.filePath(QStringLiteral("HAND-M.CUR"));
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    EXPECT_TRUE(FileExists(files, present));
    EXPECT_FALSE(FileExists(files, QString()));
    EXPECT_FALSE(FileExists(files, dir.filePath(QStringLiteral("missing.cur"))));
    EXPECT_FALSE(FileExists(files, dir.filePath(QStringLiteral("no-such-folder/HAND-M.CUR"))));
    EXPECT_FALSE(FileExists(files, dir.path() + QStringLiteral("/bad") + QChar(0) + "name"));
}

TEST(FileExists, AbsorbsEveryFailureOfTheFileSystem) {
    ThrowingFileSystem files;
    bool result = true;
    EXPECT_NO_THROW(result = FileExists(files, QStringLiteral("/app/HAND-M.CUR")));
    EXPECT_FALSE(result);
}

class SiteVisit : public ::testing::Test {
protected:
    void run() { OccasionalSiteVisit(clock, random, launcher); }
    fakes::FakeClock clock;
    fakes::ScriptedRandom random;
    fakes::RecordingLauncher launcher;
};

TEST_F(SiteVisit, DrawOfSevenOpensTheHomePageOnce) {
    random.value = 0.065f;
    run();
    EXPECT_EQ(launcher.opened, QStringList{QStringLiteral("https://www.quelmark.example/")});
    EXPECT_EQ(random.draws, 1);
}

TEST_F(SiteVisit, EveryOtherDrawOpensNothing) {
    for (float value : {0.0f, 0.055f, 0.075f, 0.5f, 0.99999994f}) {
        random.value = value;
        run();
    }
    EXPECT_TRUE(launcher.opened.isEmpty());
}

TEST_F(SiteVisit, IsSeededFromTheSecondsSinceMidnightWithTheirFraction) {
    clock.seconds = 45296.25;
    run();
    EXPECT_EQ(random.seeds, std::vector<float>{45296.25f});
}

TEST_F(SiteVisit, LauncherThatCannotStartRaisesAFailure) {
    random.value = 0.065f;
    launcher.succeeds = false;
    EXPECT_THROW(run(), mapdata::Failure);
}

TEST(SiteVisitDraw, MapsTheUnitIntervalOntoOneToAHundred) {
    EXPECT_EQ(siteVisitDraw(0.0f), 1);
    EXPECT_EQ(siteVisitDraw(0.065f), 7);
    EXPECT_EQ(siteVisitDraw(0.99999994f), 100);
}

TEST(BasicRandom, SeedsFromEachSecondOfTheDayGiveEveryDrawAboutOnceInAHundred) {
    constexpr int kSecondsPerDay = 86400;
    int sevens = 0;
    float previous = -1.0f;
    int repeats = 0;
    for (int second = 0; second < kSecondsPerDay; ++second) {
        BasicRandom random;
        random.randomize(float(second) + 0.5f);
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sevens += siteVisitDraw(r) == kSiteVisitNumber ? 1 : 0;
        repeats += r == previous ? 1 : 0;
        previous = r;
    }
    EXPECT_GT(sevens, kSecondsPerDay / 200);
    EXPECT_LT(sevens, kSecondsPerDay / 50);
    EXPECT_LT(repeats, kSecondsPerDay / 100) << "starts a second apart draw differently";
}

TEST(AppPath, AppendsTheRelativeNamesWithThePlatformsSeparator) {
#ifndef Q_OS_WIN
    EXPECT_EQ(appPath(QStringLiteral("/opt/t"), kSkinFileName), QStringLiteral("/opt/t/x/o.cjs"));
    EXPECT_EQ(appPath(QStringLiteral("/opt/t"), kCorrectSoundName),
              QStringLiteral("/opt/t/sounds/correct.wma"));
#endif
    EXPECT_EQ(QDir::fromNativeSeparators(appPath(QStringLiteral("/opt/t"), kCursorFileName)),
              QStringLiteral("/opt/t/HAND-M.CUR"));
}

#ifdef Q_OS_UNIX
TEST(FileExists, AsksOnlyForTheTimeSoAPipeIsPresentAndNeverWaitedOn) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("HAND-M.CUR"));
    ASSERT_TRUE(fakes::makeFifo(pipe));
    QtFileSystem files;
    fakes::Watchdog watchdog("FileExists on a pipe");
    EXPECT_TRUE(FileExists(files, pipe));
}
#endif
