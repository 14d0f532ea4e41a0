#include "mapdata/design/rawpicture.h"

#include <cstdint>
#include <cstring>

namespace mapdata {

namespace {

constexpr int kBytesPerPixel = 4;
constexpr int kMagicBytes = 4;

void appendWord(QByteArray &out, std::uint32_t word) {
    out.append(reinterpret_cast<const char *>(&word), sizeof word);
}

std::uint32_t wordAt(const uchar *data, int offset) {
    std::uint32_t word = 0;
    std::memcpy(&word, data + offset, sizeof word);
    return word;
}

} // namespace

QByteArray encodeRawPicture(const QImage &image) {
    if (image.isNull() || image.width() > kMaxRawPictureSide || image.height() > kMaxRawPictureSide)
        return {};
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage pixels = image.convertToFormat(format);
    QByteArray out(kRawPictureMagic, kMagicBytes);
    appendWord(out, std::uint32_t(pixels.width()));
    appendWord(out, std::uint32_t(pixels.height()));
    appendWord(out, std::uint32_t(format));
    const qsizetype rowBytes = qsizetype(pixels.width()) * kBytesPerPixel;
    for (int y = 0; y < pixels.height(); ++y)
        out.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes);
    return out;
}

QImage decodeRawPicture(const uchar *data, qsizetype size) {
    if (data == nullptr || size < kRawPictureHeaderBytes ||
        std::memcmp(data, kRawPictureMagic, kMagicBytes) != 0)
        return {};
    const std::uint32_t width = wordAt(data, kMagicBytes);
    const std::uint32_t height = wordAt(data, kMagicBytes + 4);
    const std::uint32_t format = wordAt(data, kMagicBytes + 8);
    if (width == 0 || height == 0 || width > kMaxRawPictureSide || height > kMaxRawPictureSide)
        return {};
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        return {};
    const qsizetype rowBytes = qsizetype(width) * kBytesPerPixel;
    if (size - kRawPictureHeaderBytes != rowBytes * qsizetype(height))
        return {};
    const uchar *pixels = data + kRawPictureHeaderBytes;
    const QImage view(pixels, int(width), int(height), rowBytes, QImage::Format(format));
    // QImage needs 32-bit aligned rows to read them in place; otherwise it gets its own copy.
    if (reinterpret_cast<std::uintptr_t>(pixels) % alignof(std::uint32_t) != 0)
        return view.copy();
    return view;
}

} // namespace mapdata
