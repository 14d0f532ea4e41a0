// The toolkit where a fault would change the game: copies of element 0, stacking of the
// overlapping zones, the drag icon as the pointer, visibility through a drag, the modal box,
// and the twips-to-pixels mapping at every screen scale.
#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/toolkit/form.h"
#include "mapdata/toolkit/formwidget.h"
#include "mapdata/toolkit/messagebox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

using namespace mapdata;

namespace {

QImage filledImage(int side, Qt::GlobalColor colour) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(ControlArrayLoad, ANewElementStartsWithEveryPropertyOfElementZeroHiddenAndInFront) {
    Form form(QStringLiteral("Form1"), {6000, 6000});
    ControlArray &labels = form.addArray(QStringLiteral("labels"));
    Control &first = labels.addDesignElement(ControlKind::Label, 0);
    first.setRect({100, 200, 2400, 285});
    first.setTag(QStringLiteral("Peru,Lima"));
    first.setCaption(QStringLiteral("Label3"));
    first.setFont({QStringLiteral("Arial"), 11.25, true});
    first.setForeColor(kColorWhite);
    first.setBackColor(rgbColor(1, 2, 3));
    first.setTransparent(true);
    first.setAlignment(TextAlignment::Centre);
    first.setDragMode(DragMode::Automatic);
    first.setDragIcon(filledImage(32, Qt::blue));
    first.setPicture(filledImage(8, Qt::red));
    first.setStretched(true);
    Control &other = form.addControl(ControlKind::Image, QStringLiteral("Image1"));

    Control &copy = labels.load(5);
    EXPECT_EQ(copy.kind(), ControlKind::Label);
    EXPECT_EQ(copy.rect(), first.rect());
    EXPECT_EQ(copy.tag(), first.tag());
    EXPECT_EQ(copy.caption(), first.caption());
    EXPECT_EQ(copy.font().family, first.font().family);
    EXPECT_EQ(copy.font().sizePoints, first.font().sizePoints);
    EXPECT_TRUE(copy.fontBold());
    EXPECT_EQ(copy.foreColor(), kColorWhite);
    EXPECT_EQ(copy.backColor(), rgbColor(1, 2, 3));
    EXPECT_TRUE(copy.isTransparent());
    EXPECT_EQ(copy.alignment(), TextAlignment::Centre);
    EXPECT_EQ(copy.dragMode(), DragMode::Automatic);
    EXPECT_EQ(copy.dragIcon(), first.dragIcon());
    EXPECT_EQ(copy.picture(), first.picture());
    EXPECT_TRUE(copy.isStretched());
    EXPECT_FALSE(copy.isVisible());
    EXPECT_TRUE(first.isVisible()) << "element 0 keeps its own visibility";
    EXPECT_GT(form.stackingPosition(copy), form.stackingPosition(other));
    // Shown, the copy lies over element 0 and takes its drops with its own index.
    std::vector<int> dropped;
    labels.setDragDropHandler([&](std::int16_t index, Control &) { dropped.push_back(index); });
    copy.setVisible(true);
    Control &source = form.addControl(ControlKind::Label, QStringLiteral("dragged"));
    source.setRect({4000, 4000, 500, 500});
    source.setDragMode(DragMode::Automatic);
    ASSERT_TRUE(form.beginDrag({4100, 4100}));
    form.endDrag({150, 250});
    EXPECT_EQ(dropped, std::vector<int>{5});
}

class DragOnWidget : public ::testing::Test {
protected:
    DragOnWidget() : form(QStringLiteral("Form1"), {3000, 3000}), widget(form) {
        ControlArray &pool = form.addArray(QStringLiteral("labels"));
        label = &pool.addDesignElement(ControlKind::Label, 0);
        label->setRect({1500, 150, 1200, 300}); // pixels 100,10 to 180,30
        label->setCaption(QStringLiteral("Lima"));
        label->setDragMode(DragMode::Automatic);
        ControlArray &zones = form.addArray(QStringLiteral("piccoor"));
        zone = &zones.addDesignElement(ControlKind::Image, 0);
        zone->setRect({150, 1500, 1200, 1200}); // pixels 10,100 to 90,180
        pool.setDragOverHandler([this](std::int16_t, Control &source) {
            source.setDragIcon(icon);
            ++overs;
        });
        zones.setDragDropHandler([this](std::int16_t, Control &source) {
            ++drops;
            source.setVisible(false);
        });
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }

    Form form;
    FormWidget widget;
    Control *label = nullptr;
    Control *zone = nullptr;
    QImage icon = filledImage(32, Qt::blue);
    int overs = 0;
    int drops = 0;
};

TEST_F(DragOnWidget, TheDragIconIsThePointerWhileDraggingAndTheWindowsPointerAfter) {
    PointerPicture custom{filledImage(16, Qt::green), {1, 1}};
    form.setMouseIcon(custom);
    form.setMousePointer(MousePointer::Custom);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(120, 20));
    ASSERT_EQ(form.dragSource(), label);
    QTest::mouseMove(&widget, QPoint(130, 22));
    ASSERT_EQ(overs, 1);
    EXPECT_EQ(widget.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(widget.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32), icon);
    QTest::mouseMove(&widget, QPoint(50, 150));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(50, 150));
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(form.dragSource(), nullptr);
    EXPECT_EQ(widget.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              custom.image)
        << "the window's own pointer is back";
    EXPECT_EQ(label->dragIcon(), icon) << "the icon stays with the label for its next drag";
}

TEST_F(DragOnWidget, TheLabelStaysVisibleWhileDraggedAndAHiddenOneNeitherDragsNorTakesDrops) {
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(120, 20));
    QTest::mouseMove(&widget, QPoint(60, 120));
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(form.dragSource(), label);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(60, 120));
    EXPECT_EQ(drops, 1);
    EXPECT_FALSE(label->isVisible()) << "hidden by the drop handler";
    EXPECT_EQ(form.hitTest({1800, 300}), nullptr);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(120, 20));
    EXPECT_EQ(form.dragSource(), nullptr) << "a hidden label cannot be dragged";
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(60, 120));
    EXPECT_EQ(drops, 1);
    // A disabled window, as while a modal box is up, starts no drag.
    label->setVisible(true);
    widget.setEnabled(false);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(120, 20));
    EXPECT_EQ(form.dragSource(), nullptr);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(120, 20));
    widget.setEnabled(true);
}

TEST_F(DragOnWidget, TheMessageBoxIsModalReturnsOnlyWhenDismissedAndShowsPlainText) {
    QtMessageBoxes boxes(&widget);
    bool sawBox = false;
    bool returned = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        sawBox = true;
        EXPECT_FALSE(returned) << "msgBox waits for the user";
        EXPECT_EQ(box->parentWidget(), &widget);
        EXPECT_NE(box->windowModality(), Qt::NonModal);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Application Error"));
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), QStringLiteral("<b>Lima</b>\nin Form1\n\nPlease"));
        EXPECT_EQ(box->buttons().size(), 1);
        // The window under the box takes no drag while the box is up: a press through the
        // window system, where Qt applies modality.
        QTest::mousePress(widget.windowHandle(), Qt::LeftButton, {}, QPoint(120, 20));
        EXPECT_EQ(form.dragSource(), nullptr);
        QTest::mouseRelease(widget.windowHandle(), Qt::LeftButton, {}, QPoint(120, 20));
        box->button(QMessageBox::Ok)->click();
    });
    boxes.msgBox(QStringLiteral("<b>Lima</b>\r\nin Form1\r\rPlease"), kMsgBoxOkExclamation,
                 QStringLiteral("Application Error"));
    returned = true;
    EXPECT_TRUE(sawBox);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The window is laid out in twips and drawn at the screen's scale: a control's edges fall on
// the device pixels of its twips, and a pointer position maps back into the same control.
TEST(TwipsToPixels, EdgesAndPointerPositionsMatchTheControlsTwipsAtEveryScale) {
    // Edges at multiples of 60 twips fall on whole device pixels at all of these scales.
    const TwipsRect place{600, 1200, 1800, 900};
    for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(scale);
        Form form(QStringLiteral("Form1"), {3000, 3000});
        form.setBackColor(kColorWhite);
        Control &label = form.addControl(ControlKind::Label, QStringLiteral("Label1"));
        label.setRect(place);
        label.setBackColor(rgbColor(255, 0, 0));
        FormWidget widget(form);
        QImage frame(widget.size() * scale, QImage::Format_RGB32);
        frame.setDevicePixelRatio(scale);
        QPainter painter(&frame);
        widget.paintForm(painter, widget.rect());
        painter.end();
        const int left = int(place.leftTwips * scale / kTwipsPerPixel);
        const int top = int(place.topTwips * scale / kTwipsPerPixel);
        const int right = int(place.rightTwips() * scale / kTwipsPerPixel);
        const int bottom = int(place.bottomTwips() * scale / kTwipsPerPixel);
        const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
        EXPECT_EQ(frame.pixel(left, top), red);
        EXPECT_EQ(frame.pixel(right - 1, bottom - 1), red);
        EXPECT_EQ(frame.pixel(left - 1, top), white);
        EXPECT_EQ(frame.pixel(left, top - 1), white);
        EXPECT_EQ(frame.pixel(right, bottom - 1), white);
        EXPECT_EQ(frame.pixel(right - 1, bottom), white);
        // A pointer at the middle of a device pixel, in logical pixels as Qt reports it.
        const auto at = [&](int deviceX, int deviceY) {
            return form.hitTest(
                pixelsToTwips(QPointF((deviceX + 0.5) / scale, (deviceY + 0.5) / scale)));
        };
        EXPECT_EQ(at(left, top), &label);
        EXPECT_EQ(at(right - 1, bottom - 1), &label);
        EXPECT_EQ(at(left - 1, top), nullptr);
        EXPECT_EQ(at(right, bottom - 1), nullptr);
        EXPECT_EQ(at(right - 1, bottom), nullptr);
    }
    // The design's places are whole pixels at scale one.
    for (const TwipsRect &r : {kLabel1Rect, kLabel2Rect, kPushButton1Rect, kImage3Rect}) {
        EXPECT_EQ(r.toPixels(), QRectF(r.toPixels().toRect()));
        EXPECT_EQ(pixelsToTwips(twipsToPixels({r.leftTwips, r.topTwips})),
                  QPoint(r.leftTwips, r.topTwips));
    }
}
