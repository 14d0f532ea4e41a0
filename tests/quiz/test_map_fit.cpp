#include "quiz/boardfixture.h"

#include "mapdata/design/quizwindowdesign.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <map>
#include <vector>

using namespace mapdata;

namespace {

// The picture has two pixels for each logical pixel of the window.
constexpr double kTwipsPerPicturePixel = 7.5;
// "Inside its border" is measured in window pixels: 4 of them are 8 picture pixels.
constexpr int kInteriorDepthPicturePixels = 8;
constexpr double kRequiredShare = 0.94;

std::map<QRgb, QString> readPalette() {
    std::map<QRgb, QString> palette;
    QFile file(QStringLiteral(TESSALINE_ASSETS_DIR "/pictures/map-palette.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return palette;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        const int hash = line.lastIndexOf(QLatin1Char('#'));
        if (hash > 0)
            palette[QColor(line.mid(hash)).rgb()] = line.left(hash).trimmed();
    }
    return palette;
}

// Chessboard distance from each pixel to the nearest pixel of another colour.
std::vector<int> distanceToOtherColour(const QImage &image) {
    const int w = image.width();
    const int h = image.height();
    std::vector<int> d(std::size_t(w) * std::size_t(h), 1 << 20);
    auto at = [&](int x, int y) -> int & {
        return d[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || image.pixel(nx, ny) != c)
                        at(x, y) = 1;
                }
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (auto [dx, dy] : {std::pair{-1, -1}, {0, -1}, {1, -1}, {-1, 0}})
                if (x + dx >= 0 && x + dx < w && y + dy >= 0)
                    at(x, y) = std::min(at(x, y), at(x + dx, y + dy) + 1);
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x)
            for (auto [dx, dy] : {std::pair{1, 1}, {0, 1}, {-1, 1}, {1, 0}})
                if (x + dx >= 0 && x + dx < w && y + dy < h)
                    at(x, y) = std::min(at(x, y), at(x + dx, y + dy) + 1);
    return d;
}

QPoint twipsOfPicturePixel(int x, int y) {
    return QPoint(kImage1Rect.leftTwips + int((x + 0.5) * kTwipsPerPicturePixel),
                  kImage1Rect.topTwips + int((y + 0.5) * kTwipsPerPicturePixel));
}

} // namespace

TEST_F(Board, CountriesOfTheMapLieUnderTheirOwnDropZones) {
    load();
    const QImage map = largeMapPicture().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(map.size(), QSize(1150, 1452));
    const std::map<QRgb, QString> palette = readPalette();
    ASSERT_EQ(palette.size(), 13u);
    const std::vector<int> depth = distanceToOtherColour(map);

    struct Tally {
        int interior = 0;
        int onOwnZone = 0;
        int deepest = -1;
        QPoint deepestTwips;
    };
    std::map<QString, Tally> tallies;
    const QSize client = design.form.clientSizeTwips();
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) {
            auto colour = palette.find(map.pixel(x, y));
            if (colour == palette.end())
                continue;
            const QPoint twips = twipsOfPicturePixel(x, y);
            if (twips.x() >= client.width() || twips.y() >= client.height())
                continue;
            Tally &tally = tallies[colour->second];
            const int d = depth[std::size_t(y) * std::size_t(map.width()) + std::size_t(x)];
            if (d > tally.deepest) {
                tally.deepest = d;
                tally.deepestTwips = twips;
            }
            if (d < kInteriorDepthPicturePixels)
                continue;
            ++tally.interior;
            const Control *front = design.form.hitTest(twips);
            if (front && front->array() == &design.piccoor && front->tag().contains(colour->second))
                ++tally.onOwnZone;
        }
    ASSERT_EQ(tallies.size(), 13u);
    for (const auto &[name, tally] : tallies) {
        ASSERT_GT(tally.interior, 0) << name.toStdString();
        const double share = double(tally.onOwnZone) / tally.interior;
        EXPECT_GE(share, kRequiredShare) << name.toStdString() << " " << share;
        const Control *front = design.form.hitTest(tally.deepestTwips);
        ASSERT_NE(front, nullptr) << name.toStdString();
        EXPECT_TRUE(front->tag().contains(name))
            << name.toStdString() << " centre lies on " << front->tag().toStdString();
    }
}
