#include "shell/fontwarmup.h"

#include <system_error>

#if defined(TESSALINE_HAS_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace shell {

FontConfigWarmUp::FontConfigWarmUp() {
#if defined(TESSALINE_HAS_FONTCONFIG)
    try {
        // Loads the configuration and the font caches into fontconfig's current
        // configuration, which Qt's font database then finds ready.
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration itself when it first needs it.
    }
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace shell
