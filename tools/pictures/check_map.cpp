// Checks map@2x.png against the quiz's drop zones: for each country, the share
// of its pixels (at least 4 px inside its border and inside the client area)
// that lie under a front-most zone whose tag names the country.  Also checks
// that each capital marker's centre falls on its country.
//
// Usage: check-map MAP.png PALETTE.txt ZONES.txt MARKERS.txt [MIN_PERCENT [DEPTH [OVERLAY.png]]]
// DEPTH is the inset from the border in map-picture pixels (default 4).
// OVERLAY.png, when given, shows the zones and the uncovered pixels in red.
// Exits 1 when a country is below MIN_PERCENT (default 94) or a marker is
// off its country.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Zone {
    int left, top, width, height;
    QString tag;
};

QStringList dataLines(const char *path)
{
    QFile f(QString::fromLocal8Bit(path));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(2);
    }
    QStringList out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString l = in.readLine().trimmed();
        if (!l.isEmpty() && !l.startsWith('#'))
            out << l;
    }
    return out;
}

// Map picture pixel -> client-area twips (pixel centre).
double twipX(int px) { return 30 + 7.5 * (px + 0.5); }
double twipY(int py) { return 30 + 7.5 * (py + 0.5); }

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s MAP.png PALETTE.txt ZONES.txt MARKERS.txt [MIN_PERCENT [DEPTH [OVERLAY.png]]]\n", argv[0]);
        return 2;
    }
    const double minPercent = argc > 5 ? std::atof(argv[5]) : 94.0;
    const QImage img = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (img.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    std::vector<QString> names;
    std::map<QRgb, int> byColour;
    for (const QString &l : dataLines(argv[2])) {
        const int sp = l.lastIndexOf(' ');
        byColour[QColor::fromString(l.mid(sp + 1)).rgb()] = int(names.size());
        names.push_back(l.left(sp));
    }
    std::vector<Zone> zones;
    for (const QString &l : dataLines(argv[3])) {
        const QStringList t = l.split(' ');
        zones.push_back({t[1].toInt(), t[2].toInt(), t[3].toInt(), t[4].toInt(), t.mid(5).join(' ')});
    }

    const int w = img.width(), h = img.height();
    std::vector<int> cls(size_t(w) * h, -1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto it = byColour.find(img.pixel(x, y));
            if (it != byColour.end())
                cls[size_t(y) * w + x] = it->second;
        }

    QImage overlay = img.convertToFormat(QImage::Format_ARGB32);
    std::vector<long> total(names.size()), hit(names.size());
    const int R = argc > 6 ? std::atoi(argv[6]) : 4;
    for (int y = 0; y < h; ++y) {
        if (twipY(y) >= 10590)
            break;
        for (int x = 0; x < w; ++x) {
            const int c = cls[size_t(y) * w + x];
            if (c < 0 || twipX(x) >= 14985)
                continue;
            bool deep = true; // every pixel within radius 4 is the same country
            for (int dy = -R; dy <= R && deep; ++dy)
                for (int dx = -R; dx <= R; ++dx) {
                    if (dx * dx + dy * dy > R * R)
                        continue;
                    const int xx = x + dx, yy = y + dy;
                    if (xx < 0 || yy < 0 || xx >= w || yy >= h || cls[size_t(yy) * w + xx] != c) {
                        deep = false;
                        break;
                    }
                }
            if (!deep)
                continue;
            ++total[c];
            const double tx = twipX(x), ty = twipY(y);
            for (int z = int(zones.size()) - 1; z >= 0; --z) {
                const Zone &zn = zones[z];
                if (tx >= zn.left && tx < zn.left + zn.width && ty >= zn.top && ty < zn.top + zn.height) {
                    if (zn.tag.contains(names[c]))
                        ++hit[c];
                    else
                        overlay.setPixel(x, y, qRgb(255, 0, 0));
                    break;
                }
                if (z == 0)
                    overlay.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }

    if (argc > 7) {
        QPainter p(&overlay);
        for (size_t z = 0; z < zones.size(); ++z) {
            const Zone &zn = zones[z];
            const QRectF r((zn.left - 30) / 7.5, (zn.top - 30) / 7.5, zn.width / 7.5, zn.height / 7.5);
            p.setPen(QPen(QColor(0, 0, 160), 1));
            p.drawRect(r);
        }
        p.end();
        overlay.save(QString::fromLocal8Bit(argv[7]));
    }
    int bad = 0;
    std::printf("%-14s %9s %9s %8s\n", "country", "interior", "covered", "percent");
    for (size_t c = 0; c < names.size(); ++c) {
        const double pct = total[c] ? 100.0 * hit[c] / total[c] : 0.0;
        const bool ok = pct >= minPercent;
        bad += !ok;
        std::printf("%-14s %9ld %9ld %7.2f%%%s\n", qPrintable(names[c]), total[c], hit[c], pct, ok ? "" : "  LOW");
    }
    for (const QString &l : dataLines(argv[4])) {
        const QStringList t = l.split(' ');
        const QString country = t.mid(3).join(' ');
        const int px = int((t[1].toInt() + 75 - 30) / 7.5), py = int((t[2].toInt() + 75 - 30) / 7.5);
        const int c = cls[size_t(py) * w + px];
        const QString under = c < 0 ? QString("(no country colour)") : names[c];
        const bool ok = under == country;
        bad += !ok;
        std::printf("marker %-2s at px %4d,%4d on %s%s\n", qPrintable(t[0]), px, py, qPrintable(under),
                    ok ? "" : QString("  expected %1").arg(country).toUtf8().constData());
    }
    std::printf(bad ? "FAILED: %d problem(s)\n" : "all good\n", bad);
    return bad ? 1 : 0;
}
