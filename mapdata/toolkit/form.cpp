#include "mapdata/toolkit/form.h"

#include <algorithm>
#include <atomic>

namespace mapdata {

namespace {
WindowHandle nextWindowHandle() {
    static std::atomic<WindowHandle> last{0};
    return ++last;
}
} // namespace

Form::Form(QString name, QSize clientSizeTwips)
    : m_name(std::move(name)), m_clientSizeTwips(clientSizeTwips), m_hWnd(nextWindowHandle()) {}

Form::~Form() = default;

Control &Form::createControl(ControlKind kind, const QString &name, int index) {
    ControlHost &host = *this;
    m_controls.push_back(std::make_unique<Control>(host, kind, name, index));
    Control &control = *m_controls.back();
    m_stacking.push_back(&control);
    return control;
}

Control &Form::addControl(ControlKind kind, const QString &name) {
    return createControl(kind, name, -1);
}

ControlArray &Form::addArray(const QString &name) {
    ControlHost &host = *this;
    m_arrays.push_back(std::make_unique<ControlArray>(host, name));
    return *m_arrays.back();
}

WindowedPlace &Form::addWindowedPlace(const QString &name, const TwipsRect &rect) {
    m_windowed.push_back(WindowedPlace{name, rect, true});
    return m_windowed.back();
}

WindowedPlace *Form::windowedPlace(const QString &name) {
    for (WindowedPlace &place : m_windowed)
        if (place.name == name)
            return &place;
    return nullptr;
}

int Form::stackingPosition(const Control &control) const {
    auto it = std::find(m_stacking.begin(), m_stacking.end(), &control);
    return it == m_stacking.end() ? -1 : int(it - m_stacking.begin());
}

void Form::bringToFront(Control &control) {
    auto it = std::find(m_stacking.begin(), m_stacking.end(), &control);
    if (it == m_stacking.end() || it + 1 == m_stacking.end())
        return;
    m_stacking.erase(it);
    m_stacking.push_back(&control);
    if (control.isVisible())
        invalidate(control.rect());
}

bool Form::isOnPaintedSurface(QPoint twips) const {
    const TwipsRect client{0, 0, m_clientSizeTwips.width(), m_clientSizeTwips.height()};
    if (!client.contains(twips))
        return false;
    for (const WindowedPlace &place : m_windowed)
        if (place.visible && place.rect.contains(twips))
            return false;
    return true;
}

Control *Form::hitTest(QPoint twips) const {
    if (!isOnPaintedSurface(twips))
        return nullptr;
    for (auto it = m_stacking.rbegin(); it != m_stacking.rend(); ++it)
        if ((*it)->isVisible() && (*it)->rect().contains(twips))
            return *it;
    return nullptr;
}

QRegion Form::frontRegion(const Control &control) const {
    if (!control.isVisible())
        return {};
    const TwipsRect client{0, 0, m_clientSizeTwips.width(), m_clientSizeTwips.height()};
    QRegion region = QRegion(control.rect().inTwips()).intersected(client.inTwips());
    for (const WindowedPlace &place : m_windowed)
        if (place.visible)
            region -= place.rect.inTwips();
    auto it = std::find(m_stacking.begin(), m_stacking.end(), &control);
    if (it == m_stacking.end())
        return {};
    for (++it; it != m_stacking.end() && !region.isEmpty(); ++it)
        if ((*it)->isVisible())
            region -= (*it)->rect().inTwips();
    return region;
}

void Form::setCaption(const QString &caption) {
    m_caption = caption;
    windowChanged();
}

void Form::setIcon(const QImage &icon) {
    m_icon = icon;
    windowChanged();
}

void Form::setBackColor(OleColor color) {
    m_backColor = color;
    windowChanged();
    if (m_observer)
        m_observer->invalidateAll();
}

void Form::setMousePointer(MousePointer pointer) {
    if (pointer == m_mousePointer)
        return;
    m_mousePointer = pointer;
    windowChanged();
}

void Form::setMouseIcon(const PointerPicture &picture) {
    m_mouseIcon = picture;
    windowChanged();
}

bool Form::beginDrag(QPoint twips) {
    cancelDrag();
    Control *control = hitTest(twips);
    if (!control || control->dragMode() != DragMode::Automatic)
        return false;
    m_dragSource = control;
    m_dragPos = twips;
    m_dragGrabOffset = twips - QPoint(control->rect().leftTwips, control->rect().topTwips);
    if (auto outline = dragOutline())
        invalidate(*outline);
    windowChanged();
    return true;
}

std::optional<TwipsRect> Form::dragOutline() const {
    if (!m_dragSource || !m_dragSource->dragIcon().isNull())
        return std::nullopt;
    TwipsRect r = m_dragSource->rect();
    r.leftTwips = m_dragPos.x() - m_dragGrabOffset.x();
    r.topTwips = m_dragPos.y() - m_dragGrabOffset.y();
    return r;
}

void Form::moveDrag(QPoint twips) {
    if (!m_dragSource)
        return;
    const bool hadIcon = !m_dragSource->dragIcon().isNull();
    if (auto before = dragOutline())
        invalidate(*before);
    m_dragPos = twips;
    if (Control *target = hitTest(twips)) {
        if (ControlArray *array = target->array(); array && array->dragOverHandler())
            array->dragOverHandler()(std::int16_t(target->index()), *m_dragSource);
    }
    // The handler may have ended the drag or given the source a drag icon.
    if (!m_dragSource)
        return;
    if (auto after = dragOutline())
        invalidate(*after);
    if (hadIcon != !m_dragSource->dragIcon().isNull())
        windowChanged();
}

void Form::endDrag(QPoint twips) {
    if (!m_dragSource)
        return;
    Control *source = m_dragSource;
    m_dragPos = twips;
    cancelDrag();
    Control *target = hitTest(twips);
    if (!target)
        return;
    if (ControlArray *array = target->array(); array && array->dragDropHandler())
        array->dragDropHandler()(std::int16_t(target->index()), *source);
}

void Form::cancelDrag() {
    if (!m_dragSource)
        return;
    if (auto outline = dragOutline())
        invalidate(*outline);
    m_dragSource = nullptr;
    windowChanged();
}

void Form::click(QPoint twips) {
    cancelDrag();
    if (m_click)
        m_click(twips);
}

void Form::setHeld(Control *control, const QImage &pointer) {
    if (control && !control->isVisible())
        control = nullptr;
    if (control == m_held && pointer.cacheKey() == m_heldPointer.cacheKey())
        return;
    if (m_held)
        invalidate(m_held->rect());
    m_held = control;
    m_heldPointer = control ? pointer : QImage();
    if (m_held)
        invalidate(m_held->rect());
    windowChanged();
}

void Form::setMarkedRegion(const QRegion &twips) {
    if (twips == m_marked)
        return;
    invalidate(m_marked);
    m_marked = twips;
    invalidate(m_marked);
}

void Form::visibilityChanged(Control &control) {
    // A hidden control cannot stay picked up.
    if (&control == m_held && !control.isVisible())
        setHeld(nullptr);
    if (m_observer)
        m_observer->visibilityChanged(control);
}

void Form::mouseMove(QPoint twips) {
    if (m_dragSource) {
        moveDrag(twips);
        return;
    }
    if (m_mouseMove && isOnPaintedSurface(twips) && !hitTest(twips))
        m_mouseMove();
}

void Form::unload() {
    if (m_unloaded)
        return;
    int cancel = 0;
    if (m_unloadHandler)
        m_unloadHandler(cancel);
    if (cancel != 0)
        return;
    cancelDrag();
    m_unloaded = true;
    if (m_observer)
        m_observer->closeWindow();
}

void Form::invalidate(const TwipsRect &rect) {
    if (m_observer)
        m_observer->invalidateRect(rect);
}

void Form::invalidate(const QRegion &twips) {
    for (const QRect &r : twips)
        invalidate(TwipsRect{r.x(), r.y(), r.width(), r.height()});
}

void Form::windowChanged() {
    if (m_observer)
        m_observer->windowChanged();
}

} // namespace mapdata
