#include "mapdata/design/quizwindowdesign.h"

#include "mapdata/design/rawpicture.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFont>
#include <QImageReader>
#include <QResource>

namespace mapdata {

const char *const kDesignPoolCaption = "Label3";
const char *const kDesignMapCaption = "*************";
const char *const kHeadingContext = "QuizWindow";
//: The heading above the instruction line, in capitals.
const char *const kInstructionsHeading = QT_TRANSLATE_NOOP("QuizWindow", "INSTRUCTIONS");
//: The one instruction, to the pupil, in capitals; "state" means any name of the pool:
//: countries, capitals, seas and oceans. It must fit one line above the map.
const char *const kInstructionLine =
    QT_TRANSLATE_NOOP("QuizWindow", "DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP");
//: A heading of the pool of names, in capitals; the colon as your language writes it (the
//: English design's space before it is the design's own).
const char *const kCountriesHeading = QT_TRANSLATE_NOOP("QuizWindow", "COUNTRIES :");
//: A heading of the pool of names, in capitals; the colon as your language writes it.
const char *const kCapitalsHeading = QT_TRANSLATE_NOOP("QuizWindow", "CAPITALS :");
//: A heading of the pool of names, in capitals; the colon as your language writes it.
const char *const kSeasHeading = QT_TRANSLATE_NOOP("QuizWindow", "SEAS AND OCEANS :");
const char *const kWindowFontFamily = "Arial";
const char *const kMapLabelFontFamily = "Arial Narrow";

namespace {

// Decoded once per run; every window and test shares the same pixels. The PNG pictures are
// read by Qt's own PNG reader: naming the format and turning detection off keeps Qt from first
// loading every image-format plugin installed to ask each about PNG.
QImage loadPicture(const char *path) {
    QImageReader reader(QString::fromLatin1(path), QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The pictures the first frame shows are built in raw and read where they lie.
QImage loadRawPicture(const char *path) {
    const QResource resource(QString::fromLatin1(path));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return decodeRawPicture(resource.data(), resource.size());
}

Control &addHeading(Form &form, const char *name, const TwipsRect &rect, const char *text,
                    bool bold) {
    Control &label = form.addControl(ControlKind::Label, QString::fromLatin1(name));
    label.setRect(rect);
    // Only ever drawn: shown in the window's language.
    label.setCaption(QCoreApplication::translate(kHeadingContext, text));
    label.setTransparent(true);
    label.setForeColor(kColorWhite);
    label.setFont({QString::fromLatin1(kWindowFontFamily), kHeadingFontPoints, bold});
    return label;
}

Control &addPicture(Form &form, const char *name, const TwipsRect &rect, const QImage &picture) {
    Control &image = form.addControl(ControlKind::Image, QString::fromLatin1(name));
    image.setRect(rect);
    image.setPicture(picture);
    image.setStretched(true);
    return image;
}

void addMapLabel(ControlArray &maplabel, int index) {
    Control &label = maplabel.addDesignElement(ControlKind::Label, index);
    label.setRect(kItemTable[std::size_t(index)].mapLabel);
    label.setCaption(QString::fromLatin1(kDesignMapCaption));
    // Shown in bold once placed, in a room that fits the name to the pixel: fully hinted bold
    // advances on Windows (62 px for "Buenos Aires" in Liberation Sans Narrow) would wrap it.
    label.setFont({QString::fromLatin1(kMapLabelFontFamily), kMapLabelFontPoints, false, true});
    label.setAlignment(TextAlignment::Centre);
    label.setTransparent(true);
    label.setForeColor(kColorButtonText);
    label.setVisible(false);
}

} // namespace

QImage mapPicture() {
    static const QImage image = loadRawPicture(":/pictures/map.pix");
    return image;
}

QImage largeMapPicture() {
    static const QImage image = loadPicture(":/pictures/map@2x.png");
    return image;
}

QImage panelPicture() {
    static const QImage image = loadRawPicture(":/pictures/panel.pix");
    return image;
}

QImage capitalStarPicture() {
    static const QImage image = loadRawPicture(":/pictures/star.pix");
    return image;
}

QImage pushPinPicture() {
    static const QImage image = loadRawPicture(":/pictures/pushpin.pix");
    return image;
}

QImage applicationIconPicture() {
    static const QImage image = loadRawPicture(":/pictures/icon-256.pix");
    return image;
}

void addFontStandIns() {
    QFont::insertSubstitutions(QString::fromLatin1(kWindowFontFamily),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QString::fromLatin1(kMapLabelFontFamily),
                               {QStringLiteral("Liberation Sans Narrow")});
}

QuizWindowDesign::QuizWindowDesign()
    : form(QStringLiteral("Form1"), QSize(kClientWidthTwips, kClientHeightTwips)),
      labels(form.addArray(QStringLiteral("labels"))),
      maplabel(form.addArray(QStringLiteral("maplabel"))),
      shape(form.addArray(QStringLiteral("shape"))),
      piccoor(form.addArray(QStringLiteral("piccoor"))),
      imgCapital(form.addArray(QStringLiteral("imgCapital"))) {
    addFontStandIns();
    form.setCaption(QStringLiteral("Form1"));
    form.setBackColor(kColorWhite);

    // Added back to front: the last control added lies in front.
    Image1 = &addPicture(form, "Image1", kImage1Rect, mapPicture());
    Image1->setLargePicture(&largeMapPicture);
    Image3 = &addPicture(form, "Image3", kImage3Rect, panelPicture());
    Label2 = &addHeading(form, "Label2", kLabel2Rect, kInstructionLine, false);
    Label1 = &addHeading(form, "Label1", kLabel1Rect, kInstructionsHeading, true);
    Image2 = &form.addControl(ControlKind::Image, QStringLiteral("Image2"));
    Image2->setRect(kImage2Rect);
    Image2->setPicture(pushPinPicture());
    Image2->setVisible(false);

    for (int i = 0; i < kItemCount; ++i) {
        Control &label = labels.addDesignElement(ControlKind::Label, i);
        label.setRect(kItemTable[std::size_t(i)].poolRect());
        label.setCaption(QString::fromLatin1(kDesignPoolCaption));
        label.setTransparent(true);
        label.setForeColor(kColorWhite);
        label.setFont({QString::fromLatin1(kWindowFontFamily), kPoolFontPoints, true});
        label.setDragMode(DragMode::Automatic);
    }
    Control &zone = piccoor.addDesignElement(ControlKind::Image, 0);
    zone.setRect(kDesignDropZoneRect);
    zone.setDragMode(DragMode::Automatic);

    Label3 = &addHeading(form, "Label3", kLabel3Rect, kCountriesHeading, true);
    Label4 = &addHeading(form, "Label4", kLabel4Rect, kCapitalsHeading, true);
    Label5 = &addHeading(form, "Label5", kLabel5Rect, kSeasHeading, true);

    for (int z = 0; z < kZoneCount; ++z) {
        Control &rect = shape.addDesignElement(ControlKind::Shape, z);
        rect.setRect(kZoneTable[std::size_t(z)].rect());
        rect.setTag(QString::fromLatin1(kZoneTable[std::size_t(z)].tag));
        rect.setForeColor(kColorBlack);
    }
    addMapLabel(maplabel, 0);
    const QImage star = capitalStarPicture();
    for (int m = 0; m < kCapitalMarkerCount; ++m) {
        Control &marker = imgCapital.addDesignElement(ControlKind::Image, m);
        marker.setRect(kCapitalMarkers[std::size_t(m)].rect());
        marker.setPicture(star);
        marker.setStretched(true);
    }
    for (int i = 1; i < kItemCount; ++i)
        addMapLabel(maplabel, i);
}

} // namespace mapdata
