#pragma once

#include "mapdata/toolkit/control.h"
#include "mapdata/toolkit/controlarray.h"

#include <QImage>
#include <QRegion>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace mapdata {

// The window's pointer setting.
enum class MousePointer : std::int16_t { Default = 0, Custom = 99 };

struct PointerPicture {
    QImage image;
    QPoint hotSpot;
    bool isNull() const { return image.isNull(); }
};

// A window's handle: a number that no other window of the process has.
using WindowHandle = quint64;

// A windowed control's place, so that hit testing knows where windowless controls are covered.
struct WindowedPlace {
    QString name;
    TwipsRect rect;
    bool visible = true;
};

// What the Qt front needs to hear from the model.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void invalidateRect(const TwipsRect &rect) = 0;
    virtual void invalidateAll() = 0;
    // Caption, icon, background or pointer changed.
    virtual void windowChanged() = 0;
    virtual void closeWindow() = 0;
    // A windowless control was shown or hidden.
    virtual void visibilityChanged(Control &) {}
};

// The window as plain data: its windowless controls in stacking order, its own
// properties, hit testing and the automatic drag of controls. The Qt widget only
// paints it and feeds it mouse positions.
class Form final : private ControlHost {
public:
    explicit Form(QString name, QSize clientSizeTwips);
    ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const QString &name() const { return m_name; }
    QSize clientSizeTwips() const { return m_clientSizeTwips; }
    // Given when the form is made, so that it is known before any native window exists.
    WindowHandle hWnd() const { return m_hWnd; }

    // Design building: each new control goes in front of the ones added before it.
    Control &addControl(ControlKind kind, const QString &name);
    ControlArray &addArray(const QString &name);
    WindowedPlace &addWindowedPlace(const QString &name, const TwipsRect &rect);
    WindowedPlace *windowedPlace(const QString &name);

    // Back to front.
    const std::vector<Control *> &stackingOrder() const { return m_stacking; }
    int stackingPosition(const Control &control) const;
    // ZOrder 0: in front of every other windowless control.
    void bringToFront(Control &control);
    // The front-most visible windowless control under a point, or none where a windowed
    // control lies there or the point is outside the client area.
    Control *hitTest(QPoint twips) const;
    int liveControlCount() const { return int(m_controls.size()); }
    // The part of a control where hitTest finds it: its rectangle inside the painted surface,
    // less what visible controls in front of it cover. Empty while it is hidden.
    QRegion frontRegion(const Control &control) const;

    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const QImage &icon() const { return m_icon; }
    void setIcon(const QImage &icon);
    OleColor backColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    MousePointer mousePointer() const { return m_mousePointer; }
    void setMousePointer(MousePointer pointer);
    const PointerPicture &mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const PointerPicture &picture);

    // Automatic drag: a press on a control in automatic drag mode starts a drag of it.
    bool beginDrag(QPoint twips);
    void moveDrag(QPoint twips);
    void endDrag(QPoint twips);
    void cancelDrag();
    Control *dragSource() const { return m_dragSource; }
    QPoint dragPosition() const { return m_dragPos; }
    // Where the outline of the dragged control stands while it has no drag icon.
    std::optional<TwipsRect> dragOutline() const;

    // A press and release in one place: no drag happened. Any drag the press began ends
    // without a drop, then the click handler hears where it was.
    void click(QPoint twips);
    void setClickHandler(std::function<void(QPoint twips)> handler) {
        m_click = std::move(handler);
    }

    // A control picked up without dragging: the window shows it as held and the pointer as
    // the given picture, until it is put down or hidden.
    void setHeld(Control *control, const QImage &pointer = QImage());
    Control *held() const { return m_held; }
    const QImage &heldPointer() const { return m_heldPointer; }

    // A region of the surface shown marked (in twips), or none when empty.
    void setMarkedRegion(const QRegion &twips);
    const QRegion &markedRegion() const { return m_marked; }

    // Pointer moving with no drag: the window's own handler runs over the bare window only.
    void mouseMove(QPoint twips);
    void setMouseMoveHandler(std::function<void()> handler) { m_mouseMove = std::move(handler); }

    // Closing the window by any means goes through here.
    void unload();
    void setUnloadHandler(std::function<void(int &cancel)> handler) {
        m_unloadHandler = std::move(handler);
    }
    bool isUnloaded() const { return m_unloaded; }

    void setObserver(FormObserver *observer) { m_observer = observer; }
    void invalidate(const TwipsRect &rect) override;

private:
    Control &createControl(ControlKind kind, const QString &name, int index) override;
    void visibilityChanged(Control &control) override;
    void invalidate(const QRegion &twips);
    // Inside the client area and not under a windowed control.
    bool isOnPaintedSurface(QPoint twips) const;
    void windowChanged();

    QString m_name;
    QSize m_clientSizeTwips;
    WindowHandle m_hWnd;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<ControlArray>> m_arrays;
    std::vector<Control *> m_stacking;
    std::vector<WindowedPlace> m_windowed;

    QString m_caption;
    QImage m_icon;
    OleColor m_backColor = kColorButtonFace;
    MousePointer m_mousePointer = MousePointer::Default;
    PointerPicture m_mouseIcon;

    Control *m_dragSource = nullptr;
    QPoint m_dragPos;
    QPoint m_dragGrabOffset;

    Control *m_held = nullptr;
    QImage m_heldPointer;
    QRegion m_marked;

    std::function<void(QPoint)> m_click;
    std::function<void()> m_mouseMove;
    std::function<void(int &)> m_unloadHandler;
    bool m_unloaded = false;
    FormObserver *m_observer = nullptr;
};

} // namespace mapdata
