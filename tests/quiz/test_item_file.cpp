#include "quiz/itemfile.h"

#include <gtest/gtest.h>

using namespace quiz;

namespace {

QStringList readAllLines(const QByteArray &bytes) {
    ItemFileReader reader(bytes);
    QStringList lines;
    while (!reader.atEnd())
        lines << reader.readLine();
    return lines;
}

} // namespace

TEST(ItemFileLines, CarriageReturnWithOrWithoutLineFeedEndsALine) {
    EXPECT_EQ(readAllLines("a\r\nb\rc\r\n"), (QStringList{"a", "b", "c"}));
}

TEST(ItemFileLines, LoneLineFeedBelongsToTheLine) {
    EXPECT_EQ(readAllLines("a\nb\r\nc\n"), (QStringList{"a\nb", "c\n"}));
    EXPECT_EQ(readAllLines("\n\n\n"), (QStringList{"\n\n\n"}));
}

TEST(ItemFileLines, LastLineWithoutEndIsReadAndAnEmptyFileHasNoLine) {
    EXPECT_EQ(readAllLines("a\r\nlast"), (QStringList{"a", "last"}));
    EXPECT_TRUE(readAllLines("").isEmpty());
}

TEST(ItemFileLines, EmptyLinesAreLinesToo) {
    EXPECT_EQ(readAllLines("\r\n\r\nx\r\n"), (QStringList{"", "", "x"}));
    EXPECT_EQ(readAllLines("\r\r"), (QStringList{"", ""}));
}

TEST(ItemFileFields, SplitAtEveryCommaWithNothingTrimmed) {
    EXPECT_EQ(splitFields("Peru,Lima"), (QStringList{"Peru", "Lima"}));
    EXPECT_EQ(splitFields(" Lima , x"), (QStringList{" Lima ", " x"}));
    EXPECT_EQ(splitFields(",Chile"), (QStringList{"", "Chile"}));
    EXPECT_EQ(splitFields("a,,b,"), (QStringList{"a", "", "b", ""}));
    EXPECT_TRUE(splitFields("").isEmpty()) << "an empty line has no field at all";
}

TEST(ItemFileDecoding, BytesThatAreNoTextStillGiveALineAndKeepTheLinesAfterThem) {
    const QStringList lines = readAllLines(QByteArray("\xff\xfe\x80ok,\xc3\r\nnext"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(QLatin1String("ok,")));
    EXPECT_EQ(lines[1], QStringLiteral("next"));
}
