// Renders Tessaline's pictures: the map, the panel strip, the capital star,
// the push-pin drag icon, the application icon (ICO plus theme PNGs) and the
// hand cursor.  Input is the shape file written by project.js; everything
// else is drawn here.  The ICO and CUR bytes are written by hand so that the
// result does not depend on which Qt image plugins are installed.
//
// Usage: render-pictures SHAPES.txt ASSETS_DIR

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>
#include <QTransform>
#include <QtMath>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// ---------------------------------------------------------------- shapes

struct Poly {
    QString cls;   // quiz country name, "-" for other land, "sil" for the icons' outline
    std::vector<QPolygonF> rings;
};
struct Line {
    bool dark = false;
    QPolygonF pts;
};
struct Shapes {
    std::vector<Poly> polys;
    std::vector<Poly> silhouette;
    std::vector<Line> lines;
};

QPolygonF readPoints(const QStringList &tok, int first)
{
    const int n = tok.at(first).toInt();
    QPolygonF pts;
    pts.reserve(n);
    for (int i = 0; i < n; ++i)
        pts << QPointF(tok.at(first + 1 + 2 * i).toDouble(), tok.at(first + 2 + 2 * i).toDouble());
    return pts;
}

Shapes loadShapes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    Shapes s;
    std::vector<Poly> *current = &s.polys;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#') || line.isEmpty())
            continue;
        if (line.startsWith("poly ")) {
            Poly p;
            p.cls = line.mid(5);
            s.polys.push_back(p);
            current = &s.polys;
        } else if (line == "sil") {
            s.silhouette.push_back(Poly{"sil", {}});
            current = &s.silhouette;
        } else if (line.startsWith("ring ")) {
            current->back().rings.push_back(readPoints(line.split(' '), 1));
        } else if (line.startsWith("line ")) {
            Line l;
            l.dark = line.mid(5) == "dark";
            s.lines.push_back(l);
        } else if (line.startsWith("path ")) {
            s.lines.back().pts = readPoints(line.split(' '), 1);
        }
    }
    return s;
}

bool save(const QImage &img, const QString &path)
{
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("wrote %s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
}

// ------------------------------------------------------------------- map

// Muted political-map colours, one per quiz country; neighbours differ
// clearly in hue.  Names as the quiz spells them.
const std::vector<std::pair<QString, QColor>> kPalette = {
    {"Argentina", QColor(0xC9, 0xBB, 0xDF)},     // lavender
    {"Bolivia", QColor(0xF0, 0xDC, 0x8C)},       // straw
    {"Brazil", QColor(0xB9, 0xD7, 0x9E)},        // sage
    {"Chile", QColor(0xF0, 0xB4, 0x8E)},         // apricot
    {"Colombia", QColor(0xF2, 0xCE, 0x7E)},      // ochre
    {"Ecuador", QColor(0xA9, 0xD0, 0xCF)},       // sea-green
    {"French Guiana", QColor(0xE6, 0xB1, 0xC9)}, // rose
    {"Guyana", QColor(0xEE, 0xA5, 0x9C)},        // coral
    {"Paraguay", QColor(0xA6, 0xC4, 0xE4)},      // cornflower
    {"Peru", QColor(0xE7, 0xA4, 0xA6)},          // dusty pink
    {"Suriname", QColor(0xB3, 0xCD, 0xEC)},      // powder blue
    {"Uruguay", QColor(0xF4, 0xC9, 0xA4)},       // peach
    {"Venezuela", QColor(0xD6, 0xB8, 0xE2)},     // lilac
};
const QColor kOtherLand(0xDA, 0xDA, 0xDA);
const QColor kBorder(0x3A, 0x3A, 0x3A);
const QColor kOtherBorder(0x96, 0x96, 0x96);

QColor countryColour(const QString &name)
{
    for (const auto &e : kPalette)
        if (e.first == name)
            return e.second;
    std::fprintf(stderr, "no colour for %s\n", qPrintable(name));
    std::exit(1);
}

QPainterPath polyPath(const Poly &p)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF &r : p.rings)
        path.addPolygon(r);
    path.closeSubpath();
    return path;
}

QImage renderMap(const Shapes &s)
{
    QImage img(1150, 1452, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    // Fills without antialiasing, so that every interior pixel is exactly its
    // country's colour and neighbours meet without a seam; the borders drawn
    // on top with antialiasing hide the staircase.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (int pass = 0; pass < 2; ++pass) {
        for (const Poly &poly : s.polys) {
            const bool quiz = poly.cls != "-";
            if (quiz != (pass == 1))
                continue;
            p.setBrush(quiz ? countryColour(poly.cls) : kOtherLand);
            p.drawPath(polyPath(poly));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 2; ++pass) {
        QPen pen(pass ? kBorder : kOtherBorder, pass ? 1.3 : 1.0);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        for (const Line &l : s.lines)
            if (l.dark == (pass == 1))
                p.drawPolyline(l.pts);
    }
    return img;
}

// ----------------------------------------------------------- small parts

QPainterPath starPath(QPointF c, qreal r, qreal innerRatio, qreal xScale = 1.0)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal rr = (i % 2) ? r * innerRatio : r;
        const QPointF pt(c.x() + xScale * rr * qCos(a), c.y() + rr * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A pencil from `back` (eraser end) to `tip`, `w` thick.
void drawPencil(QPainter &p, QPointF back, QPointF tip, qreal w, qreal outline,
                QColor body = QColor(0xF5, 0xB8, 0x1C))
{
    const QPointF d = tip - back;
    const qreal len = qSqrt(d.x() * d.x() + d.y() * d.y());
    p.save();
    p.translate(back);
    p.rotate(qRadiansToDegrees(qAtan2(d.y(), d.x())));
    const qreal h = w / 2;
    QPen pen(QColor(0x2B, 0x22, 0x1A), outline);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    const qreal e = len * 0.13, f = len * 0.22, c = len * 0.76, g = len * 0.92;
    // eraser
    QPainterPath eraser;
    eraser.addRoundedRect(QRectF(0, -h, e + h * 0.5, w), h * 0.6, h * 0.6);
    p.setBrush(QColor(0xF0, 0x8C, 0x9A));
    p.drawPath(eraser);
    // ferrule
    p.setBrush(QColor(0xB8, 0xBE, 0xC6));
    p.drawRect(QRectF(e, -h, f - e, w));
    // body with a lighter facet
    p.setBrush(body);
    p.drawRect(QRectF(f, -h, c - f, w));
    p.setPen(Qt::NoPen);
    p.setBrush(body.lighter(125));
    p.drawRect(QRectF(f + outline / 2, -h + outline / 2, c - f - outline, w * 0.3));
    p.setPen(pen);
    // sharpened wood
    QPolygonF cone;
    cone << QPointF(c, -h) << QPointF(len, 0) << QPointF(c, h);
    p.setBrush(QColor(0xF1, 0xD2, 0xA2));
    p.drawPolygon(cone);
    // graphite
    QPolygonF lead;
    const qreal lh = h * (len - g) / (len - c);
    lead << QPointF(g, -lh) << QPointF(len, 0) << QPointF(g, lh);
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawPolygon(lead);
    p.restore();
}

// Sheet of paper with a pencil across it, inside `r` (square).
void drawPaperAndPencil(QPainter &p, QRectF r, bool lines = true)
{
    const qreal u = r.width() / 100.0;
    const QRectF sheet(r.left() + 8 * u, r.top() + 4 * u, 62 * u, 80 * u);
    const qreal dog = 16 * u;
    QPainterPath page;
    page.moveTo(sheet.topLeft());
    page.lineTo(sheet.right() - dog, sheet.top());
    page.lineTo(sheet.right(), sheet.top() + dog);
    page.lineTo(sheet.bottomRight());
    page.lineTo(sheet.bottomLeft());
    page.closeSubpath();
    QPen pen(QColor(0x40, 0x40, 0x48), qMax(1.0, 3.0 * u));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(sheet.right() - dog, sheet.top());
    fold.lineTo(sheet.right() - dog, sheet.top() + dog);
    fold.lineTo(sheet.right(), sheet.top() + dog);
    fold.closeSubpath();
    p.setBrush(QColor(0xD8, 0xDC, 0xE4));
    p.drawPath(fold);
    if (lines) {
        p.setPen(QPen(QColor(0x7A, 0x9C, 0xD0), qMax(1.0, 3.5 * u), Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = sheet.top() + (30 + 13 * i) * u;
            p.drawLine(QPointF(sheet.left() + 10 * u, y), QPointF(sheet.right() - (i == 3 ? 26 : 10) * u, y));
        }
    }
    drawPencil(p, QPointF(r.left() + 96 * u, r.top() + 40 * u), QPointF(r.left() + 40 * u, r.top() + 96 * u),
               17 * u, qMax(1.0, 3.0 * u));
}

// The continent as one path, scaled into `frame` (kept in proportion,
// horizontally at `hAlign` 0 = left .. 1 = right, vertically centred).
QPainterPath continent(const Shapes &s, QRectF frame, qreal hAlign = 0.5)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const Poly &poly : s.silhouette)
        path.addPath(polyPath(poly));
    const QRectF b = path.boundingRect();
    const qreal k = qMin(frame.width() / b.width(), frame.height() / b.height());
    QTransform t;
    t.translate(frame.left() + (frame.width() - k * b.width()) * hAlign,
                frame.top() + (frame.height() - k * b.height()) / 2);
    t.scale(k, k);
    t.translate(-b.left(), -b.top());
    QPainterPath out = t.map(path);
    out.setFillRule(Qt::WindingFill);
    return out;
}

// ----------------------------------------------------------------- icons

// 32 x 32: yellow continent on a cyan square, a pencil lying across it.
QImage iconCyan(const Shapes &s, int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1E, 0x8E, 0xA6));
    p.drawRect(QRectF(0, 0, 32, 32));
    p.setBrush(QColor(0x3C, 0xD2, 0xEC));
    p.drawRect(QRectF(1, 1, 30, 30));
    const QPainterPath land = continent(s, QRectF(4.5, 1.5, 23, 29));
    p.setPen(QPen(QColor(0x6B, 0x52, 0x00), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xDC, 0x1E));
    p.drawPath(land);
    drawPencil(p, QPointF(29.0, 12.0), QPointF(9.5, 29.0), 4.2, 0.9, QColor(0xE0, 0x45, 0x2C));
    return img;
}

// 256 x 256 (and 128): orange-red continent dotted with yellow stars, a
// black-and-white band across its middle, paper and pencil at lower right.
QImage iconStars(const Shapes &s, int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const QPainterPath land = continent(s, QRectF(6, 4, 200, 248), 0.0);
    const QRectF lb = land.boundingRect();

    p.setPen(Qt::NoPen);
    QLinearGradient fill(lb.topLeft(), lb.bottomRight());
    fill.setColorAt(0, QColor(0xFF, 0x6A, 0x3A));
    fill.setColorAt(1, QColor(0xD9, 0x3A, 0x14));
    p.setBrush(fill);
    p.drawPath(land);

    // Band of black and white squares across the middle, clipped to the land.
    p.save();
    p.setClipPath(land);
    const qreal cell = 11, bandTop = lb.top() + lb.height() * 0.40;
    p.setBrush(Qt::white);
    p.drawRect(QRectF(lb.left(), bandTop, lb.width(), 2 * cell));
    p.setBrush(QColor(0x12, 0x12, 0x12));
    for (int row = 0; row < 2; ++row)
        for (int i = 0; lb.left() + i * cell < lb.right(); ++i)
            if ((i + row) % 2 == 0)
                p.drawRect(QRectF(lb.left() + i * cell, bandTop + row * cell, cell, cell));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6E, 0x17, 0x05), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(land);

    // Stars, placed by eye in the frame of the land's bounding box.
    const QPointF stars[] = {{0.40, 0.08}, {0.16, 0.22}, {0.58, 0.22}, {0.86, 0.30},
                             {0.36, 0.31}, {0.55, 0.56}, {0.33, 0.66}, {0.27, 0.85}};
    p.setPen(QPen(QColor(0x8A, 0x3A, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xE0, 0x2A));
    for (const QPointF &f : stars) {
        const QPointF c(lb.left() + f.x() * lb.width(), lb.top() + f.y() * lb.height());
        if (!land.contains(c))
            std::fprintf(stderr, "note: icon star at %.2f,%.2f lies off the land\n", f.x(), f.y());
        p.drawPath(starPath(c, 11, 0.45));
    }
    drawPaperAndPencil(p, QRectF(150, 150, 104, 104));
    return img;
}

// 48 x 48: pale continent on a blue tile, paper and pencil at lower right.
QImage iconTile(const Shapes &s, int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    QLinearGradient tile(0, 0, 0, 48);
    tile.setColorAt(0, QColor(0x3F, 0x86, 0xE0));
    tile.setColorAt(1, QColor(0x1A, 0x4E, 0xA8));
    p.setPen(QPen(QColor(0x12, 0x36, 0x7A), 1.0));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 6, 6);
    const QPainterPath land = continent(s, QRectF(5, 3.5, 30, 41), 0.2);
    p.setPen(QPen(QColor(0x9A, 0x8C, 0x6A), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFB, 0xF1, 0xD6));
    p.drawPath(land);
    drawPaperAndPencil(p, QRectF(26, 26, 21, 21), false);
    return img;
}

// ------------------------------------------------------------ small images

QImage renderPanel()
{
    // Medium blue, darkening over the lowest quarter; white text needs a
    // contrast of at least 4.5:1 everywhere (the top is about 5.3:1).
    QImage img(22, 308, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 308);
    g.setColorAt(0.00, QColor(0x36, 0x6A, 0xB2));
    g.setColorAt(0.70, QColor(0x2C, 0x5A, 0xA0));
    g.setColorAt(1.00, QColor(0x10, 0x28, 0x58));
    p.fillRect(img.rect(), g);
    return img;
}

QImage renderStar()
{
    // Shown stretched to a 10 x 10 square, so it is drawn wider than a
    // regular star by 52/46 to look regular there.
    QImage img(52, 46, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal r = 23.5, top = 1.7;
    p.drawPath(starPath(QPointF(26, top + r), r, 0.47, 52.0 / 46.0));
    return img;
}

// Blue push-pin, grey needle pointing down-right; drawn in a 32-unit frame.
// The needle tip is at (30.5, 30.5), the centre of pixel (30,30).
QImage renderPushpin(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.translate(30.5, 30.5);
    p.rotate(135); // local +y points from the tip back towards the head
    const QColor edge(0x0C, 0x2A, 0x66);
    QPen pen(edge, 0.9);
    pen.setJoinStyle(Qt::RoundJoin);

    // needle
    QPolygonF needle;
    needle << QPointF(-0.45, 0) << QPointF(0.45, 0) << QPointF(1.0, 15.5) << QPointF(-1.0, 15.5);
    p.setPen(QPen(QColor(0x55, 0x5A, 0x62), 0.7));
    QLinearGradient steel(-1, 0, 1, 0);
    steel.setColorAt(0, QColor(0xE2, 0xE5, 0xE9));
    steel.setColorAt(1, QColor(0x8C, 0x92, 0x9A));
    p.setBrush(steel);
    p.drawPolygon(needle);

    auto plastic = [](qreal hw) {
        QLinearGradient g(-hw, 0, hw, 0);
        g.setColorAt(0.0, QColor(0x9C, 0xCB, 0xFF));
        g.setColorAt(0.35, QColor(0x3C, 0x86, 0xF0));
        g.setColorAt(1.0, QColor(0x14, 0x44, 0xA8));
        return g;
    };
    p.setPen(pen);
    // collar between flange and knob
    QPolygonF collar;
    collar << QPointF(-3.4, 17) << QPointF(3.4, 17) << QPointF(2.9, 26.5) << QPointF(-2.9, 26.5);
    p.setBrush(plastic(3.4));
    p.drawPolygon(collar);
    // flange
    p.setBrush(plastic(7.6));
    p.drawRoundedRect(QRectF(-7.6, 15, 15.2, 3.4), 1.6, 1.6);
    // knob
    p.setBrush(plastic(6.2));
    p.drawRoundedRect(QRectF(-6.2, 25.5, 12.4, 5.2), 2.2, 2.2);
    return img;
}

// Hand pointer, white with a black outline, index finger up.  Hot spot: the
// top of the fingertip.
const char *const kHand[] = {
    ".....BBB..........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWB.........",
    "....BWWWBBBB......",
    "....BWWWBWWWBBB...",
    "....BWWWBWWWBWWBBB",
    "....BWWWBWWWBWWBWWB",
    ".BB.BWWWBWWWBWWBWWB",
    "BWWBBWWWWWWWWWWWWWB",
    "BWWWBWWWWWWWWWWWWWB",
    ".BWWWWWWWWWWWWWWWWB",
    ".BWWWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB.",
    "...BWWWWWWWWWWWWWB.",
    "...BWWWWWWWWWWWWB..",
    "....BWWWWWWWWWWWB..",
    "....BWWWWWWWWWWWB..",
    "....BBBBBBBBBBBBB..",
};
const int kHandX = 4, kHandY = 1;            // where the art sits in 32 x 32
const int kHotX = kHandX + 6, kHotY = kHandY; // top of the index fingertip

QImage renderHand()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < int(sizeof kHand / sizeof *kHand); ++y)
        for (int x = 0; kHand[y][x]; ++x) {
            const char c = kHand[y][x];
            if (c == 'B')
                img.setPixel(kHandX + x, kHandY + y, qRgba(0, 0, 0, 255));
            else if (c == 'W')
                img.setPixel(kHandX + x, kHandY + y, qRgba(255, 255, 255, 255));
        }
    return img;
}

// ------------------------------------------------------- ICO / CUR bytes

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

// One DIB: BITMAPINFOHEADER (height doubled), XOR rows bottom-up, then the
// 1-bit AND mask (1 = transparent), rows padded to 32 bits.
QByteArray dib(const QImage &src, int bpp)
{
    const QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int xorStride = ((w * bpp + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    QByteArray b;
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(2 * h));
    put16(b, 1);
    put16(b, bpp);
    put32(b, 0); // BI_RGB
    put32(b, quint32((xorStride + andStride) * h));
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < w; ++x) {
            const QRgb c = img.pixel(x, y);
            const bool clear = qAlpha(c) == 0;
            row.append(char(clear ? 0 : qBlue(c)));
            row.append(char(clear ? 0 : qGreen(c)));
            row.append(char(clear ? 0 : qRed(c)));
            if (bpp == 32)
                row.append(char(qAlpha(c)));
        }
        row.append(QByteArray(xorStride - row.size(), '\0'));
        b.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b;
}

struct Entry {
    QImage img;
    int bpp;
    int hotX = 0, hotY = 0; // cursors only
};

// type 1 = icon, 2 = cursor (planes/bit count hold the hot spot).
QByteArray iconFile(const std::vector<Entry> &entries, int type)
{
    QByteArray head, body;
    put16(head, 0);
    put16(head, type);
    put16(head, int(entries.size()));
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (const Entry &e : entries) {
        const QByteArray d = dib(e.img, e.bpp);
        head.append(char(e.img.width() >= 256 ? 0 : e.img.width()));
        head.append(char(e.img.height() >= 256 ? 0 : e.img.height()));
        head.append(char(0)); // no palette
        head.append(char(0));
        put16(head, type == 2 ? e.hotX : 1);
        put16(head, type == 2 ? e.hotY : e.bpp);
        put32(head, quint32(d.size()));
        put32(head, offset);
        offset += quint32(d.size());
        body.append(d);
    }
    return head + body;
}

// The 24-bit entry has no alpha: flatten onto black where the mask hides it.
QImage opaque(const QImage &img)
{
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            out.setPixel(x, y, qAlpha(c) < 128 ? qRgba(0, 0, 0, 0) : qRgba(qRed(c), qGreen(c), qBlue(c), 255));
        }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SHAPES.txt ASSETS_DIR\n", argv[0]);
        return 2;
    }
    const Shapes shapes = loadShapes(QString::fromLocal8Bit(argv[1]));
    const QDir assets(QString::fromLocal8Bit(argv[2]));
    const QString pics = assets.filePath("pictures");
    QDir().mkpath(pics);

    // The map is drawn at twice its size on the window; the window's own size is a smooth
    // halving of it, so ordinary screens show it without scaling or decoding the large one.
    const QImage map2x = renderMap(shapes);
    save(map2x, pics + "/map@2x.png");
    save(map2x.scaled(map2x.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
         pics + "/map.png");
    {
        QByteArray pal;
        for (const auto &e : kPalette)
            pal += e.first.toUtf8() + ' ' + e.second.name(QColor::HexRgb).toUtf8() + '\n';
        writeFile(pics + "/map-palette.txt", pal);
    }
    save(renderPanel(), pics + "/panel.png");
    save(renderStar(), pics + "/star.png");
    save(renderPushpin(32), pics + "/pushpin.png");
    save(renderPushpin(64), pics + "/pushpin@2x.png");

    const QImage i32 = opaque(iconCyan(shapes, 32));
    const QImage i256 = iconStars(shapes, 256);
    const QImage i128 = iconStars(shapes, 128);
    const QImage i48 = iconTile(shapes, 48);
    writeFile(pics + "/tessaline.ico", iconFile({{i32, 24}, {i256, 32}, {i128, 32}, {i48, 32}}, 1));
    save(iconCyan(shapes, 16), pics + "/icon-16.png");
    save(iconCyan(shapes, 32), pics + "/icon-32.png");
    save(i48, pics + "/icon-48.png");
    save(iconTile(shapes, 64), pics + "/icon-64.png");
    save(i128, pics + "/icon-128.png");
    save(i256, pics + "/icon-256.png");

    Entry hand{renderHand(), 32, kHotX, kHotY};
    writeFile(assets.filePath("HAND-M.CUR"), iconFile({hand}, 2));
    std::printf("cursor hot spot %d,%d\n", kHotX, kHotY);
    return 0;
}
