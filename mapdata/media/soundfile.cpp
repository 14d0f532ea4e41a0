#include "mapdata/media/soundfile.h"

#include "mapdata/files/filehead.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace mapdata {

namespace {

constexpr int kWaveTagOffset = 8;
constexpr int kFtypOffset = 4; // MP4 and M4A
// The first bytes of the ASF header object's GUID (WMA, WMV).
constexpr char kAsfGuidStart[] = {'\x30', '\x26', '\xB2', '\x75', '\x8E', '\x66', '\xCF', '\x11'};

} // namespace

SoundFileKind soundKindOfHeader(const char *header, std::int64_t size) {
    if (size < kSoundHeaderBytes)
        return SoundFileKind::Unplayable; // empty or truncated: no sound file is this short
    const auto tagAt = [header](int offset, const char *tag) {
        return std::memcmp(header + offset, tag, std::strlen(tag)) == 0;
    };
    if (tagAt(0, "RIFF") && tagAt(kWaveTagOffset, "WAVE"))
        return SoundFileKind::Wave;
    // Containers a user may put in place of a sound, for the media backend to decode. Anything
    // else is not handed to a decoder at all, so random bytes cost no backend.
    const auto byte = [header](int i) { return static_cast<unsigned char>(header[i]); };
    const bool asf = std::memcmp(header, kAsfGuidStart, sizeof kAsfGuidStart) == 0;
    const bool mpegFrame = byte(0) == 0xFF && (byte(1) & 0xE0) == 0xE0; // MP3, AAC (ADTS)
    const bool matroska = byte(0) == 0x1A && byte(1) == 0x45 && byte(2) == 0xDF && byte(3) == 0xA3;
    if (asf || mpegFrame || matroska || tagAt(0, "ID3") || tagAt(0, "OggS") || tagAt(0, "fLaC") ||
        tagAt(0, "RIFF") || tagAt(0, "FORM") || tagAt(kFtypOffset, "ftyp"))
        return SoundFileKind::Other;
    return SoundFileKind::Unplayable;
}

QUrl resolveSoundUrl(const QString &url) {
    const QString trimmed = url.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A bare path (absolute, relative or with a drive letter) is a file; only a scheme of two or
    // more letters makes it a URL, so "C:/x.wma" stays a path.
    const QUrl parsed(trimmed, QUrl::StrictMode);
    if (parsed.isValid() && parsed.scheme().size() > 1)
        return parsed.isLocalFile() ? QUrl::fromLocalFile(QDir::cleanPath(parsed.toLocalFile()))
                                    : parsed;
    return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(trimmed).absoluteFilePath()));
}

SoundFileKind inspectSoundFile(const QString &path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() > kMaxSoundFileBytes)
        return SoundFileKind::Unplayable;
    const QByteArray header = readFileHead(path, kSoundHeaderBytes);
    return soundKindOfHeader(header.constData(), header.size());
}

} // namespace mapdata
