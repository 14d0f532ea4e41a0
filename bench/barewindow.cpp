// The physical floor under the start-up figure: a bare Xlib window of the quiz window's size
// that maps and puts one image of its whole area, and nothing else. Reports the moment the
// image has reached the server the way the program reports its first frame.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kWidthPixels = 999;
constexpr int kHeightPixels = 706;
// The panel's blue: any colour the X server does not show by itself would do.
constexpr unsigned long kFillRgb = 0x3060A7;
constexpr int kBitsPerPixel = 32;

} // namespace

int main() {
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const int screen = DefaultScreen(display);
    Visual *visual = DefaultVisual(display, screen);
    const int depth = DefaultDepth(display, screen);
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None;
    attributes.event_mask = ExposureMask;
    const Window window =
        XCreateWindow(display, DefaultRootWindow(display), 0, 0, kWidthPixels, kHeightPixels, 0,
                      depth, InputOutput, visual, CWBackPixmap | CWEventMask, &attributes);
    XMapWindow(display, window);

    // The image is made while the server maps the window.
    auto *pixels = static_cast<std::uint32_t *>(
        std::malloc(std::size_t(kWidthPixels) * kHeightPixels * sizeof(std::uint32_t)));
    for (int i = 0; i < kWidthPixels * kHeightPixels; ++i)
        pixels[i] = std::uint32_t(kFillRgb);
    XImage *image =
        XCreateImage(display, visual, unsigned(depth), ZPixmap, 0, reinterpret_cast<char *>(pixels),
                     kWidthPixels, kHeightPixels, kBitsPerPixel, 0);
    const GC gc = XCreateGC(display, window, 0, nullptr);

    bool painted = false;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != Expose || event.xexpose.count != 0)
            continue;
        XPutImage(display, window, gc, image, 0, 0, 0, 0, kWidthPixels, kHeightPixels);
        XSync(display, False);
        if (!painted && std::getenv("TESSALINE_REPORT_FIRST_FRAME")) {
            painted = true;
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-frame-ns %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
        }
    }
}
