#include "mapdata/toolkit/colors.h"

namespace mapdata {

namespace {

// Desktop scheme indices that the window uses, mapped onto Qt's palette roles.
QPalette::ColorRole roleForSystemIndex(unsigned index) {
    switch (index) {
    case 5: return QPalette::Base;       // window background
    case 8: return QPalette::WindowText; // window text
    case 13: return QPalette::Highlight; // selection
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;     // button face
    case 18: return QPalette::ButtonText; // button text
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

} // namespace

QColor toQColor(OleColor color, const QPalette &palette) {
    if (color & kSystemColorFlag)
        return palette.color(QPalette::Active, roleForSystemIndex(color & 0xFFu));
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

} // namespace mapdata
