// Build step: turns a PNG of assets/pictures into the raw picture the executable embeds.
//   tessaline_pack_picture IN.png OUT.pix [WIDTHxHEIGHT]
// With a size, the picture is stored smooth-scaled to it, exactly as the window would scale
// the raw picture when it draws it stretched: the window then draws it as it is.
#include "mapdata/design/rawpicture.h"

#include <QFile>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s IN.png OUT.pix [WIDTHxHEIGHT]\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QByteArray raw = mapdata::encodeRawPicture(image);
    if (argc == 4) {
        int width = 0;
        int height = 0;
        if (std::sscanf(argv[3], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0) {
            std::fprintf(stderr, "%s: not a size\n", argv[3]);
            return 2;
        }
        // Scaled from the pixels the executable would hold, so the result is the same.
        const QImage held =
            mapdata::decodeRawPicture(reinterpret_cast<const uchar *>(raw.constData()), raw.size());
        raw = mapdata::encodeRawPicture(
            held.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (raw.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(raw) != raw.size()) {
        std::fprintf(stderr, "%s: cannot write the raw picture\n", argv[2]);
        return 1;
    }
    return 0;
}
