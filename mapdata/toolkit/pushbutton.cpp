#include "mapdata/toolkit/pushbutton.h"

#include "mapdata/toolkit/units.h"

#include <QEvent>
#include <QMouseEvent>

namespace mapdata {

PushButton::PushButton(QWidget *parent) : QPushButton(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    applyColors();
}

void PushButton::setFontSpec(const FontSpec &style) {
    setFont(toQFont(style));
}

void PushButton::setColors(OleColor backColor, OleColor foreColor) {
    m_backColor = backColor;
    m_foreColor = foreColor;
    applyColors();
}

void PushButton::applyColors() {
    QPalette pal = palette();
    const QPalette base = parentWidget() ? parentWidget()->palette() : QPalette();
    pal.setColor(QPalette::Button, toQColor(m_backColor, base));
    pal.setColor(QPalette::ButtonText, toQColor(m_foreColor, base));
    setPalette(pal);
}

void PushButton::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
}

void PushButton::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ParentChange)
        applyColors();
    QPushButton::changeEvent(event);
}

} // namespace mapdata
