#pragma once

#include "mapdata/toolkit/form.h"

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace mapdata {

// A child widget that stands in for a windowless control (a focus spot does): its focus mark
// is a wedge pointing at the control's text instead of a ring around the widget, and it
// shows none while it stands for no control.
class ControlStandIn {
public:
    virtual Control *control() const = 0;

protected:
    ~ControlStandIn() = default;
};

// The Qt front of a Form: one top-level widget that paints the windowless controls
// in stacking order and turns mouse events into the form's drags and moves.
// Windowed controls are its child widgets, so they always lie above what it paints.
class FormWidget : public QWidget, public FormObserver {
    Q_OBJECT
public:
    explicit FormWidget(Form &form, QWidget *parent = nullptr);
    ~FormWidget() override;

    Form &form() const { return m_form; }
    // Places a windowed control at a rectangle in twips and registers its place with the
    // form's hit testing; the place follows the control as it is shown and hidden.
    void placeChild(QWidget *child, const QString &name, const TwipsRect &rect);
    // Draws the whole client area into a painter (for tests and screenshots too).
    void paintForm(QPainter &painter, const QRect &dirtyPixels);

    void invalidateRect(const TwipsRect &rect) override;
    void invalidateAll() override;
    void windowChanged() override;
    void closeWindow() override;
    void visibilityChanged(Control &control) override;

    // Key presses that no child widget took, with the widget that has the focus; the handler
    // returns whether it used the key.
    using KeyHandler = std::function<bool(int key, QWidget *focus)>;
    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

signals:
    void firstFramePainted();
    void controlVisibilityChanged(mapdata::Control *control);
    // A control was picked up or put down (none: nothing is held now).
    void heldChanged(mapdata::Control *held);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintHeld(QPainter &painter, const Control &control);
    void paintMarked(QPainter &painter);
    void paintFocus(QPainter &painter);
    // Where the focus indicator of a widget of this window is drawn, in pixels; empty when
    // the widget shows none.
    QRect focusIndicatorRect(const QWidget *widget) const;
    void focusMoved(QWidget *from, QWidget *to);
    void paintControl(QPainter &painter, const Control &control, qreal devicePixelRatio);
    const QPixmap &scaledPicture(const QImage &image, QSize deviceSize);
    void drawStretched(QPainter &painter, const QRect &target, const QImage &image,
                       QSize deviceSize);
    bool hasEqualColumns(const QImage &image);
    const QFont &fontFor(const FontSpec &style);
    void updateCursor();

    Form &m_form;
    QHash<QString, QFont> m_fonts;
    QHash<QString, QPixmap> m_scaled;
    // Per picture: whether all its columns are alike (a vertical gradient strip).
    QHash<qint64, bool> m_equalColumns;
    // The icon last given to the window, so an unchanged one is not converted again.
    qint64 m_iconKey = 0;
    // The left button went down here and has not yet moved a drag distance away.
    std::optional<QPointF> m_pressPixels;
    QPointer<QWidget> m_focusShown;
    QMetaObject::Connection m_focusConnection;
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
    KeyHandler m_keyHandler;
    Control *m_heldShown = nullptr;
    bool m_painted = false;
    bool m_closing = false;
};

} // namespace mapdata
