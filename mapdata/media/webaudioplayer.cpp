#include "mapdata/media/webaudioplayer.h"

#include "mapdata/media/mediaplayer.h"
#include "mapdata/media/soundfile.h"

#include <QFile>

#include <emscripten.h>

#include <cmath>

namespace {

// The player's state in the page, made once: decoded sounds by path, the one playing, and the
// last plays with their times (read by the page's checks and benchmarks). Sounds are decoded
// by an offline context, so that no audio output is opened before the user first presses
// something: browsers start sound only after that.
// clang-format off
EM_JS(void, tessaline_audio_init, (float volume), {
    if (Module.tessalineAudio)
        return;
    const kLogLength = 64;
    const kDecodeRate = 48000;
    const a = {
        buffers: new Map(), wanted: null, context: null, gain: null, source: null, log: [],
        decoder: new OfflineAudioContext(1, 1, kDecodeRate),
    };
    a.open = function() {
        if (!a.context) {
            a.context = new AudioContext();
            a.gain = a.context.createGain();
            a.gain.gain.value = volume;
            a.gain.connect(a.context.destination);
        }
        if (a.context.state === "suspended")
            a.context.resume();
    };
    // Opening the output takes a browser some hundred milliseconds: it is opened at the first
    // press of a button, a touch or a key, which always comes before the first drop.
    for (const type of ["pointerdown", "touchstart", "keydown"])
        window.addEventListener(type, a.open, {capture: true, once: true});
    a.start = function(key, requested) {
        if (a.source) {
            a.source.stop();
            a.source = null;
        }
        const buffer = a.buffers.get(key);
        if (!buffer)
            return;
        a.open();
        const source = a.context.createBufferSource();
        source.buffer = buffer;
        source.connect(a.gain);
        source.start();
        a.source = source;
        a.log.push({key: key, requested: requested, started: performance.now(),
                    contextTime: a.context.currentTime, baseLatency: a.context.baseLatency || 0,
                    outputLatency: a.context.outputLatency || 0});
        if (a.log.length > kLogLength)
            a.log.shift();
    };
    Module.tessalineAudio = a;
});

EM_JS(void, tessaline_audio_decode, (const char *path, const unsigned char *bytes, int size), {
    const a = Module.tessalineAudio;
    const key = UTF8ToString(path);
    a.buffers.set(key, null);
    a.decoder.decodeAudioData(HEAPU8.slice(bytes, bytes + size).buffer).then(function(buffer) {
        a.buffers.set(key, buffer);
        if (a.wanted && a.wanted.key === key)
            a.start(key, a.wanted.requested);
    }, function(error) {
        console.warn("Tessaline: no sound from " + key + ": " + error);
    });
});

EM_JS(void, tessaline_audio_play, (const char *path), {
    const a = Module.tessalineAudio;
    const key = UTF8ToString(path);
    // A sound still being decoded starts once it is, unless another was asked for meanwhile.
    a.wanted = {key: key, requested: performance.now()};
    a.start(key, a.wanted.requested);
});

EM_JS(void, tessaline_audio_stop, (), {
    const a = Module.tessalineAudio;
    a.wanted = null;
    if (a.source) {
        a.source.stop();
        a.source = null;
    }
});
// clang-format on

} // namespace

namespace mapdata {

WebAudioPlayer::WebAudioPlayer(QObject *parent) : QObject(parent) {}

float WebAudioPlayer::linearVolume() {
    // The desktop's slider position, mapped as Qt Multimedia maps a logarithmic volume to a
    // linear one (QAudio::convertVolume), which this Qt does not have.
    constexpr float kFullVolumeSlider = 0.99F;
    constexpr double kLn100 = 4.60517018598809136804;
    const double slider = static_cast<double>(MediaPlayer::kStoredVolume) / MediaPlayer::kMaxVolume;
    return slider > kFullVolumeSlider ? 1.0F : static_cast<float>(-std::log(1.0 - slider) / kLn100);
}

QString WebAudioPlayer::decoded(const QString &url) {
    const QUrl source = resolveSoundUrl(url);
    // The page has local files only, and the browser decodes any container it knows.
    if (!source.isLocalFile() ||
        inspectSoundFile(source.toLocalFile()) == SoundFileKind::Unplayable)
        return {};
    const QString path = source.toLocalFile();
    if (!m_handedOver.contains(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.read(kMaxSoundFileBytes);
        m_handedOver << path;
        tessaline_audio_decode(path.toUtf8().constData(),
                               reinterpret_cast<const unsigned char *>(bytes.constData()),
                               static_cast<int>(bytes.size()));
    }
    return path;
}

void WebAudioPlayer::prepare(const QStringList &preloadURLs) {
    tessaline_audio_init(linearVolume());
    for (const QString &url : preloadURLs)
        decoded(url);
}

void WebAudioPlayer::setURL(const QString &url) {
    m_url = url;
    tessaline_audio_init(linearVolume());
    const QString path = decoded(url);
    if (path.isEmpty())
        tessaline_audio_stop();
    else
        tessaline_audio_play(path.toUtf8().constData());
}

} // namespace mapdata
