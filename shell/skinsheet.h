#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace shell {

// A url(...) in a style sheet: where it stands and the path it names.
struct SheetUrl {
    qsizetype start = 0;
    qsizetype length = 0;
    QString path;
};

// Every url(...) in a style sheet, found the way Qt's parser would, and then some: one
// inside a comment or a string counts too. Nothing when the sheet could hide a url from
// this scan or name a file some other way: a backslash (an escape could spell "url"), an
// @import, a url that is not closed or names nothing, or more than kMaxSheetUrls of them.
std::optional<QList<SheetUrl>> findSheetUrls(const QString &sheet);

// A skin names a few dozen pictures at most.
constexpr int kMaxSheetUrls = 256;
// All the files a skin's url()s name, together.
constexpr qsizetype kMaxSkinPictureBytes = 4 * 1024 * 1024;

// The style sheet with every url() checked and rewritten to the file's full path, so that Qt
// reads exactly the file that was checked and not one found from the current folder.
// Nothing when a url names anything but a regular file inside skinFolder (after following
// links), or when the files together pass kMaxSkinPictureBytes. The high-resolution variants
// Qt looks for beside a picture ("name@2x.png") are held to the same rule.
std::optional<QString> confineSheetUrls(const QString &sheet, const QString &skinFolder);

} // namespace shell
