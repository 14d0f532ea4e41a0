// Build step: turns a PNG of assets/pictures into the raw picture the executable embeds.
//   tessaline_pack_picture IN.png OUT.pix
#include "mapdata/design/rawpicture.h"

#include <QFile>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.png OUT.pix\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    const QByteArray raw = mapdata::encodeRawPicture(image);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (raw.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(raw) != raw.size()) {
        std::fprintf(stderr, "%s: cannot write the raw picture\n", argv[2]);
        return 1;
    }
    return 0;
}
