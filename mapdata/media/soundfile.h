#pragma once

#include <QString>
#include <QUrl>

#include <cstdint>

namespace mapdata {

// How a sound file is to be played, judged from what lies at its path and its first bytes.
enum class SoundFileKind {
    Unplayable, // missing, unreadable, not a regular file, too short or large, unknown bytes
    Wave,       // RIFF/WAVE: played by the light sound-effect path, no decoder
    Other,      // another media container (WMA, MP3, Ogg, ...): needs the full media backend
};

// Larger files are not sounds the quiz plays; they would only cost memory or time.
inline constexpr std::int64_t kMaxSoundFileBytes = 32 * 1024 * 1024;
// "RIFF", the chunk size, "WAVE"; also enough to recognise the other containers.
inline constexpr int kSoundHeaderBytes = 12;

// Where a requested url points, as the player resolves it: a local path (absolute, cleaned, so
// that two spellings of one file share one loaded sound) or a URL with a scheme; empty for
// blank text.
QUrl resolveSoundUrl(const QString &url);

// Looks at path without ever blocking: follows links, accepts only a regular file of sane size,
// and reads at most kSoundHeaderBytes from it (a FIFO or a device is never opened for reading).
SoundFileKind inspectSoundFile(const QString &path);
// The decision on the header bytes alone, for the ones already read.
SoundFileKind soundKindOfHeader(const char *header, std::int64_t size);

} // namespace mapdata
