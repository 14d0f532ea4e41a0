#include "fakes/fakes.h"
#include "shell/startupdraw.h"

#include <gtest/gtest.h>

using namespace shell;

class SiteVisit : public ::testing::Test {
protected:
    void run() { OccasionalSiteVisit(clock, random, launcher, policy); }
    fakes::FakeClock clock;
    fakes::ScriptedRandom random;
    fakes::RecordingLauncher launcher;
    fakes::FakeMachinePolicy policy;
};

TEST_F(SiteVisit, DrawOfSevenOpensTheHomePageOnce) {
    random.value = 0.065f;
    run();
    EXPECT_EQ(launcher.opened, QStringList{QStringLiteral("https://www.quelmark.example/")});
    EXPECT_EQ(random.draws, 1);
}

TEST_F(SiteVisit, AMachinePolicyOfNeverOpensNothingEvenOnASeven) {
    policy.allowsSiteVisit = false;
    random.value = 0.065f;
    run();
    EXPECT_TRUE(launcher.opened.isEmpty());
    EXPECT_EQ(policy.reads, 1);
    EXPECT_EQ(random.draws, 1) << "the draw is made as without a policy";
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
