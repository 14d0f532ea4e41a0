#include "sinkrecorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>

#include <cstdlib>
#include <utility>

namespace mapdata {

namespace {

constexpr int kSampleBytes = 2;
constexpr int kLoudThreshold = 4; // of 32767; the null sink's silence is exact zero
constexpr int kStartTimeoutMs = 5000;
constexpr int kPollMs = 5;
constexpr int kMsPerSecond = 1000;

qsizetype samplesForMs(int ms) {
    return qsizetype(ms) * SinkRecorder::kRate / kMsPerSecond;
}

template <typename Done> bool processEventsUntil(Done done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
    return done();
}

} // namespace

SinkRecorder::SinkRecorder(QString sink) : m_sink(std::move(sink)) {
    QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] { read(); });
}

SinkRecorder::~SinkRecorder() {
    if (m_parec.state() != QProcess::NotRunning) {
        m_parec.terminate();
        if (!m_parec.waitForFinished(kStartTimeoutMs))
            m_parec.kill();
    }
}

QString SinkRecorder::testSink() {
    return qEnvironmentVariable("TESSALINE_TEST_SINK");
}

bool SinkRecorder::start() {
    if (m_sink.isEmpty())
        return false;
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("--device=%1.monitor").arg(m_sink), QStringLiteral("--raw"),
                   QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                   QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=10")});
    if (!m_parec.waitForStarted(kStartTimeoutMs))
        return false;
    return processEventsUntil([this] { return !m_samples.isEmpty(); }, kStartTimeoutMs);
}

void SinkRecorder::read() {
    m_samples.append(m_parec.readAllStandardOutput());
}

void SinkRecorder::clear() {
    read();
    m_samples.clear();
}

void SinkRecorder::loudSpan(qsizetype &first, qsizetype &end) const {
    first = -1;
    end = -1;
    const qsizetype count = m_samples.size() / kSampleBytes;
    for (qsizetype i = 0; i < count; ++i) {
        const auto sample = qFromLittleEndian<qint16>(m_samples.constData() + i * kSampleBytes);
        if (std::abs(int(sample)) > kLoudThreshold) {
            if (first < 0)
                first = i;
            end = i + 1;
        }
    }
}

bool SinkRecorder::waitForSound(int timeoutMs) {
    return processEventsUntil(
        [this] {
            qsizetype first = 0;
            qsizetype end = 0;
            loudSpan(first, end);
            return first >= 0;
        },
        timeoutMs);
}

int SinkRecorder::heardMs(int timeoutMs, int quietMs) {
    qsizetype first = -1;
    qsizetype end = -1;
    processEventsUntil(
        [&] {
            loudSpan(first, end);
            return first >= 0 && m_samples.size() / kSampleBytes - end > samplesForMs(quietMs);
        },
        timeoutMs);
    return first < 0 ? 0 : int((end - first) * kMsPerSecond / kRate);
}

bool SinkRecorder::heardAnythingWithin(int ms) {
    processEventsUntil([] { return false; }, ms);
    qsizetype first = 0;
    qsizetype end = 0;
    loudSpan(first, end);
    return first >= 0;
}

} // namespace mapdata
