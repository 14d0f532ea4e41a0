#pragma once

#include <thread>

namespace shell {

// Reads the system's font configuration on a thread of its own, started before the
// application connects to the window system. The window's first text needs it, and read on
// the way it takes several milliseconds that the connection's own waiting can hide. Where
// fonts are not configured this way (Windows), it does nothing.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();

    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

    // Waits until the configuration is read; call before the first font is looked up, so
    // that the two never read it twice over.
    void wait();

private:
    std::thread m_thread;
};

} // namespace shell
