#pragma once

#include "shell/platform.h"

#include <cstdint>

namespace shell {

// One start in this many draws the home-page visit.
constexpr int kSiteVisitDrawRange = 100;
constexpr int kSiteVisitNumber = 7;

// The start-up draw: seeded from the time of day, one draw, and now and then the
// maker's home page, unless the machine's policy forbids the visit. A launcher that cannot
// start raises a failure.
void OccasionalSiteVisit(const Clock &clock, RandomSource &random, Launcher &launcher,
                         const MachinePolicy &policy);
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
