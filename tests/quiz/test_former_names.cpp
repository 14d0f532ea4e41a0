#include "boardfixture.h"
#include "playfixture.h"

using namespace mapdata;

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
    playToTheEnd();
    EXPECT_EQ(design.maplabel(guiana).caption(), QStringLiteral("French Guinea"));
}
