#include "shell/cursorfile.h"

#include "fakes/bounded.h"
#include "mapdata/toolkit/failure.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

using namespace shell;

namespace {

const QString kHandCursor = QStringLiteral(TESSALINE_ASSETS_DIR "/HAND-M.CUR");

QByteArray shippedCursor() {
    QFile file(kHandCursor);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putU16(QByteArray &b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}
void putU32(QByteArray &b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

// A one-image cursor file around the given image bytes.
QByteArray cursorAround(const QByteArray &image, int hotX = 0, int hotY = 0) {
    QByteArray b(22, '\0');
    putU16(b, 2, 2);
    putU16(b, 4, 1);
    putU16(b, 10, quint16(hotX));
    putU16(b, 12, quint16(hotY));
    putU32(b, 14, quint32(image.size()));
    putU32(b, 18, 22);
    return b + image;
}

// A 32-bit bottom-up DIB of the given side, every pixel the given BGRA value, mask all opaque
// except the top-left pixel.
QByteArray dib32(int side, quint32 bgra) {
    const int andRow = ((side + 31) / 32) * 4;
    QByteArray b(40 + side * side * 4 + andRow * side, '\0');
    putU32(b, 0, 40);
    putU32(b, 4, quint32(side));
    putU32(b, 8, quint32(side * 2));
    putU16(b, 12, 1);
    putU16(b, 14, 32);
    for (int i = 0; i < side * side; ++i)
        putU32(b, 40 + i * 4, bgra);
    const int maskAt = 40 + side * side * 4;
    b[maskAt + andRow * (side - 1)] = char(0x80); // last stored row is the top row
    return b;
}

// PNG chunks carry a CRC-32 over type and data; a doctored header needs a fresh one.
quint32 crc32(const char *data, int length) {
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 0; i < length; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

bool rejects(const QByteArray &bytes) {
    try {
        decodeCursor(bytes);
    } catch (const mapdata::Failure &failure) {
        return failure.number() == mapdata::Failure::invalidPicture().number();
    }
    return false;
}

} // namespace

TEST(CursorFile, ShippedHandHasItsHotSpotAtTheFingertipAndTransparentCorners) {
    const mapdata::PointerPicture hand = readCursorFile(kHandCursor);
    EXPECT_EQ(hand.image.size(), QSize(32, 32));
    EXPECT_EQ(hand.hotSpot, QPoint(10, 1));
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(hand.image.pixel(corner)), 0) << corner.x() << "," << corner.y();
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            opaque += qAlpha(hand.image.pixel(x, y)) == 255 ? 1 : 0;
    EXPECT_GT(opaque, 100) << "the hand itself is drawn";
    EXPECT_EQ(qAlpha(hand.image.pixel(10, 1)), 255) << "the fingertip is part of the hand";
}

TEST(CursorFile, EveryPrefixOfTheShippedCursorIsRefusedWithoutCrashing) {
    const QByteArray bytes = shippedCursor();
    ASSERT_FALSE(bytes.isEmpty());
    for (qsizetype length = 0; length < bytes.size(); ++length)
        EXPECT_TRUE(rejects(bytes.left(length))) << length;
}

TEST(CursorFile, RefusesHeadersThatAreNotACursorOrClaimTooMuch) {
    const QByteArray good = cursorAround(dib32(16, 0xFF102030u));
    ASSERT_FALSE(rejects(good));

    QByteArray icon = good;
    putU16(icon, 2, 1);
    EXPECT_TRUE(rejects(icon)) << "an icon, not a cursor";
    QByteArray noImages = good;
    putU16(noImages, 4, 0);
    EXPECT_TRUE(rejects(noImages));
    QByteArray hugeSize = good;
    putU32(hugeSize, 14, 0xFFFFFFF0u);
    EXPECT_TRUE(rejects(hugeSize));
    QByteArray farOffset = good;
    putU32(farOffset, 18, 0xFFFFFFF0u);
    EXPECT_TRUE(rejects(farOffset));
    QByteArray wide = good;
    putU32(wide, 22 + 4, 100000);
    EXPECT_TRUE(rejects(wide)) << "width beyond any cursor";
    QByteArray tall = good;
    putU32(tall, 22 + 8, 0x7FFFFFFE);
    EXPECT_TRUE(rejects(tall));
    QByteArray topDown = good;
    putU32(topDown, 22 + 8, quint32(-32));
    EXPECT_TRUE(rejects(topDown));
    QByteArray compressed = good;
    putU32(compressed, 22 + 16, 1);
    EXPECT_TRUE(rejects(compressed));
    QByteArray oddDepth = good;
    putU16(oddDepth, 22 + 14, 7);
    EXPECT_TRUE(rejects(oddDepth));
    QByteArray hugeHeader = good;
    putU32(hugeHeader, 22, 0x10000000u);
    EXPECT_TRUE(rejects(hugeHeader));
    EXPECT_TRUE(rejects(cursorAround(dib32(16, 0xFF000000u), 16, 0))) << "hot spot outside";
}

TEST(CursorFile, ThirtyTwoBitCursorWithoutAlphaIsShapedByItsMask) {
    const mapdata::PointerPicture picture = decodeCursor(cursorAround(dib32(16, 0x00336699u)));
    EXPECT_EQ(picture.image.pixel(5, 5), qRgba(0x33, 0x66, 0x99, 255));
    EXPECT_EQ(qAlpha(picture.image.pixel(0, 0)), 0) << "masked out";
}

TEST(CursorFile, ReadsAPngImageInsideACursorAndRefusesAnOversizedOne) {
    QImage small(24, 24, QImage::Format_ARGB32);
    small.fill(qRgba(200, 10, 10, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(small.save(&buffer, "PNG"));
    const mapdata::PointerPicture picture = decodeCursor(cursorAround(png, 3, 4));
    EXPECT_EQ(picture.image.size(), QSize(24, 24));
    EXPECT_EQ(picture.hotSpot, QPoint(3, 4));

    // The same PNG claiming 60000 x 60000 pixels in its header.
    QByteArray claimsHuge = png;
    qToBigEndian(quint32(60000), claimsHuge.data() + 16);
    qToBigEndian(quint32(60000), claimsHuge.data() + 20);
    constexpr int kIhdrTypeAt = 12, kIhdrTypeAndDataBytes = 17;
    qToBigEndian(crc32(claimsHuge.constData() + kIhdrTypeAt, kIhdrTypeAndDataBytes),
                 claimsHuge.data() + kIhdrTypeAt + kIhdrTypeAndDataBytes);
    EXPECT_TRUE(rejects(cursorAround(claimsHuge)));
    EXPECT_TRUE(rejects(cursorAround(png.left(20)))) << "truncated PNG";
    EXPECT_TRUE(rejects(cursorAround(QByteArray("\x89PNG", 4))));
}

TEST(CursorFile, MissingFileIsFileNotFound) {
    try {
        readCursorFile(QStringLiteral(TESSALINE_ASSETS_DIR "/no-such.cur"));
        FAIL() << "no failure";
    } catch (const mapdata::Failure &failure) {
        EXPECT_EQ(failure.number(), mapdata::Failure::fileNotFound().number());
    }
}

namespace {

// The failure number readCursorFile raises for the path, or 0 when it reads a cursor.
int cursorFailure(const QString &path) {
    fakes::Watchdog watchdog("reading HAND-M.CUR");
    try {
        readCursorFile(path);
        return 0;
    } catch (const mapdata::Failure &failure) {
        return failure.number();
    }
}

} // namespace

TEST(CursorFile, OversizedFileOrManyLinesAreRefusedAfterReadingAtMostTheLimit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("HAND-M.CUR"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A real cursor at the start, and then more than a cursor file can hold.
    file.write(shippedCursor());
    file.write(QByteArray(int(kMaxCursorFileBytes), '\0'));
    file.close();
    try {
        readCursorFile(path);
        FAIL() << "no failure";
    } catch (const mapdata::Failure &failure) {
        EXPECT_EQ(failure.description(), QStringLiteral("File too large (over 1024 KiB)"));
    }
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(fakes::manyLines(100000));
    file.close();
    EXPECT_EQ(cursorFailure(path), mapdata::Failure::invalidPicture().number());
}

#ifdef Q_OS_UNIX
TEST(CursorFile, PipeIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.cur"));
    ASSERT_TRUE(fakes::makeFifo(pipe));
    EXPECT_EQ(cursorFailure(pipe), mapdata::Failure::pathFileAccessError().number());
}
#endif
