#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace mapdata {

// A library file beside the program is data like any other: these checks run before it is
// loaded, so that a damaged one means "no sound" instead of ending the program.
inline constexpr std::int64_t kMinLibraryBytes = 1024;
inline constexpr std::int64_t kMaxLibraryBytes = 256 * 1024 * 1024;
// Enough for the ELF header and the program headers of any ordinary shared object.
inline constexpr int kLibraryHeadBytes = 4096;

// Why the library at path must not be loaded, empty if it may be: not a regular file, a size
// out of range, or (on Linux) not a shared object for this machine whose loadable segments
// and section headers lie wholly inside the file (a truncated file would fault when mapped).
QString libraryFileProblem(const QString &path);
// The same check on the head bytes already read and the file's size.
QString elfImageProblem(const QByteArray &head, std::int64_t fileBytes);
// Whether address lies in an executable segment of a loaded library (Linux); true elsewhere.
// A factory symbol that is data, not code, must not be called.
bool isInExecutableSegment(const void *address);

} // namespace mapdata
