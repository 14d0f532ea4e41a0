#include "mapdata/design/zonetable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using namespace mapdata;

namespace {

std::map<QString, int> zoneCountByTag() {
    std::map<QString, int> counts;
    for (const ZoneRecord &zone : kZoneTable)
        ++counts[QString::fromLatin1(zone.tag)];
    return counts;
}

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

TEST(ZoneTable, HasSeventeenTagsWithTheirZoneCounts) {
    const std::map<QString, int> expected = {{"Brazil,Brasilia", 11},
                                             {"French Guiana", 1},
                                             {"Guyana", 1},
                                             {"Suriname", 1},
                                             {"Venezuela,Caracas", 3},
                                             {"Colombia,Bogota", 4},
                                             {"Ecuador,Quito", 2},
                                             {"Peru,Lima", 7},
                                             {"Bolivia,La Paz,Sucre", 4},
                                             {"Paraguay,Asuncion", 3},
                                             {"Uruguay,Montevideo", 1},
                                             {"Argentina,Buenos Aires", 8},
                                             {"Chile,Santiago", 6},
                                             {"Caribbean Sea", 2},
                                             {"South Pacific Ocean", 1},
                                             {"North Atlantic Ocean", 2},
                                             {"South Atlantic Ocean", 4}};
    EXPECT_EQ(kZoneTable.size(), 61u);
    EXPECT_EQ(zoneCountByTag(), expected);
}

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
        EXPECT_LE(zone.rect().rightTwips(), 8700) << zone.tag;
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

namespace {

// The data lines of one of the picture tool's tables, split at blanks into at most
// fieldCount fields (the last keeps its blanks).
std::vector<QStringList> pictureToolTable(const char *name, int fieldCount) {
    QFile file(QStringLiteral(TESSALINE_PICTURE_TOOL_DIR "/") + QLatin1String(name));
    std::vector<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = line.split(QLatin1Char(' '));
        while (fields.size() > fieldCount)
            fields[fieldCount - 1] += QLatin1Char(' ') + fields.takeAt(fieldCount);
        rows.push_back(fields);
    }
    return rows;
}

} // namespace

// The picture tool checks the map against its own copy of the tables; a stale copy would
// pass a map that no longer fits the zones.
TEST(ZoneTable, PictureToolsCopyOfTheZonesAndMarkersIsTheCodesTable) {
    const std::vector<QStringList> zones = pictureToolTable("zones.txt", 6);
    ASSERT_EQ(zones.size(), kZoneTable.size());
    for (std::size_t z = 0; z < zones.size(); ++z) {
        const ZoneRecord &zone = kZoneTable[z];
        const QStringList expected{QString::number(z),
                                   QString::number(zone.leftTwips),
                                   QString::number(zone.topTwips),
                                   QString::number(zone.widthTwips),
                                   QString::number(zone.heightTwips),
                                   QString::fromLatin1(zone.tag)};
        EXPECT_EQ(zones[z], expected) << "zone " << z;
    }
    const std::vector<QStringList> markers = pictureToolTable("markers.txt", 4);
    ASSERT_EQ(markers.size(), kCapitalMarkers.size());
    for (std::size_t m = 0; m < markers.size(); ++m) {
        const MarkerRecord &marker = kCapitalMarkers[m];
        const QStringList expected{
            QString::number(m), QString::number(marker.leftTwips), QString::number(marker.topTwips),
            QString::fromLatin1(marker.countryTag).section(QLatin1Char(','), 0, 0)};
        EXPECT_EQ(markers[m], expected) << "marker " << m;
    }
}
