// Times one start of a program to its first frame as the user sees it: from just before the
// process starts until its window is mapped and the window's pixels on the X server show the
// expected colours. Also reads the frame time the program reports itself, if it does, and its
// peak resident memory after a settling time. bench/startup.py runs it again and again.
//
// usage: tessaline_xfirstframe --size WxH --expect X,Y=RRGGBB [--expect ...]
//                              [--settle SECONDS] [--timeout SECONDS] -- PROGRAM [ARGS...]
// prints: mapped-ms A on-screen-ms B reported-ms C peak-rss-kib D   (C is -1 when not reported)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr long kPollIntervalNs = 1'000'000; // between two looks at the pixels
constexpr int kColourTolerance = 2;         // per channel, for servers that dither
constexpr long kNsPerMs = 1'000'000;
constexpr std::uint32_t kRgbMask = 0xFFFFFF;

struct Expectation {
    int x = 0;
    int y = 0;
    std::uint32_t rgb = 0;
};

struct Options {
    int width = 0;
    int height = 0;
    std::vector<Expectation> expected;
    double settleSeconds = 2.0;
    double timeoutSeconds = 20.0;
    std::vector<char *> command;
};

std::int64_t nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// The program under test, once started: a failed measurement must not leave it running.
pid_t g_child = 0;

[[noreturn]] void fail(const char *what) {
    if (g_child > 0) {
        kill(g_child, SIGKILL);
        waitpid(g_child, nullptr, 0);
    }
    std::fprintf(stderr, "xfirstframe: %s\n", what);
    std::exit(2);
}

Options parseOptions(int argc, char **argv) {
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc)
            fail("option without value");
        const char *value = argv[++i];
        if (arg == "--size") {
            if (std::sscanf(value, "%dx%d", &options.width, &options.height) != 2)
                fail("--size wants WxH");
        } else if (arg == "--expect") {
            Expectation e;
            unsigned rgb = 0;
            if (std::sscanf(value, "%d,%d=%x", &e.x, &e.y, &rgb) != 3)
                fail("--expect wants X,Y=RRGGBB");
            e.rgb = rgb & kRgbMask;
            options.expected.push_back(e);
        } else if (arg == "--settle") {
            options.settleSeconds = std::atof(value);
        } else if (arg == "--timeout") {
            options.timeoutSeconds = std::atof(value);
        } else {
            fail("unknown option");
        }
    }
    for (; i < argc; ++i)
        options.command.push_back(argv[i]);
    options.command.push_back(nullptr);
    if (options.command.size() < 2 || options.width <= 0 || options.expected.empty())
        fail("usage: --size WxH --expect X,Y=RRGGBB ... -- PROGRAM [ARGS...]");
    return options;
}

// A window can vanish between the event and the question; that is not our failure.
int ignoreXError(Display *, XErrorEvent *) {
    return 0;
}

bool closeEnough(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = int((a >> shift) & 0xFF);
        const int cb = int((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > kColourTolerance)
            return false;
    }
    return true;
}

int channelShift(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

std::optional<std::uint32_t> pixelAt(Display *display, Window window, const Visual *visual, int x,
                                     int y) {
    XImage *image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    const auto channel = [pixel](unsigned long mask) {
        return std::uint32_t((pixel & mask) >> channelShift(mask)) & 0xFF;
    };
    return channel(visual->red_mask) << 16 | channel(visual->green_mask) << 8 |
           channel(visual->blue_mask);
}

bool showsExpected(Display *display, Window window, const Visual *visual,
                   const std::vector<Expectation> &expected) {
    for (const Expectation &e : expected) {
        const auto rgb = pixelAt(display, window, visual, e.x, e.y);
        if (!rgb || !closeEnough(*rgb, e.rgb))
            return false;
    }
    return true;
}

// Reads what the program wrote and returns its "first-frame-ns T" figure once seen.
class ReportReader {
public:
    explicit ReportReader(int fd) : m_fd(fd) {}

    void drain() {
        char buffer[4096];
        for (;;) {
            const ssize_t n = read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                return;
            m_text.append(buffer, std::size_t(n));
        }
    }

    std::optional<std::int64_t> firstFrameNs() const {
        static const char kKey[] = "first-frame-ns ";
        const std::size_t at = m_text.find(kKey);
        if (at == std::string::npos || m_text.find('\n', at) == std::string::npos)
            return std::nullopt;
        return std::strtoll(m_text.c_str() + at + sizeof kKey - 1, nullptr, 10);
    }

private:
    int m_fd;
    std::string m_text;
};

long peakResidentKiB(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *status = std::fopen(path.c_str(), "r");
    if (!status)
        return 0;
    char line[256];
    long kib = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kib = std::atol(line + 6);
    std::fclose(status);
    return kib;
}

void sleepNs(long ns) {
    timespec ts{0, ns};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
}

bool exited(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid)
        return false;
    g_child = 0;
    return true;
}

} // namespace

int main(int argc, char **argv) {
    const Options options = parseOptions(argc, argv);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display");
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    // Without a window manager, top-level windows are the root's children: their map
    // notices come to whoever listens to the root's substructure.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        fail("pipe");
    setenv("TESSALINE_REPORT_FIRST_FRAME", "1", 1);

    const std::int64_t startNs = nowNs();
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork");
    if (pid == 0) {
        close(ConnectionNumber(display));
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execv(options.command[0], options.command.data());
        _exit(127);
    }
    g_child = pid;
    close(pipeFds[1]);
    fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    ReportReader reader(pipeFds[0]);
    const std::int64_t deadlineNs = startNs + std::int64_t(options.timeoutSeconds * 1e9);

    // 1. Wait for a window of the given size to be mapped.
    Window window = 0;
    const Visual *visual = nullptr;
    std::int64_t mappedNs = 0;
    while (!window) {
        if (nowNs() > deadlineNs || exited(pid))
            fail("no window was mapped");
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, event.xmap.window, &attributes))
            continue;
        if (attributes.width == options.width && attributes.height == options.height) {
            mappedNs = nowNs();
            window = event.xmap.window;
            visual = attributes.visual;
        }
    }

    // 2. Look at its pixels until they show what the program draws.
    std::int64_t onScreenNs = 0;
    while (!onScreenNs) {
        if (showsExpected(display, window, visual, options.expected)) {
            onScreenNs = nowNs();
            break;
        }
        if (nowNs() > deadlineNs || exited(pid))
            fail("the window never showed the expected pixels");
        sleepNs(kPollIntervalNs);
    }

    // 3. Let the program settle (it builds its sound player after the first frame), then
    // read its peak memory and end it.
    const std::int64_t settleEndNs = onScreenNs + std::int64_t(options.settleSeconds * 1e9);
    while (nowNs() < settleEndNs) {
        reader.drain();
        pollfd fd{pipeFds[0], POLLIN, 0};
        poll(&fd, 1, int((settleEndNs - nowNs()) / kNsPerMs) + 1);
    }
    reader.drain();
    const long hwmKiB = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long peakKiB = std::max(hwmKiB, long(usage.ru_maxrss));

    const auto toMs = [startNs](std::int64_t ns) { return double(ns - startNs) / 1e6; };
    const auto reported = reader.firstFrameNs();
    std::printf("mapped-ms %.2f on-screen-ms %.2f reported-ms %.2f peak-rss-kib %ld\n",
                toMs(mappedNs), toMs(onScreenNs), reported ? toMs(*reported) : -1.0, peakKiB);
    XCloseDisplay(display);
    return 0;
}
