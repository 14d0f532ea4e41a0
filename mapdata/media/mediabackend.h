#pragma once

namespace mapdata {

// Qt Multimedia backend the program plays through: it decodes WMA and starts quickly.
inline constexpr char kMediaBackend[] = "ffmpeg";
inline constexpr char kMediaBackendVariable[] = "QT_MEDIA_BACKEND";

// Selects kMediaBackend unless QT_MEDIA_BACKEND is already set. Call before QApplication exists.
void selectMediaBackend();

} // namespace mapdata
