// Inner figures of the quiz window: the load handler, a full repaint at two screen
// scales, a drag move and a drop, the last two through real mouse events.
#include "fakes/droppoints.h"
#include "fakes/fakeservices.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>

#include <memory>
#include <optional>

namespace {

using fakes::WiredWindow;
using mapdata::FormWidget;

constexpr double kNanosecondsPerSecond = 1e9;
// Events are flushed until a paint arrives, but never for longer than this.
constexpr int kMaxFlushRounds = 8;

using Fakes = fakes::OnRealFiles;

// The real window on the real files beside the program, with recording fakes for what
// would show a box, play a sound or start a browser.
std::unique_ptr<WiredWindow> makeWindow(Fakes &f) {
    return std::make_unique<WiredWindow>(f.services(QStringLiteral(TESSALINE_ASSETS_DIR)));
}

double secondsSince(const QElapsedTimer &timer) {
    return double(timer.nsecsElapsed()) / kNanosecondsPerSecond;
}

// Counts the widget's paint events and the pixels they cover.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                pixels += qint64(r.width()) * r.height();
        }
        return false;
    }
    qint64 paints = 0;
    qint64 pixels = 0;
};

// Delivers posted events until the widget has painted, or nothing more is pending.
void flushUntilPainted(PaintCounter &counter) {
    const qint64 before = counter.paints;
    for (int round = 0; round < kMaxFlushRounds && counter.paints == before; ++round)
        QCoreApplication::processEvents();
}

void BM_FormLoad(benchmark::State &state) {
    for (auto _ : state) {
        Fakes f;
        auto window = makeWindow(f);
        QElapsedTimer timer;
        timer.start();
        window->load();
        state.SetIterationTime(secondsSince(timer));
        if (!f.boxes.calls.empty()) {
            state.SkipWithError("the load reported a failure");
            break;
        }
    }
}
BENCHMARK(BM_FormLoad)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The whole client area painted into an image of the backing store's format.
void BM_FullRepaint(benchmark::State &state) {
    const qreal dpr = qreal(state.range(0));
    Fakes f;
    auto window = makeWindow(f);
    window->load();
    FormWidget &w = window->widget();
    QImage image(w.size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    auto paintOnce = [&] {
        QPainter painter(&image);
        w.paintForm(painter, w.rect());
    };
    paintOnce(); // pictures are scaled once per screen scale and kept
    for (auto _ : state) {
        paintOnce();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("scale " + std::to_string(int(dpr)));
}
BENCHMARK(BM_FullRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

struct ShownBoard {
    Fakes f;
    std::unique_ptr<WiredWindow> window;
    std::unique_ptr<PaintCounter> counter;

    ShownBoard() : window(makeWindow(f)) {
        window->loadAndShow();
        if (!QTest::qWaitForWindowExposed(&window->widget()))
            qWarning("the window was never exposed");
        counter = std::make_unique<PaintCounter>(window->widget());
        QCoreApplication::processEvents();
    }
    FormWidget &widget() { return window->widget(); }
    mapdata::QuizWindowDesign &design() { return window->design(); }
};

// The same through the widget's own paint path on the offscreen platform.
void BM_WidgetRepaint(benchmark::State &state) {
    ShownBoard board;
    FormWidget &w = board.widget();
    w.repaint();
    const qint64 before = board.counter->paints;
    for (auto _ : state)
        w.repaint();
    state.counters["paints_per_repaint"] =
        double(board.counter->paints - before) / double(state.iterations());
}
BENCHMARK(BM_WidgetRepaint)->Unit(benchmark::kMicrosecond);

// A drag across the map. With clearIcon the name keeps showing its outline (as before
// the pointer first passes over the pool), otherwise the push-pin pointer.
void dragMove(benchmark::State &state, bool outline) {
    ShownBoard board;
    FormWidget &w = board.widget();
    const quiz::ZonePlaces places(board.design());
    const QPoint start = fakes::poolPixel(board.design(), 0);
    const std::optional<QPoint> target = fakes::dropPixel(board.design(), places, 0, true);
    if (!target) {
        state.SkipWithError("no pick-up or drop point");
        return;
    }
    QTest::mousePress(&w, Qt::LeftButton, {}, start);
    QTest::mouseMove(&w, start + QPoint(2, 2));
    QTest::mouseMove(&w, *target);
    if (outline)
        board.design().labels(0).setDragIcon(QImage());
    QCoreApplication::processEvents();
    const qint64 paintsBefore = board.counter->paints;
    const qint64 pixelsBefore = board.counter->pixels;
    int step = 0;
    for (auto _ : state) {
        // A few pixels each way, as a hand moves.
        const QPoint offset((step % 2) ? 3 : -3, (step % 2) ? 2 : -2);
        ++step;
        QTest::mouseMove(&w, *target + offset);
        if (outline)
            flushUntilPainted(*board.counter);
        else
            QCoreApplication::processEvents();
    }
    const double moves = double(state.iterations());
    state.counters["paints_per_move"] = double(board.counter->paints - paintsBefore) / moves;
    state.counters["painted_px_per_move"] = double(board.counter->pixels - pixelsBefore) / moves;
    state.counters["window_px"] = double(w.width() * w.height());
    QTest::mouseRelease(&w, Qt::LeftButton, {}, *target);
}

void BM_DragMove_PinPointer(benchmark::State &state) {
    dragMove(state, false);
}
void BM_DragMove_Outline(benchmark::State &state) {
    dragMove(state, true);
}
BENCHMARK(BM_DragMove_PinPointer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragMove_Outline)->Unit(benchmark::kMicrosecond);

// One drop timed from the mouse release to the repainted frame. Correct drops go through
// the 28 names in turn, so every 28th also completes the map and deals again.
void drop(benchmark::State &state, bool correct) {
    ShownBoard board;
    FormWidget &w = board.widget();
    struct Way {
        QPoint from;
        QPoint to;
    };
    std::vector<Way> ways;
    const quiz::ZonePlaces places(board.design());
    for (int i = 0; i < mapdata::kItemCount; ++i) {
        const QPoint from = fakes::poolPixel(board.design(), i);
        const std::optional<QPoint> to = fakes::dropPixel(board.design(), places, i, correct);
        if (!to) {
            state.SkipWithError("no pick-up or drop point");
            return;
        }
        ways.push_back({from, *to});
    }
    qint64 paints = 0;
    int item = 0;
    for (auto _ : state) {
        const Way &way = ways[std::size_t(item)];
        item = (item + 1) % mapdata::kItemCount;
        QTest::mousePress(&w, Qt::LeftButton, {}, way.from);
        QTest::mouseMove(&w, way.from + QPoint(2, 2));
        QTest::mouseMove(&w, way.to);
        QCoreApplication::processEvents();
        // The recordings would only grow.
        board.f.sounds.requests.clear();
        board.f.boxes.calls.clear();
        const qint64 before = board.counter->paints;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseRelease(&w, Qt::LeftButton, {}, way.to);
        flushUntilPainted(*board.counter);
        state.SetIterationTime(secondsSince(timer));
        paints += board.counter->paints - before;
    }
    state.counters["paints_per_drop"] = double(paints) / double(state.iterations());
    state.counters["placed"] = board.window->form1().placedCount;
}

void BM_Drop_Correct(benchmark::State &state) {
    drop(state, true);
}
void BM_Drop_Wrong(benchmark::State &state) {
    drop(state, false);
}
BENCHMARK(BM_Drop_Correct)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drop_Wrong)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The offscreen platform warns on every grab of the mouse; that says nothing here.
void quietGrabWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.contains(QLatin1String("does not support grabbing")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    qInstallMessageHandler(quietGrabWarnings);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
