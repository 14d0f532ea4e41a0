#pragma once

#include "mapdata/design/zonetable.h"
#include "mapdata/toolkit/form.h"

#include <QImage>

namespace mapdata {

constexpr int kClientWidthTwips = 14985;
constexpr int kClientHeightTwips = 10590;
// The right-hand panel starts here; no drop zone reaches into it.
constexpr int kPanelLeftTwips = 8700;

constexpr TwipsRect kImage1Rect{30, 30, 8625, 10890};
constexpr TwipsRect kImage2Rect{13530, 7710, 480, 480};
constexpr TwipsRect kImage3Rect{kPanelLeftTwips, -210, 6285, 10815};
constexpr TwipsRect kLabel1Rect{9090, 270, 1785, 255};
constexpr TwipsRect kLabel2Rect{9060, 540, 5445, 315};
constexpr TwipsRect kLabel3Rect{9090, 1020, 1785, 255};
constexpr TwipsRect kLabel4Rect{9120, 4620, 1785, 255};
constexpr TwipsRect kLabel5Rect{12270, 4620, 1785, 255};
constexpr TwipsRect kDesignDropZoneRect{14130, 7980, 765, 225};
constexpr TwipsRect kPushButton1Rect{8880, 9600, 2835, 405};
constexpr TwipsRect kPushButton2Rect{12000, 9600, 2835, 405};
// The hidden player has no widget, so its place never covers the painted surface.
constexpr TwipsRect kMediaPlayerRect{11220, 10830, 4215, 495};
constexpr TwipsRect kText1Rect{15480, 1320, 735, 915};

constexpr double kWindowFontPoints = 9.0;
constexpr double kHeadingFontPoints = 8.25;
constexpr double kPoolFontPoints = 11.25;
constexpr double kMapLabelFontPoints = 8.25;
constexpr double kButtonFontPoints = 11.25;

// Where Arial or Arial Narrow is missing (Wine, a bare Linux), faces drawn to the same
// metrics stand in for them, so every name still fits the room its label gives it.
void addFontStandIns();

extern const char *const kDesignPoolCaption; // "Label3"
extern const char *const kDesignMapCaption;  // thirteen asterisks
// The headings' English texts, translated in this context when the window is made.
extern const char *const kHeadingContext;
extern const char *const kInstructionsHeading;
extern const char *const kInstructionLine;
extern const char *const kCountriesHeading;
extern const char *const kCapitalsHeading;
extern const char *const kSeasHeading;
extern const char *const kWindowFontFamily;
extern const char *const kMapLabelFontFamily;

// The window's built-in pictures.
QImage mapPicture();
// The map at twice the window's scale, decoded on first use.
QImage largeMapPicture();
QImage panelPicture();
QImage capitalStarPicture();
QImage pushPinPicture();
QImage applicationIconPicture();

// The quiz window's windowless design: every control with its design properties,
// stacked back to front as designed. Live drop zones beyond element 0 are made by
// the load handler.
class QuizWindowDesign {
public:
    // Also registers the stand-ins for the window's fonts (addFontStandIns()).
    QuizWindowDesign();

    Form form;
    ControlArray &labels;
    ControlArray &maplabel;
    ControlArray &shape;
    ControlArray &piccoor;
    ControlArray &imgCapital;
    Control *Image1 = nullptr;
    Control *Image2 = nullptr;
    Control *Image3 = nullptr;
    Control *Label1 = nullptr;
    Control *Label2 = nullptr;
    Control *Label3 = nullptr;
    Control *Label4 = nullptr;
    Control *Label5 = nullptr;
};

} // namespace mapdata
