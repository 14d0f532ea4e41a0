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

// Whatever editor saved the list: each kind of line end, and a mix of them, gives the same
// lines; a carriage return with its line feed is one end, not two.
TEST(ItemFileLines, LineFeedCarriageReturnOrBothEndALine) {
    const QStringList lines{"Peru,Lima", "Chile", "", "last"};
    for (const char *bytes : {"Peru,Lima\r\nChile\r\n\r\nlast", "Peru,Lima\nChile\n\nlast\n",
                              "Peru,Lima\rChile\r\rlast\r", "Peru,Lima\nChile\r\n\rlast"}) {
        SCOPED_TRACE(QByteArray(bytes).toPercentEncoding().toStdString());
        EXPECT_EQ(readAllLines(bytes), lines);
        EXPECT_EQ(ItemFileReader(bytes).remainingLineCount(), lines.size());
    }
    EXPECT_EQ(readAllLines("a\n\rb"), (QStringList{"a", "", "b"}))
        << "a line feed first is its own end";
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

TEST(ItemFileLines, CutFileNeverEndsAndItsUnfinishedLineIsFlagged) {
    ItemFileReader reader("a\r\nb\r\npartial", true);
    EXPECT_EQ(reader.remainingLineCount(), 3);
    EXPECT_FALSE(reader.nextLineIsCut());
    EXPECT_EQ(reader.readLine(), QStringLiteral("a"));
    EXPECT_EQ(reader.readLine(), QStringLiteral("b"));
    EXPECT_TRUE(reader.nextLineIsCut());
    EXPECT_FALSE(reader.atEnd());

    ItemFileReader endsOnLineEnd("a\r", true);
    endsOnLineEnd.readLine();
    EXPECT_FALSE(endsOnLineEnd.atEnd()) << "the file goes on past the bytes read";
    EXPECT_TRUE(endsOnLineEnd.nextLineIsCut());
    EXPECT_EQ(endsOnLineEnd.remainingLineCount(), 1);
}

TEST(ItemFileLines, RemainingLinesAreCountedByTheSameLineRules) {
    ItemFileReader reader("a\r\nb\rc\nd\r\n\r\nlast");
    reader.readLine();
    EXPECT_EQ(reader.remainingLineCount(), 5);
    ItemFileReader whole("x\r\n");
    whole.readLine();
    EXPECT_EQ(whole.remainingLineCount(), 0);
}

#ifdef Q_OS_WIN
#include <qt_windows.h>

// On Windows the list is text in the ANSI code page, whatever Qt's own default is (UTF-8).
TEST(ItemFileDecoding, ReadsTheAnsiCodePageOnWindows) {
    constexpr UINT kWesternEuropean = 1252;
    if (GetACP() != kWesternEuropean)
        GTEST_SKIP() << "the ANSI code page here is " << GetACP();
    EXPECT_EQ(
        readAllLines("Bogot\xe1,Colombia\r\nAsunci\xf3n"),
        (QStringList{QStringLiteral("Bogot\u00e1,Colombia"), QStringLiteral("Asunci\u00f3n")}));
}
#endif
