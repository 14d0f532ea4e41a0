#include "shell/startupdraw.h"

#include "mapdata/toolkit/failure.h"
#include "shell/identity.h"

#include <cmath>
#include <cstring>

namespace shell {

namespace {
constexpr std::uint32_t kRandomModulus = 1u << 24;
constexpr std::uint32_t kRandomMultiplier = 1140671485u;
constexpr std::uint32_t kRandomIncrement = 12820163u;
constexpr std::uint32_t kRandomMask = kRandomModulus - 1;
} // namespace

int siteVisitDraw(float uniform) {
    return int(std::floor(uniform * kSiteVisitDrawRange)) + 1;
}

void OccasionalSiteVisit(const Clock &clock, RandomSource &random, Launcher &launcher,
                         const MachinePolicy &policy) {
    random.randomize(float(clock.secondsSinceMidnight()));
    const int n = siteVisitDraw(random.next());
    // The policy is read only when it matters: one start in a hundred.
    if (n != kSiteVisitNumber || !policy.siteVisitAllowed())
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
