#include "mapdata/toolkit/control.h"

#include "mapdata/toolkit/units.h"

namespace mapdata {

QFont toQFont(const FontSpec &style) {
    QFont font(style.family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pointsToPixels(style.sizePoints));
    font.setBold(style.bold);
    // Regular text is hinted vertically only, and antialiased in grey: with full hinting the
    // Windows font engine follows the font's own table of sizes, which turns antialiasing off
    // for regular Arial at 11 px and drops one-pixel stems such as an "I". Bold text is
    // antialiased there already and keeps its hinting, which keeps its letters apart; but
    // full hinting also rounds every advance to whole pixels, so bold text that must keep the
    // font's own widths is hinted vertically too. On Linux nothing changes.
    if (!style.bold || style.fontAdvances) {
        font.setHintingPreference(QFont::PreferVerticalHinting);
        font.setStyleStrategy(
            QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    }
    return font;
}

Control::Control(ControlHost &host, ControlKind kind, QString name, int index)
    : m_host(host), m_kind(kind), m_name(std::move(name)), m_index(index) {}

void Control::invalidate() {
    if (m_visible)
        m_host.invalidate(m_rect);
}

void Control::setRect(const TwipsRect &rect) {
    if (rect == m_rect)
        return;
    invalidate();
    m_rect = rect;
    invalidate();
}

void Control::setLeft(int leftTwips) {
    TwipsRect r = m_rect;
    r.leftTwips = leftTwips;
    setRect(r);
}

void Control::setTop(int topTwips) {
    TwipsRect r = m_rect;
    r.topTwips = topTwips;
    setRect(r);
}

void Control::setWidth(int widthTwips) {
    TwipsRect r = m_rect;
    r.widthTwips = widthTwips;
    setRect(r);
}

void Control::setHeight(int heightTwips) {
    TwipsRect r = m_rect;
    r.heightTwips = heightTwips;
    setRect(r);
}

void Control::setVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = true;
    invalidate();
    m_visible = visible;
    m_host.visibilityChanged(*this);
}

void Control::setCaption(const QString &caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    invalidate();
}

void Control::setFont(const FontSpec &font) {
    m_font = font;
    invalidate();
}

void Control::setFontBold(bool bold) {
    if (bold == m_font.bold)
        return;
    m_font.bold = bold;
    invalidate();
}

void Control::setForeColor(OleColor color) {
    m_foreColor = color;
    invalidate();
}

void Control::setBackColor(OleColor color) {
    m_backColor = color;
    invalidate();
}

void Control::setTransparent(bool transparent) {
    m_transparent = transparent;
    invalidate();
}

void Control::setAlignment(TextAlignment alignment) {
    m_alignment = alignment;
    invalidate();
}

void Control::setPicture(const QImage &picture) {
    m_picture = picture;
    invalidate();
}

void Control::setLargePicture(PictureLoader loader) {
    m_largePicture = loader;
    invalidate();
}

void Control::setStretched(bool stretch) {
    m_stretch = stretch;
    invalidate();
}

void Control::copyPropertiesFrom(const Control &other) {
    m_rect = other.m_rect;
    m_tag = other.m_tag;
    m_caption = other.m_caption;
    m_font = other.m_font;
    m_foreColor = other.m_foreColor;
    m_backColor = other.m_backColor;
    m_transparent = other.m_transparent;
    m_alignment = other.m_alignment;
    m_dragMode = other.m_dragMode;
    m_dragIcon = other.m_dragIcon;
    m_picture = other.m_picture;
    m_largePicture = other.m_largePicture;
    m_stretch = other.m_stretch;
}

} // namespace mapdata
