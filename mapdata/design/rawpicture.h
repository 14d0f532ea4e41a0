#pragma once

#include <QByteArray>
#include <QImage>

namespace mapdata {

// The window's pictures are built in as raw pixels rather than PNG, so that showing them
// needs no decoding: the image reads the pixels where the executable holds them.
//
// Layout: the 4 bytes "TPIX", then width, height and QImage format as 32-bit unsigned
// integers in the machine's byte order, then height rows of width * 4 bytes.
inline constexpr char kRawPictureMagic[] = "TPIX";
inline constexpr int kRawPictureHeaderBytes = 16;
// Far beyond any picture of the window; guards the size arithmetic against a damaged header.
inline constexpr int kMaxRawPictureSide = 8192;

// The raw form of image, as ARGB32 premultiplied when it has an alpha channel, else RGB32.
QByteArray encodeRawPicture(const QImage &image);

// An image over data (not copied when data is suitably aligned: data must then outlive it),
// or a null image when data is not a whole raw picture.
QImage decodeRawPicture(const uchar *data, qsizetype size);

} // namespace mapdata
