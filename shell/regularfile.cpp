#include "shell/regularfile.h"

#include "mapdata/files/filehead.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace shell {

namespace {
constexpr qsizetype kBytesPerKiB = 1024;
} // namespace

bool isRegularFile(const QString &path) {
    // QFileInfo follows links and reports only regular files as files.
    return QFileInfo(path).isFile();
}

FileHead readRegularFile(const QString &path, qsizetype maxBytes) {
    // The media player reads its files the same way; one reader serves both.
    FileHead head = mapdata::readRegularFileHead(path, maxBytes);
    switch (head.result) {
    case mapdata::FileHeadResult::Read: return head;
    case mapdata::FileHeadResult::Missing: throw mapdata::Failure::fileNotFound();
    case mapdata::FileHeadResult::CannotOpen: throw mapdata::Failure::permissionDenied();
    case mapdata::FileHeadResult::NotRegular:
    case mapdata::FileHeadResult::ReadFailed: break;
    }
    throw mapdata::Failure::pathFileAccessError();
}

mapdata::Failure fileTooLarge(qsizetype maxBytes) {
    return {mapdata::Failure::pathFileAccessError().number(),
            //: An error: a file of the program's is longer than it reads. %1: the limit in
            //: kibibytes (1024 bytes).
            QCoreApplication::translate("ErrorBox", "File too large (over %1 KiB)")
                .arg(maxBytes / kBytesPerKiB)};
}

} // namespace shell
