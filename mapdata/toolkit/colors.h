#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace mapdata {

// Colours are 32-bit references: 0x00BBGGRR for a plain colour, or the high bit
// plus an index for a colour of the desktop scheme.
using OleColor = std::uint32_t;

constexpr OleColor kSystemColorFlag = 0x80000000u;
constexpr OleColor kColorButtonFace = kSystemColorFlag | 15u;
constexpr OleColor kColorButtonText = kSystemColorFlag | 18u;
constexpr OleColor kColorWhite = 0x00FFFFFFu;
constexpr OleColor kColorBlack = 0x00000000u;

constexpr OleColor rgbColor(int red, int green, int blue) {
    return OleColor(red & 0xFF) | (OleColor(green & 0xFF) << 8) | (OleColor(blue & 0xFF) << 16);
}

QColor toQColor(OleColor color, const QPalette &palette);

} // namespace mapdata
