// The baseline of the start-up figure: an empty Qt Widgets window of the quiz window's size
// that reports its first painted frame the way the program does. bench/startup.sh times it
// beside the program and gives the program's figure as a ratio to it.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kWidthPixels = 999;
constexpr int kHeightPixels = 706;

class EmptyWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent *event) override {
        QPainter(this).fillRect(event->rect(), Qt::white);
        if (m_painted)
            return;
        m_painted = true;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-frame-ns %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    EmptyWindow window;
    window.setFixedSize(kWidthPixels, kHeightPixels);
    window.show();
    return app.exec();
}
