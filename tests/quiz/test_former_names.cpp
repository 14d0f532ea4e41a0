#include "boardfixture.h"
#include "playfixture.h"

using namespace mapdata;

namespace {

// The zones whose tag lists the name as one of its fields.
int zoneListing(const char *name) {
    for (int z = 0; z < kZoneCount; ++z)
        if (QString::fromLatin1(kZoneTable[std::size_t(z)].tag)
                .split(QLatin1Char(','))
                .contains(QLatin1String(name)))
            return z;
    return -1;
}

} // namespace

// A school's own copy of the item list, written before "French Guinea" was corrected to
// "French Guiana", shows its own spelling and still plays to the end.
TEST_F(Board, AnItemListWithTheFormerSpellingFrenchGuineaPlaysToTheEnd) {
    QByteArray old = shippedItems();
    ASSERT_TRUE(old.contains("French Guiana\r\n"));
    old.replace("French Guiana", "French Guinea");
    files.files[itemsPath()] = old;
    load();
    ASSERT_TRUE(boxes.calls.empty());
    const int guiana = itemIndex("French Guiana");
    EXPECT_EQ(design.labels(guiana).caption(), QStringLiteral("French Guinea"));
    for (int item = 0; item < kItemCount; ++item) {
        const int zone = zoneListing(kItemTable[std::size_t(item)].name);
        ASSERT_GE(zone, 0) << item;
        form1().piccoor_DragDrop(std::int16_t(zone), design.labels(item));
        if (item == guiana) {
            EXPECT_EQ(design.maplabel(item).caption(), QStringLiteral("French Guinea"));
        }
    }
    EXPECT_EQ(sounds.soundNames().count(QStringLiteral("correct")), kItemCount);
    EXPECT_FALSE(sounds.soundNames().contains(QStringLiteral("wrong")));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("SUCCESS"));
}
