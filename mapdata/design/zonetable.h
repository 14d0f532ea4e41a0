#pragma once

#include "mapdata/toolkit/units.h"

#include <array>
#include <cstdint>

namespace mapdata {

constexpr int kZoneCount = 61;
constexpr int kItemCount = 28;
constexpr int kCapitalMarkerCount = 11;
constexpr int kPoolLabelWidthTwips = 2400;
constexpr int kPoolLabelHeightTwips = 285;
constexpr int kCapitalMarkerSizeTwips = 150;

// A drop zone's design rectangle and the names it accepts.
struct ZoneRecord {
    std::int16_t leftTwips;
    std::int16_t topTwips;
    std::int16_t widthTwips;
    std::int16_t heightTwips;
    const char *tag;

    TwipsRect rect() const { return {leftTwips, topTwips, widthTwips, heightTwips}; }
};

enum class PoolHeading { Countries, Capitals, SeasAndOceans };

// One name of the quiz: its pool place and the map label place where it is shown once placed.
struct ItemRecord {
    const char *name;
    PoolHeading heading;
    std::int16_t poolLeftTwips;
    std::int16_t poolTopTwips;
    TwipsRect mapLabel;

    TwipsRect poolRect() const {
        return {poolLeftTwips, poolTopTwips, kPoolLabelWidthTwips, kPoolLabelHeightTwips};
    }
};

struct MarkerRecord {
    std::int16_t leftTwips;
    std::int16_t topTwips;
    // The zone tag under the marker's centre: the country whose capital it marks.
    const char *countryTag;

    TwipsRect rect() const {
        return {leftTwips, topTwips, kCapitalMarkerSizeTwips, kCapitalMarkerSizeTwips};
    }
};

extern const std::array<ZoneRecord, kZoneCount> kZoneTable;
extern const std::array<ItemRecord, kItemCount> kItemTable;
extern const std::array<MarkerRecord, kCapitalMarkerCount> kCapitalMarkers;

} // namespace mapdata
