#include "shell/cursorfile.h"

#include "mapdata/toolkit/failure.h"
#include "shell/regularfile.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <cstdint>

namespace shell {

namespace {

constexpr int kDirHeaderBytes = 6;
constexpr int kDirEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;
constexpr std::uint16_t kCursorType = 2;
constexpr int kMaxCursorSide = 256;
constexpr int kOpaque = 255;

[[noreturn]] void invalid() {
    throw mapdata::Failure::invalidPicture();
}

std::uint32_t readU16(const QByteArray &b, qsizetype at) {
    if (at < 0 || at + 2 > b.size())
        invalid();
    return std::uint32_t(std::uint8_t(b[at])) | (std::uint32_t(std::uint8_t(b[at + 1])) << 8);
}

std::uint32_t readU8(const QByteArray &b, qsizetype at) {
    if (at < 0 || at >= b.size())
        invalid();
    return std::uint8_t(b[at]);
}

std::uint32_t readU32(const QByteArray &b, qsizetype at) {
    return readU16(b, at) | (readU16(b, at + 2) << 16);
}

std::int32_t readS32(const QByteArray &b, qsizetype at) {
    return std::int32_t(readU32(b, at));
}

qsizetype rowBytes(int width, int bitsPerPixel) {
    return ((qsizetype(width) * bitsPerPixel + 31) / 32) * 4;
}

QImage decodeDib(const QByteArray &b, qsizetype at, qsizetype size) {
    if (size < kInfoHeaderBytes || at + size > b.size())
        invalid();
    const QByteArray dib = b.mid(at, size);
    const std::uint32_t headerSize = readU32(dib, 0);
    const std::int32_t width = readS32(dib, 4);
    const std::int32_t doubledHeight = readS32(dib, 8);
    const std::uint32_t bpp = readU16(dib, 14);
    const std::uint32_t compression = readU32(dib, 16);
    std::uint32_t colorsUsed = readU32(dib, 32);
    if (headerSize < kInfoHeaderBytes || headerSize > std::uint32_t(dib.size()))
        invalid();
    if (width <= 0 || width > kMaxCursorSide || doubledHeight <= 0 ||
        doubledHeight > 2 * kMaxCursorSide || doubledHeight % 2 != 0)
        invalid();
    if (compression != 0)
        invalid();
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        invalid();
    const int height = doubledHeight / 2;
    if (bpp <= 8 && (colorsUsed == 0 || colorsUsed > (1u << bpp)))
        colorsUsed = 1u << bpp;
    if (bpp > 8)
        colorsUsed = 0;
    const qsizetype paletteAt = headerSize;
    const qsizetype xorAt = paletteAt + qsizetype(colorsUsed) * 4;
    const qsizetype xorRow = rowBytes(width, int(bpp));
    const qsizetype andAt = xorAt + xorRow * height;
    const qsizetype andRow = rowBytes(width, 1);
    const bool hasMask = andAt + andRow * height <= dib.size();
    if (andAt > dib.size())
        invalid();

    // Some editors write 32-bit cursors whose alpha bytes are all zero and leave the shape
    // to the mask; taken literally such a cursor would be invisible.
    bool alphaUsed = bpp != 32;
    for (int y = 0; y < height && !alphaUsed; ++y)
        for (int x = 0; x < width && !alphaUsed; ++x)
            alphaUsed = (readU32(dib, xorAt + xorRow * y + x * 4) >> 24) != 0;

    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y; // bottom-up rows
        const qsizetype xorLine = xorAt + xorRow * row;
        for (int x = 0; x < width; ++x) {
            QRgb pixel = 0;
            if (bpp == 32) {
                const std::uint32_t bgra = readU32(dib, xorLine + x * 4);
                pixel = qRgba(int((bgra >> 16) & 0xFF), int((bgra >> 8) & 0xFF), int(bgra & 0xFF),
                              alphaUsed ? int(bgra >> 24) : kOpaque);
            } else if (bpp == 24) {
                const qsizetype p = xorLine + x * 3;
                pixel = qRgb(int(readU8(dib, p + 2)), int(readU8(dib, p + 1)), int(readU8(dib, p)));
            } else {
                const qsizetype bit = qsizetype(x) * bpp;
                const std::uint32_t byte = readU8(dib, xorLine + bit / 8);
                const int shift = int(8 - bpp - (bit % 8));
                const std::uint32_t index = (byte >> shift) & ((1u << bpp) - 1);
                if (index >= colorsUsed)
                    invalid();
                const std::uint32_t bgr = readU32(dib, paletteAt + index * 4);
                pixel = qRgb(int((bgr >> 16) & 0xFF), int((bgr >> 8) & 0xFF), int(bgr & 0xFF));
            }
            bool transparent = false;
            if (hasMask) {
                const std::uint32_t maskByte = readU8(dib, andAt + andRow * row + x / 8);
                transparent = (maskByte >> (7 - x % 8)) & 1;
            }
            if (transparent)
                pixel = qRgba(0, 0, 0, 0);
            image.setPixel(x, y, pixel);
        }
    }
    return image;
}

} // namespace

mapdata::PointerPicture decodeCursor(const QByteArray &bytes) {
    if (bytes.size() < kDirHeaderBytes + kDirEntryBytes)
        invalid();
    if (readU16(bytes, 0) != 0 || readU16(bytes, 2) != kCursorType || readU16(bytes, 4) == 0)
        invalid();
    const qsizetype entry = kDirHeaderBytes;
    const int hotX = int(readU16(bytes, entry + 4));
    const int hotY = int(readU16(bytes, entry + 6));
    const std::uint32_t size = readU32(bytes, entry + 8);
    const std::uint32_t offset = readU32(bytes, entry + 12);
    if (offset > std::uint32_t(bytes.size()) || size > std::uint32_t(bytes.size()) - offset)
        invalid();
    QImage image;
    static const QByteArray pngSignature("\x89PNG", 4);
    if (bytes.mid(offset, pngSignature.size()) == pngSignature) {
        // The size is checked from the header first, so a PNG that claims a huge picture
        // is refused before any pixel memory is taken for it.
        QByteArray png = bytes.mid(offset, size);
        QBuffer buffer(&png);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "PNG");
        const QSize claimed = reader.size();
        if (!claimed.isValid() || claimed.width() > kMaxCursorSide ||
            claimed.height() > kMaxCursorSide)
            invalid();
        image = reader.read();
        if (image.isNull() || image.width() > kMaxCursorSide || image.height() > kMaxCursorSide)
            invalid();
    } else {
        image = decodeDib(bytes, offset, size);
    }
    if (hotX >= image.width() || hotY >= image.height())
        invalid();
    return {image, QPoint(hotX, hotY)};
}

mapdata::PointerPicture readCursorFile(const QString &path) {
    const FileHead head = readRegularFile(path, kMaxCursorFileBytes);
    if (head.cut)
        throw fileTooLarge(kMaxCursorFileBytes);
    return decodeCursor(head.bytes);
}

} // namespace shell
