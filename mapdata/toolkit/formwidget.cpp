#include "mapdata/toolkit/formwidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetricsF>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleHints>

#include <cmath>

namespace mapdata {

namespace {

// A caption can come from a file of any length; more than this never fits a label.
constexpr int kMaxPaintedChars = 2000;
// Pictures scaled for the screen are kept; a bound keeps a changing screen scale from growing it.
constexpr int kMaxScaledPictures = 64;
constexpr int kDragOutlineWidthPixels = 2;
// A picture whose columns are all alike is scaled to a strip this wide and tiled across its
// place: the same pixels, without a full-size copy kept for the run.
constexpr int kStripTileWidthPixels = 32;
// The focus mark beside a name: a wedge pointing at it, in the margin left of the text.
constexpr int kFocusWedgeWidthPixels = 8;
constexpr int kFocusWedgeGapPixels = 3;
// Around a focused button, on the surface just outside it.
constexpr int kFocusRingGapPixels = 2;
constexpr int kFocusRingWidthPixels = 2;
// The marked region: see-through, so the map stays readable under it.
constexpr int kMarkFillAlpha = 80;
constexpr int kMarkLineWidthPixels = 2;

// The rows and columns that a label's text covers, ink only: the rows of neighbouring names
// in the pool overlap the label's rectangle, never this box.
QRectF textInkBox(const QRectF &rect, const QFont &font, const QString &text, int align) {
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(rect, align, text);
    const qreal top = rect.top() + metrics.ascent() - metrics.capHeight();
    return QRectF(QPointF(bounds.left(), top), bounds.bottomRight()).intersected(rect);
}

int labelAlignment(const Control &control) {
    return (control.alignment() == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
           Qt::AlignTop | Qt::TextWordWrap;
}

// Dark where the colour is light, light where it is dark: the text on a held name's box.
QColor contrastingColor(const QColor &color) {
    return color.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

QRect toDirtyPixels(const TwipsRect &rect) {
    const QRectF px = rect.toPixels();
    return px.toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace

FormWidget::FormWidget(Form &form, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_form(form) {
    setFixedSize(form.clientSizeTwips().width() / kTwipsPerPixel,
                 form.clientSizeTwips().height() / kTwipsPerPixel);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_form.setObserver(this);
    windowChanged();
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget *from, QWidget *to) { focusMoved(from, to); });
}

FormWidget::~FormWidget() {
    // Deleting the children moves the focus, after this part of the widget is gone.
    disconnect(m_focusConnection);
    m_form.setObserver(nullptr);
}

void FormWidget::placeChild(QWidget *child, const QString &name, const TwipsRect &rect) {
    child->setParent(this);
    child->setObjectName(name);
    child->setGeometry(rect.toPixels().toRect());
    m_form.addWindowedPlace(name, rect).visible = child->isVisibleTo(this);
    child->installEventFilter(this);
}

bool FormWidget::eventFilter(QObject *watched, QEvent *event) {
    // Qt sends the focus-in before it reports the focus change.
    if (event->type() == QEvent::FocusIn)
        m_focusReason = static_cast<QFocusEvent *>(event)->reason();
    // A windowed control covers the painted surface only while it is shown.
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        if (WindowedPlace *place = m_form.windowedPlace(watched->objectName()))
            place->visible = event->type() == QEvent::ShowToParent;
    }
    return QWidget::eventFilter(watched, event);
}

void FormWidget::invalidateRect(const TwipsRect &rect) {
    update(toDirtyPixels(rect));
}

void FormWidget::invalidateAll() {
    update();
}

void FormWidget::windowChanged() {
    if (windowTitle() != m_form.caption())
        setWindowTitle(m_form.caption());
    const qint64 iconKey = m_form.icon().cacheKey();
    if (m_iconKey != iconKey) {
        m_iconKey = iconKey;
        setWindowIcon(m_form.icon().isNull() ? QIcon() : QIcon(QPixmap::fromImage(m_form.icon())));
    }
    updateCursor();
    if (m_heldShown != m_form.held()) {
        m_heldShown = m_form.held();
        emit heldChanged(m_heldShown);
    }
}

void FormWidget::visibilityChanged(Control &control) {
    emit controlVisibilityChanged(&control);
}

void FormWidget::updateCursor() {
    const Control *source = m_form.dragSource();
    if (source && !source->dragIcon().isNull()) {
        const QImage &icon = source->dragIcon();
        setCursor(QCursor(QPixmap::fromImage(icon)));
        return;
    }
    if (!source && m_form.held() && !m_form.heldPointer().isNull()) {
        setCursor(QCursor(QPixmap::fromImage(m_form.heldPointer())));
        return;
    }
    if (m_form.mousePointer() == MousePointer::Custom) {
        const PointerPicture &picture = m_form.mouseIcon();
        if (picture.isNull())
            setCursor(Qt::PointingHandCursor);
        else
            setCursor(QCursor(QPixmap::fromImage(picture.image), picture.hotSpot.x(),
                              picture.hotSpot.y()));
        return;
    }
    unsetCursor();
}

void FormWidget::closeWindow() {
    if (!m_closing)
        close();
}

void FormWidget::closeEvent(QCloseEvent *event) {
    m_closing = true;
    m_form.unload();
    m_closing = false;
    if (m_form.isUnloaded())
        event->accept();
    else
        event->ignore();
}

const QFont &FormWidget::fontFor(const FontSpec &style) {
    const QString key = style.family + QLatin1Char('/') + QString::number(style.sizePoints) +
                        (style.bold ? QLatin1String("/b") : QLatin1String("/r")) +
                        (style.fontAdvances ? QLatin1String("/a") : QLatin1String(""));
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        it = m_fonts.insert(key, toQFont(style));
    }
    return *it;
}

const QPixmap &FormWidget::scaledPicture(const QImage &image, QSize deviceSize) {
    const QString key = QString::number(image.cacheKey()) + QLatin1Char('@') +
                        QString::number(deviceSize.width()) + QLatin1Char('x') +
                        QString::number(deviceSize.height());
    auto it = m_scaled.find(key);
    if (it == m_scaled.end()) {
        if (m_scaled.size() >= kMaxScaledPictures)
            m_scaled.clear();
        it = m_scaled.insert(key, QPixmap::fromImage(image.scaled(deviceSize, Qt::IgnoreAspectRatio,
                                                                  Qt::SmoothTransformation)));
    }
    return *it;
}

bool FormWidget::hasEqualColumns(const QImage &image) {
    auto it = m_equalColumns.constFind(image.cacheKey());
    if (it != m_equalColumns.constEnd())
        return *it;
    if (m_equalColumns.size() >= kMaxScaledPictures)
        m_equalColumns.clear();
    bool equal = image.depth() == 32;
    for (int y = 0; equal && y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 1; x < image.width(); ++x) {
            if (row[x] != row[0]) {
                equal = false;
                break;
            }
        }
    }
    m_equalColumns.insert(image.cacheKey(), equal);
    return equal;
}

void FormWidget::drawStretched(QPainter &painter, const QRect &target, const QImage &image,
                               QSize deviceSize) {
    // Smooth scaling mixes only equal pixels across a row of such a picture, so a narrow strip
    // scaled the same way holds every column of the full one. Taken only when scaling up, and
    // at scale one, where a strip pixel is a screen pixel.
    if (deviceSize == target.size() && deviceSize.width() > kStripTileWidthPixels &&
        image.width() <= kStripTileWidthPixels && image.height() <= deviceSize.height() &&
        hasEqualColumns(image)) {
        painter.drawTiledPixmap(
            target, scaledPicture(image, QSize(kStripTileWidthPixels, deviceSize.height())));
        return;
    }
    painter.drawPixmap(target, scaledPicture(image, deviceSize));
}

void FormWidget::paintControl(QPainter &painter, const Control &control, qreal dpr) {
    const QRectF rect = control.rect().toPixels();
    switch (control.kind()) {
    case ControlKind::Label: {
        if (!control.isTransparent())
            painter.fillRect(rect, toQColor(control.backColor(), palette()));
        painter.setFont(fontFor(control.font()));
        painter.setPen(toQColor(control.foreColor(), palette()));
        const int align = labelAlignment(control);
        if (&control == m_form.held()) {
            paintHeld(painter, control);
            break;
        }
        // drawText with a QString is always plain text: names come from a file.
        painter.drawText(rect, align, control.caption().left(kMaxPaintedChars));
        break;
    }
    case ControlKind::Image: {
        const QImage &picture = control.picture();
        if (picture.isNull())
            break;
        if (control.isStretched()) {
            const QRect target = rect.toRect();
            const QSize deviceSize(int(std::lround(target.width() * dpr)),
                                   int(std::lround(target.height() * dpr)));
            if (deviceSize.isEmpty())
                break;
            QImage source = picture;
            if (control.largePicture() &&
                (deviceSize.width() > picture.width() || deviceSize.height() > picture.height())) {
                const QImage large = control.largePicture()();
                if (!large.isNull())
                    source = large;
            }
            // A picture of exactly the target's size is copied as it is: no scaled copy kept.
            if (dpr == 1.0 && source.size() == deviceSize)
                painter.drawImage(target.topLeft(), source);
            else
                drawStretched(painter, target, source, deviceSize);
        } else {
            painter.drawImage(rect.topLeft(), picture);
        }
        break;
    }
    case ControlKind::Shape:
        painter.setPen(QPen(toQColor(control.foreColor(), palette()), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    }
}

void FormWidget::paintHeld(QPainter &painter, const Control &control) {
    // Inverted: the text's own colour fills the box its ink covers, and the text stands in
    // the contrasting colour. The text itself never changes.
    const QRectF rect = control.rect().toPixels();
    const QFont &font = fontFor(control.font());
    const QString text = control.caption().left(kMaxPaintedChars);
    const int align = labelAlignment(control);
    const QColor ink = toQColor(control.foreColor(), palette());
    painter.fillRect(textInkBox(rect, font, text, align).adjusted(-1, 0, 1, 0), ink);
    painter.setFont(font);
    painter.setPen(contrastingColor(ink));
    painter.drawText(rect, align, text);
}

void FormWidget::paintMarked(QPainter &painter) {
    const QRegion &marked = m_form.markedRegion();
    if (marked.isEmpty())
        return;
    QPainterPath path;
    for (const QRect &r : marked) {
        const TwipsRect t{r.x(), r.y(), r.width(), r.height()};
        path.addRect(t.toPixels());
    }
    path = path.simplified();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor fill(Qt::yellow);
    fill.setAlpha(kMarkFillAlpha);
    painter.fillPath(path, fill);
    // The edge lies inside the region, so that repainting the region wipes it; dark along
    // light, it shows on every colour of the map.
    painter.setClipPath(path, Qt::IntersectClip);
    painter.strokePath(path, QPen(Qt::white, 2 * (kMarkLineWidthPixels + 1)));
    painter.strokePath(path, QPen(Qt::black, 2 * kMarkLineWidthPixels));
    painter.restore();
}

QRect FormWidget::focusIndicatorRect(const QWidget *widget) const {
    if (!widget || widget->parentWidget() != this || !widget->isVisible())
        return {};
    if (auto *standIn = dynamic_cast<const ControlStandIn *>(widget)) {
        const Control *control = standIn->control();
        if (!control)
            return {};
        const QRectF rect = control->rect().toPixels();
        const QFontMetricsF metrics(toQFont(control->font()));
        const qreal middle = rect.top() + metrics.ascent() - metrics.capHeight() / 2;
        const qreal half = metrics.capHeight() / 2 + 1;
        return QRectF(rect.left() - kFocusWedgeGapPixels - kFocusWedgeWidthPixels, middle - half,
                      kFocusWedgeWidthPixels, 2 * half)
            .toAlignedRect();
    }
    const int out = kFocusRingGapPixels + kFocusRingWidthPixels;
    return widget->geometry().adjusted(-out, -out, out, out);
}

void FormWidget::paintFocus(QPainter &painter) {
    const QRect box = focusIndicatorRect(m_focusShown);
    if (box.isEmpty())
        return;
    painter.save();
    if (dynamic_cast<const ControlStandIn *>(m_focusShown.data())) {
        QPainterPath wedge;
        wedge.moveTo(box.topLeft());
        wedge.lineTo(box.left(), box.bottom() + 1);
        wedge.lineTo(box.right() + 1, box.top() + box.height() / 2.0);
        wedge.closeSubpath();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(wedge, Qt::white);
        painter.strokePath(wedge, QPen(Qt::black, 1));
    } else {
        // Outside the button: whatever a skin draws inside it, the ring stays the same.
        const QRectF ring =
            QRectF(box).adjusted(kFocusRingWidthPixels / 2.0, kFocusRingWidthPixels / 2.0,
                                 -kFocusRingWidthPixels / 2.0, -kFocusRingWidthPixels / 2.0);
        painter.setPen(QPen(Qt::white, kFocusRingWidthPixels));
        painter.drawRect(ring);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.restore();
}

void FormWidget::focusMoved(QWidget *from, QWidget *to) {
    const QRect before = focusIndicatorRect(m_focusShown);
    // As a browser's focus-visible: a control focused by a mouse click shows no mark.
    const bool shown = to && to->parentWidget() == this && m_focusReason != Qt::MouseFocusReason;
    m_focusShown = shown ? to : nullptr;
    if (!before.isEmpty())
        update(before);
    const QRect after = focusIndicatorRect(m_focusShown);
    if (!after.isEmpty())
        update(after);
    (void)from;
}

void FormWidget::paintForm(QPainter &painter, const QRect &dirtyPixels) {
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.fillRect(dirtyPixels, toQColor(m_form.backColor(), palette()));
    const QRectF dirty(dirtyPixels);
    for (const Control *control : m_form.stackingOrder()) {
        if (!control->isVisible())
            continue;
        if (!control->rect().toPixels().intersects(dirty))
            continue;
        paintControl(painter, *control, dpr);
    }
    paintMarked(painter);
    paintFocus(painter);
    if (auto outline = m_form.dragOutline()) {
        painter.setPen(QPen(Qt::darkGray, kDragOutlineWidthPixels));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outline->toPixels());
    }
}

void FormWidget::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    paintForm(painter, event->rect());
    if (!m_painted) {
        m_painted = true;
        emit firstFramePainted();
    }
}

void FormWidget::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPixels = event->position();
    // No grab: Qt sends every mouse event to the pressed widget until the button is
    // released, also while the pointer is outside the window.
    m_form.beginDrag(pixelsToTwips(event->position()));
}

void FormWidget::mouseMoveEvent(QMouseEvent *event) {
    if (m_pressPixels && (event->position() - *m_pressPixels).manhattanLength() >=
                             QGuiApplication::styleHints()->startDragDistance())
        m_pressPixels.reset();
    m_form.mouseMove(pixelsToTwips(event->position()));
}

void FormWidget::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    // Released within the drag distance of the press: a click, not a drag.
    if (m_pressPixels) {
        m_pressPixels.reset();
        m_form.click(pixelsToTwips(event->position()));
        return;
    }
    if (!m_form.dragSource())
        return;
    m_form.endDrag(pixelsToTwips(event->position()));
}

void FormWidget::keyPressEvent(QKeyEvent *event) {
    if (m_keyHandler && m_keyHandler(event->key(), QApplication::focusWidget())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace mapdata
