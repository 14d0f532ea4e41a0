#include "mapdata/design/quizwindowdesign.h"
#include "mapdata/design/zonetable.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <algorithm>
#include <set>

using namespace mapdata;

namespace {

QString tagOfName(const QString &name) {
    for (const ZoneRecord &zone : kZoneTable)
        if (QString::fromLatin1(zone.tag).split(QLatin1Char(',')).contains(name))
            return QString::fromLatin1(zone.tag);
    return {};
}

int distanceTwips(const TwipsRect &a, const TwipsRect &b) {
    const int dx = std::max({0, a.leftTwips - b.rightTwips(), b.leftTwips - a.rightTwips()});
    const int dy = std::max({0, a.topTwips - b.bottomTwips(), b.topTwips - a.bottomTwips()});
    return std::max(dx, dy);
}

TwipsRect intersection(const TwipsRect &a, const TwipsRect &b) {
    const int left = std::max(a.leftTwips, b.leftTwips);
    const int top = std::max(a.topTwips, b.topTwips);
    const int right = std::min(a.rightTwips(), b.rightTwips());
    const int bottom = std::min(a.bottomTwips(), b.bottomTwips());
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

} // namespace

TEST(ZoneTable, ZonesOfOneTagAreContiguousInIndexOrder) {
    std::set<QString> finished;
    QString current;
    for (const ZoneRecord &zone : kZoneTable) {
        const QString tag = QString::fromLatin1(zone.tag);
        if (tag != current) {
            EXPECT_EQ(finished.count(tag), 0u) << tag.toStdString() << " appears twice apart";
            finished.insert(current);
            current = tag;
        }
    }
}

TEST(ZoneTable, EveryNameIsAcceptedByTheZonesOfExactlyOneTag) {
    std::set<QString> tags;
    for (const ZoneRecord &zone : kZoneTable)
        tags.insert(QString::fromLatin1(zone.tag));
    for (const ItemRecord &item : kItemTable) {
        const QString name = QString::fromLatin1(item.name);
        int containing = 0;
        for (const QString &tag : tags)
            containing += tag.contains(name) ? 1 : 0;
        EXPECT_EQ(containing, 1) << name.toStdString();
        EXPECT_FALSE(tagOfName(name).isEmpty()) << name.toStdString() << " is no field of a tag";
    }
}

TEST(ZoneTable, ItemsAreTheTwentyEightNamesInAlphabeticalOrder) {
    QStringList names;
    for (const ItemRecord &item : kItemTable)
        names << QString::fromLatin1(item.name);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(names, sorted);
    EXPECT_EQ(names.size(), 28);
    EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST(ZoneTable, StatedOverlapsLieWhereTheHigherZoneCatchesTheDrop) {
    const TwipsRect strip = intersection(kZoneTable[38].rect(), kZoneTable[37].rect());
    EXPECT_EQ(strip.leftTwips, kZoneTable[37].leftTwips);
    EXPECT_EQ(strip.widthTwips, 75);
    EXPECT_EQ(strip.heightTwips, kZoneTable[37].heightTwips);

    EXPECT_TRUE(kZoneTable[13].rect().intersects(kZoneTable[11].rect()));
    EXPECT_TRUE(kZoneTable[13].rect().intersects(kZoneTable[12].rect()));
    EXPECT_TRUE(kZoneTable[14].rect().intersects(kZoneTable[12].rect()));

    const TwipsRect corner = intersection(kZoneTable[60].rect(), kZoneTable[0].rect());
    EXPECT_GT(corner.widthTwips, 0);
    EXPECT_EQ(corner.rightTwips(), kZoneTable[0].rect().rightTwips());
    EXPECT_EQ(corner.bottomTwips(), kZoneTable[0].rect().bottomTwips());
}

TEST(ZoneTable, NoZoneReachesIntoThePanel) {
    for (const ZoneRecord &zone : kZoneTable)
        EXPECT_LE(zone.rect().rightTwips(), kPanelLeftTwips) << zone.tag;
}

TEST(ZoneTable, MapLabelsLieOnTheirOwnZonesOrBesideTheirCapitalMarkers) {
    for (const ItemRecord &item : kItemTable) {
        const QString name = QString::fromLatin1(item.name);
        const QString tag = tagOfName(name);
        if (tag.split(QLatin1Char(',')).first() == name) {
            bool overlaps = false;
            for (const ZoneRecord &zone : kZoneTable)
                overlaps |=
                    QString::fromLatin1(zone.tag) == tag && zone.rect().intersects(item.mapLabel);
            EXPECT_TRUE(overlaps) << name.toStdString();
        } else {
            int nearest = 1 << 30;
            for (const MarkerRecord &marker : kCapitalMarkers)
                if (QString::fromLatin1(marker.countryTag) == tag)
                    nearest = std::min(nearest, distanceTwips(marker.rect(), item.mapLabel));
            EXPECT_LE(nearest, 150) << name.toStdString();
        }
    }
}

TEST(ZoneTable, EachCapitalMarkerCentreLiesOnAZoneOfItsCountry) {
    for (const MarkerRecord &marker : kCapitalMarkers) {
        const QPoint centre(marker.leftTwips + kCapitalMarkerSizeTwips / 2,
                            marker.topTwips + kCapitalMarkerSizeTwips / 2);
        QString front;
        for (const ZoneRecord &zone : kZoneTable)
            if (zone.rect().contains(centre))
                front = QString::fromLatin1(zone.tag);
        EXPECT_EQ(front, QString::fromLatin1(marker.countryTag));
    }
}
