#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/design/rawpicture.h"

#include <gtest/gtest.h>

#include <QImageReader>

#include <cstring>

#include <functional>
#include <utility>
#include <vector>

using namespace mapdata;

namespace {

QImage sourcePicture(const char *name) {
    QImageReader reader(QStringLiteral(TESSALINE_ASSETS_DIR "/pictures/") + QLatin1String(name));
    return reader.read();
}

QImage decode(const QByteArray &raw) {
    return decodeRawPicture(reinterpret_cast<const uchar *>(raw.constData()), raw.size());
}

} // namespace

TEST(BuiltInPictures, ShowTheSamePixelsAsTheirPngSources) {
    const std::vector<std::pair<const char *, std::function<QImage()>>> pictures{
        {"map.png", mapPicture},
        {"panel.png", panelPicture},
        {"star.png", capitalStarPicture},
        {"pushpin.png", pushPinPicture},
        {"icon-256.png", applicationIconPicture}};
    for (const auto &[name, builtIn] : pictures) {
        const QImage source = sourcePicture(name);
        ASSERT_FALSE(source.isNull()) << name;
        const QImage picture = builtIn();
        ASSERT_EQ(picture.size(), source.size()) << name;
        // Compared as the window paints them. Taking a premultiplied picture back to ARGB32
        // loses translucent pixels' low bits, and how it rounds them is the processor's.
        EXPECT_EQ(picture, source.convertToFormat(picture.format())) << name;
    }
}

TEST(RawPicture, RoundTripsOpaqueAndTranslucentPictures) {
    QImage opaque(3, 2, QImage::Format_RGB32);
    opaque.fill(qRgb(10, 20, 30));
    opaque.setPixel(2, 1, qRgb(200, 100, 0));
    QImage translucent(2, 2, QImage::Format_ARGB32);
    translucent.fill(qRgba(255, 0, 0, 128));
    for (const QImage &image : {opaque, translucent}) {
        const QByteArray raw = encodeRawPicture(image);
        const QImage back = decode(raw);
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.hasAlphaChannel(), image.hasAlphaChannel());
        EXPECT_EQ(back, image.convertToFormat(back.format()));
    }
}

TEST(RawPicture, ReadsPixelsLyingAtAnOddAddress) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    const QByteArray raw = encodeRawPicture(image);
    QByteArray shifted = QByteArray(1, '\0') + raw;
    const QImage back =
        decodeRawPicture(reinterpret_cast<const uchar *>(shifted.constData()) + 1, raw.size());
    ASSERT_FALSE(back.isNull());
    shifted.fill('\0'); // the picture must not depend on the bytes it was read from
    EXPECT_EQ(back.pixel(3, 2), qRgb(1, 2, 3));
}

TEST(RawPicture, RejectsDataThatIsNotAWholePicture) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QByteArray raw = encodeRawPicture(image);
    auto withWord = [&raw](int offset, quint32 word) {
        QByteArray damaged = raw;
        std::memcpy(damaged.data() + offset, &word, sizeof word);
        return damaged;
    };
    EXPECT_TRUE(decode(QByteArray()).isNull());
    EXPECT_TRUE(decode(raw.left(kRawPictureHeaderBytes - 1)).isNull());
    EXPECT_TRUE(decode(raw.left(raw.size() - 1)).isNull());
    EXPECT_TRUE(decode(raw + 'x').isNull());
    EXPECT_TRUE(decode(QByteArray("PNG!") + raw.mid(4)).isNull());
    EXPECT_TRUE(decode(withWord(4, 0)).isNull());
    EXPECT_TRUE(decode(withWord(4, 0xffffffffu)).isNull()) << "a width that overflows";
    EXPECT_TRUE(decode(withWord(8, 0x40000000u)).isNull()) << "a height that overflows";
    EXPECT_TRUE(decode(withWord(12, quint32(QImage::Format_Mono))).isNull());
    EXPECT_TRUE(decodeRawPicture(nullptr, 100).isNull());
}
