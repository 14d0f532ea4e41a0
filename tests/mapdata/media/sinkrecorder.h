#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace mapdata {

// Records what the private null sink plays (tests/with-null-sink.sh names it in
// TESSALINE_TEST_SINK) from its monitor with parec, so that a test can tell whether a sound
// was heard and how long. The null sink's silence is exact zero.
class SinkRecorder {
public:
    static constexpr int kRate = 44100;

    // The sink whose monitor is recorded; the test's own sink by default.
    explicit SinkRecorder(QString sink = testSink());
    ~SinkRecorder();

    SinkRecorder(const SinkRecorder &) = delete;
    SinkRecorder &operator=(const SinkRecorder &) = delete;

    // The sink named by the environment, empty when the test runs without one.
    static QString testSink();
    // Starts parec and waits until the monitor delivers; false when it cannot record.
    bool start();
    // Forgets what was recorded so far: what is heard from now on counts.
    void clear();
    // Runs the event loop until a sound is heard, up to timeoutMs; whether one was.
    bool waitForSound(int timeoutMs);
    // Runs the event loop until a sound heard since clear() has ended (quiet for quietMs) or
    // timeoutMs passes, and returns how long it was heard in milliseconds; 0 if nothing was.
    int heardMs(int timeoutMs, int quietMs = 150);
    // Runs the event loop for ms and says whether anything at all was heard meanwhile.
    bool heardAnythingWithin(int ms);

private:
    void read();
    // The first and one past the last loud sample since clear(); first == -1 when none.
    void loudSpan(qsizetype &first, qsizetype &end) const;

    QString m_sink;
    QProcess m_parec;
    QByteArray m_samples; // s16le mono
};

} // namespace mapdata
