#include "fakes/fakeservices.h"
#include "fakes/windowlanguage.h"
#include "quiz/quizwindow.h"
#include "shell/translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace mapdata;

namespace {

bool isWhite(QRgb c) {
    return qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225;
}
bool isBlue(QRgb c) {
    return qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 10;
}

int whitePixelsIn(const QImage &image, const TwipsRect &rect) {
    const QRect px = rect.toPixels().toRect().intersected(image.rect());
    int n = 0;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x)
            n += isWhite(image.pixel(x, y)) ? 1 : 0;
    return n;
}

class QuizWindowOnScreen : public ::testing::Test, protected fakes::FakeServices {
protected:
    QuizWindowOnScreen() {
        window = std::make_unique<fakes::WiredWindow>(services());
        window->loadAndShow();
    }

    QImage render(qreal devicePixelRatio = 1.0) {
        QImage image(window->widget().size() * devicePixelRatio, QImage::Format_RGB32);
        image.setDevicePixelRatio(devicePixelRatio);
        QPainter painter(&image);
        window->widget().paintForm(painter, window->widget().rect());
        return image;
    }

    std::unique_ptr<fakes::WiredWindow> window;
};

} // namespace

TEST_F(QuizWindowOnScreen, IsAFixedWindowOf999By706WithoutMaximiseButton) {
    QWidget &w = window->widget();
    EXPECT_EQ(w.size(), QSize(999, 706));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    w.resize(1200, 900);
    EXPECT_EQ(w.size(), QSize(999, 706));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tessaline"));
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(QuizWindowOnScreen, PanelIsBlueFromTopToBottomRightOfTheMap) {
    const QImage image = render();
    for (int x : {582, 995})
        for (int y = 0; y < image.height(); ++y)
            ASSERT_TRUE(isBlue(image.pixel(x, y))) << x << "," << y;
}

TEST_F(QuizWindowOnScreen, HeadingsAndNamesAreWhiteWhereTheyArePlaced) {
    const QImage image = render();
    const QuizWindowDesign &d = window->design();
    for (const Control *heading : {d.Label1, d.Label2, d.Label3, d.Label4, d.Label5})
        EXPECT_GT(whitePixelsIn(image, heading->rect()), 20) << heading->caption().toStdString();
    for (int i = 0; i < kItemCount; ++i) {
        const TwipsRect place = kItemTable[std::size_t(i)].poolRect();
        EXPECT_GT(whitePixelsIn(image, place), 30) << kItemTable[std::size_t(i)].name;
        EXPECT_EQ(d.labels(i).caption(), QString::fromLatin1(kItemTable[std::size_t(i)].name));
    }
}

TEST_F(QuizWindowOnScreen, MapShowsEveryCountryColourAndNoZoneOutline) {
    const QImage image = render();
    // The same window with nothing but the map picture.
    QuizWindowDesign bare;
    for (Control *control : bare.form.stackingOrder())
        control->setVisible(control == bare.Image1);
    FormWidget bareWidget(bare.form);
    QImage mapOnly(bareWidget.size(), QImage::Format_RGB32);
    QPainter painter(&mapOnly);
    bareWidget.paintForm(painter, bareWidget.rect());

    int differing = 0;
    const QRect mapArea = kImage1Rect.toPixels().toRect().intersected(image.rect());
    for (int y = mapArea.top(); y <= mapArea.bottom(); ++y)
        for (int x = mapArea.left(); x < 580; ++x) {
            bool onMarker = false;
            for (const MarkerRecord &marker : kCapitalMarkers)
                onMarker |=
                    marker.rect().toPixels().toAlignedRect().adjusted(-1, -1, 1, 1).contains(x, y);
            if (!onMarker && image.pixel(x, y) != mapOnly.pixel(x, y))
                ++differing;
        }
    EXPECT_EQ(differing, 0);

    QFile paletteFile(QStringLiteral(TESSALINE_ASSETS_DIR "/pictures/map-palette.txt"));
    ASSERT_TRUE(paletteFile.open(QIODevice::ReadOnly | QIODevice::Text));
    int colours = 0;
    for (const QByteArray &line : paletteFile.readAll().split('\n')) {
        const int hash = line.indexOf('#');
        if (hash < 0)
            continue;
        const QRgb colour = QColor(QString::fromLatin1(line.mid(hash).trimmed())).rgb();
        int seen = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < 580; x += 2)
                seen += image.pixel(x, y) == colour ? 1 : 0;
        EXPECT_GT(seen, 2) << line.constData();
        ++colours;
    }
    EXPECT_EQ(colours, 13);
}

TEST_F(QuizWindowOnScreen, DrawsCrisplyAtTwiceTheScale) {
    const QImage image = render(2.0);
    EXPECT_EQ(image.size(), QSize(1998, 1412));
    // The panel's right edge and a pool name are drawn at device resolution.
    EXPECT_TRUE(isBlue(image.pixel(1990, 700)));
    int white = 0;
    const QRect place = QRect(606 * 2, 96 * 2, 160 * 2, 19 * 2);
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            white += isWhite(image.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(white, 120);
}

TEST_F(QuizWindowOnScreen, MapIsTheSmallPictureAtScaleOneAndTheLargeOneAtScaleTwo) {
    const QRect mapPixels = kImage1Rect.toPixels().toRect();
    std::vector<QRect> markers;
    for (const MarkerRecord &marker : kCapitalMarkers)
        markers.push_back(marker.rect().toPixels().toAlignedRect().adjusted(-1, -1, 1, 1));
    for (const qreal scale : {1.0, 2.0}) {
        const QImage image = render(scale);
        const QImage picture = scale == 1.0 ? mapPicture() : largeMapPicture();
        ASSERT_EQ(picture.size(), mapPixels.size() * scale);
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QPoint logical = mapPixels.topLeft() + QPoint(int(x / scale), int(y / scale));
                const bool onMarker =
                    std::any_of(markers.begin(), markers.end(),
                                [&](const QRect &r) { return r.contains(logical); });
                const QPoint device = mapPixels.topLeft() * scale + QPoint(x, y);
                // The map runs past the window's bottom edge.
                if (!image.rect().contains(device))
                    continue;
                if (!onMarker && image.pixel(device) != picture.pixel(x, y))
                    ++differing;
            }
        EXPECT_EQ(differing, 0) << "at scale " << scale;
    }
}

namespace {
int largePictureLoads = 0;
QImage countedLargePicture() {
    ++largePictureLoads;
    QImage large(40, 20, QImage::Format_RGB32);
    large.fill(Qt::red);
    return large;
}
} // namespace

TEST(StretchedPicture, LoadsItsLargeCopyOnlyWhenAScreenScalesItUp) {
    Form form(QStringLiteral("Small"), QSize(600, 300));
    Control &image = form.addControl(ControlKind::Image, QStringLiteral("Image1"));
    image.setRect({0, 0, 300, 150}); // 20 x 10 pixels
    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(Qt::blue);
    image.setPicture(small);
    image.setStretched(true);
    image.setLargePicture(&countedLargePicture);
    FormWidget widget(form);
    largePictureLoads = 0;
    for (const qreal scale : {1.0, 2.0}) {
        QImage frame(widget.size() * scale, QImage::Format_RGB32);
        frame.setDevicePixelRatio(scale);
        QPainter painter(&frame);
        widget.paintForm(painter, widget.rect());
        painter.end();
        EXPECT_EQ(frame.pixel(QPoint(9, 4) * scale),
                  scale == 1.0 ? qRgb(0, 0, 255) : qRgb(255, 0, 0));
        EXPECT_EQ(largePictureLoads, scale == 1.0 ? 0 : 1);
    }
}

// A strip whose rows are each one colour is drawn as a narrow scaled strip repeated across;
// that must give exactly the pixels of the whole picture scaled smoothly, for the window's
// panel and for a strip that changes colour at every row.
TEST(StretchedPicture, AStripOfOneColourPerRowDrawsAsTheSmoothlyScaledWhole) {
    QImage steps(22, 40, QImage::Format_RGB32);
    for (int y = 0; y < steps.height(); ++y)
        for (int x = 0; x < steps.width(); ++x)
            steps.setPixel(x, y, qRgb((y * 97) % 256, (y * 31) % 256, 255 - y * 5));
    const TwipsRect places[] = {kImage3Rect, {150, 150, 6285, 10815}, {0, 0, 3000, 1500}};
    for (const QImage &picture : {panelPicture(), steps}) {
        for (const TwipsRect &place : places) {
            Form form(QStringLiteral("Strip"), QSize(kClientWidthTwips, kClientHeightTwips));
            form.setBackColor(kColorWhite);
            Control &image = form.addControl(ControlKind::Image, QStringLiteral("Image3"));
            image.setRect(place);
            image.setPicture(picture);
            image.setStretched(true);
            FormWidget widget(form);
            QImage frame(widget.size(), QImage::Format_RGB32);
            QPainter painter(&frame);
            widget.paintForm(painter, widget.rect());
            painter.end();

            QImage expected(widget.size(), QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter reference(&expected);
            const QRect target = place.toPixels().toRect();
            reference.drawImage(
                target.topLeft(),
                picture.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            reference.end();
            EXPECT_EQ(frame, expected) << target.x() << "," << target.y() << " " << target.width()
                                       << "x" << target.height();
        }
    }
}

TEST_F(QuizWindowOnScreen, FocusSinkHoldsTheFocusOutOfSight) {
    QWidget &w = window->widget();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QLineEdit &text1 = window->Text1();
    EXPECT_TRUE(text1.hasFocus());
    EXPECT_FALSE(w.rect().intersects(text1.geometry()));
    EXPECT_EQ(text1.text(), QStringLiteral("Text1"));
}

// A face wider than Arial (the fallback for a missing font) wraps a name onto a line more
// than its label has room for, and the label cuts it off: "North Atlantic Ocean" in the
// pool did, under Wine without Arial. Translated names and headings are longer still.
TEST_F(QuizWindowOnScreen, EveryNameFitsItsPoolLabelAndItsMapLabel) {
    if (QFontInfo(toQFont({})).family().isEmpty())
        GTEST_SKIP() << "this platform plugin finds no fonts at all (offscreen on Windows)";
    const QuizWindowDesign &d = window->design();
    // At each whole screen scale the window is drawn at: the font's pixels and the room both
    // grow, but hinting does not scale exactly.
    auto expectFits = [](const QString &text, const FontSpec &font, const TwipsRect &rect) {
        for (const int scale : {1, 2}) {
            QFont scaled = toQFont(font);
            scaled.setPixelSize(scaled.pixelSize() * scale);
            const QRectF logical = rect.toPixels();
            const QRectF room(logical.topLeft() * scale, logical.size() * scale);
            const QRectF used = QFontMetricsF(scaled).boundingRect(
                room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
            EXPECT_TRUE(room.contains(used))
                << text.toStdString() << " at scale " << scale << " in "
                << QFontInfo(scaled).family().toStdString() << ": needs " << used.width() << " x "
                << used.height() << ", has " << room.width() << " x " << room.height();
        }
    };
    for (const QString &language : fakes::windowLanguages()) {
        SCOPED_TRACE(language.toStdString());
        fakes::WindowLanguage shown(language.toLatin1().constData());
        for (int i = 0; i < kItemCount; ++i) {
            const QString name =
                shell::shownPlaceName(QString::fromLatin1(kItemTable[std::size_t(i)].name));
            // A placed name is shown in bold.
            FontSpec mapFont = d.maplabel(i).font();
            mapFont.bold = true;
            expectFits(name, d.labels(i).font(), d.labels(i).rect());
            expectFits(name, mapFont, d.maplabel(i).rect());
        }
        for (const auto &[heading, text] :
             {std::pair{d.Label1, kInstructionsHeading}, std::pair{d.Label2, kInstructionLine},
              std::pair{d.Label3, kCountriesHeading}, std::pair{d.Label4, kCapitalsHeading},
              std::pair{d.Label5, kSeasHeading}})
            expectFits(QCoreApplication::translate(kHeadingContext, text), heading->font(),
                       heading->rect());
    }
}
