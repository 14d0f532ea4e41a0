#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fakes {

// Ends the test program with a message when a reader has not returned in time: a reader
// waiting on a pipe would otherwise hang the suite instead of failing it.
class Watchdog {
public:
    explicit Watchdog(const char *what, std::chrono::seconds limit = std::chrono::seconds(20))
        : m_thread([this, what, limit] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_disarmed; })) {
                  std::fprintf(stderr, "still waiting after %lld s: %s\n",
                               static_cast<long long>(limit.count()), what);
                  std::_Exit(EXIT_FAILURE);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_disarmed = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_disarmed = false;
    std::thread m_thread;
};

#ifdef Q_OS_UNIX
// The most memory the process has held so far, in MiB (0 where it cannot be told).
inline long peakMemoryMiB() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
#ifdef Q_OS_MACOS
    return long(usage.ru_maxrss / (1024 * 1024));
#else
    return long(usage.ru_maxrss / 1024);
#endif
}

inline bool makeFifo(const QString &path) {
    return ::mkfifo(path.toLocal8Bit().constData(), 0600) == 0;
}
#endif

// n lines, each a short name and a line end.
inline QByteArray manyLines(int n) {
    QByteArray bytes;
    bytes.reserve(qsizetype(n) * 8);
    for (int i = 0; i < n; ++i)
        bytes += "Line" + QByteArray::number(i % 1000) + "\r\n";
    return bytes;
}

} // namespace fakes
