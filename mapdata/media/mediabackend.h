#pragma once

#include <QString>
#include <QtGlobal>

namespace mapdata {

inline constexpr char kMediaBackendVariable[] = "QT_MEDIA_BACKEND";
#ifdef Q_OS_LINUX
// On Linux the ffmpeg backend decodes WMA and starts quickly; elsewhere Qt's own choice (on
// Windows its Media Foundation backend) plays these formats, so none is forced there.
inline constexpr char kMediaBackend[] = "ffmpeg";
#else
inline constexpr char kMediaBackend[] = "";
#endif

// Selects kMediaBackend unless QT_MEDIA_BACKEND is already set. Call before QApplication exists
// (the environment is not changed once other threads run).
void selectMediaBackend();

// The installed plugin file of the chosen backend; empty when none is chosen or installed as a
// file (a static Qt links its backends in).
QString mediaBackendFile();
// Whether the backend that Qt will load (QT_MEDIA_BACKEND, or Qt's default) is installed.
// Qt 6.4 aborts the program when asked for a backend it cannot find.
bool isMediaBackendInstalled();

} // namespace mapdata
