#pragma once

#include "mapdata/toolkit/colors.h"
#include "mapdata/toolkit/units.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>

namespace mapdata {

class Control;
class ControlArray;

enum class ControlKind { Label, Image, Shape };

enum class DragMode { Manual = 0, Automatic = 1 };

enum class TextAlignment { Left, Centre };

// The text style of a label: families as the window asks for them, sizes in points.
struct FontSpec {
    QString family = QStringLiteral("Arial");
    double sizePoints = 9.0;
    bool bold = false;
    // Laid out with the font's own advances even in bold: a room measured to the pixel (a
    // map label) is not overrun where the font engine rounds each glyph up.
    bool fontAdvances = false;
};

// The font that draws a FontSpec: its size in pixels, so that it never follows the
// screen's resolution, and a sans-serif hint for the face that stands in when the family
// is missing.
QFont toQFont(const FontSpec &style);

// The window that holds windowless controls (the form), as its controls and control arrays
// see it: it repaints where a control lies, hears when one is shown or hidden, and makes
// the elements of arrays.
class ControlHost {
public:
    virtual void invalidate(const TwipsRect &rect) = 0;
    virtual void visibilityChanged(Control &control) = 0;
    // A new control in front of the others, of the array name at index (-1: no array).
    virtual Control &createControl(ControlKind kind, const QString &name, int index) = 0;

protected:
    ~ControlHost() = default;
};

// A windowless control: drawn by the form itself, below every windowed control.
// One class serves labels, image controls and rectangle shapes; the kind picks
// what is drawn.
class Control {
public:
    Control(ControlHost &host, ControlKind kind, QString name, int index = -1);
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    ControlKind kind() const { return m_kind; }
    const QString &name() const { return m_name; }
    // Index within its control array, or -1 for a single control.
    int index() const { return m_index; }
    ControlArray *array() const { return m_array; }

    const TwipsRect &rect() const { return m_rect; }
    void setRect(const TwipsRect &rect);
    void setLeft(int leftTwips);
    void setTop(int topTwips);
    void setWidth(int widthTwips);
    void setHeight(int heightTwips);

    const QString &tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);

    const FontSpec &font() const { return m_font; }
    void setFont(const FontSpec &font);
    bool fontBold() const { return m_font.bold; }
    void setFontBold(bool bold);

    OleColor foreColor() const { return m_foreColor; }
    void setForeColor(OleColor color);
    OleColor backColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    TextAlignment alignment() const { return m_alignment; }
    void setAlignment(TextAlignment alignment);

    DragMode dragMode() const { return m_dragMode; }
    void setDragMode(DragMode mode) { m_dragMode = mode; }
    const QImage &dragIcon() const { return m_dragIcon; }
    void setDragIcon(const QImage &icon) { m_dragIcon = icon; }

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    // A sharper copy of the picture for screens that scale up; only loaded when painted there.
    using PictureLoader = QImage (*)();
    PictureLoader largePicture() const { return m_largePicture; }
    void setLargePicture(PictureLoader loader);
    bool isStretched() const { return m_stretch; }
    void setStretched(bool stretch);

    // Copies every property but identity and visibility (new array elements start hidden).
    void copyPropertiesFrom(const Control &other);

private:
    friend class ControlArray;
    void invalidate();

    ControlHost &m_host;
    ControlKind m_kind;
    QString m_name;
    int m_index;
    ControlArray *m_array = nullptr;

    TwipsRect m_rect;
    QString m_tag;
    bool m_visible = true;
    QString m_caption;
    FontSpec m_font;
    OleColor m_foreColor = kColorButtonText;
    OleColor m_backColor = kColorButtonFace;
    bool m_transparent = false;
    TextAlignment m_alignment = TextAlignment::Left;
    DragMode m_dragMode = DragMode::Manual;
    QImage m_dragIcon;
    QImage m_picture;
    PictureLoader m_largePicture = nullptr;
    bool m_stretch = false;
};

} // namespace mapdata
