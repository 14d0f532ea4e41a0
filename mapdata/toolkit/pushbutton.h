#pragma once

#include "mapdata/toolkit/colors.h"
#include "mapdata/toolkit/control.h"

#include <QPushButton>

namespace mapdata {

// The skinnable push button: shows a caption in its font and colours and reports
// clicks and the pointer moving over it.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(QWidget *parent = nullptr);

    void setCaption(const QString &caption) { setText(caption); }
    QString caption() const { return text(); }
    void setFontSpec(const FontSpec &style);
    void setColors(OleColor backColor, OleColor foreColor);
    OleColor backColor() const { return m_backColor; }
    OleColor foreColor() const { return m_foreColor; }

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyColors();

    OleColor m_backColor = kColorButtonFace;
    OleColor m_foreColor = kColorButtonText;
};

} // namespace mapdata
