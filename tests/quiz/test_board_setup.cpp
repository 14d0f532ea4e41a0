#include "boardfixture.h"

#include "fakes/bounded.h"
#include "mapdata/design/zonetable.h"
#include "quiz/itemfile.h"
#include "shell/qtplatform.h"

#include <QTemporaryDir>

using namespace mapdata;

namespace {

QByteArray lines(int count, const char *end = "\r\n") {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray(kItemTable[std::size_t(i % kItemCount)].name) + end;
    return bytes;
}

} // namespace

TEST_F(Board, LoadsTheShippedItemsIntoThePoolWithoutAnyReport) {
    load();
    EXPECT_TRUE(boxes.calls.empty());
    for (int k = 0; k < kItemCount; ++k) {
        EXPECT_EQ(design.labels(k).caption(), QString::fromLatin1(kItemTable[std::size_t(k)].name));
        EXPECT_EQ(design.labels(k).tag(), design.labels(k).caption());
    }
    EXPECT_EQ(design.form.caption(), QStringLiteral("Tessaline"));
    EXPECT_EQ(form1().placedCount, 0);
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
    EXPECT_EQ(visibleMapLabels(), 0);
}

TEST_F(Board, MakesSixtyOneVisibleManualZonesStackedInIndexOrderOverEverything) {
    load();
    ASSERT_EQ(design.piccoor.count(), kZoneCount);
    const int firstZonePosition = design.form.stackingPosition(design.piccoor(0));
    EXPECT_EQ(firstZonePosition, int(design.form.stackingOrder().size()) - kZoneCount);
    for (int z = 0; z < kZoneCount; ++z) {
        const Control &zone = design.piccoor(z);
        EXPECT_EQ(zone.rect(), kZoneTable[std::size_t(z)].rect());
        EXPECT_EQ(zone.tag(), QString::fromLatin1(kZoneTable[std::size_t(z)].tag));
        EXPECT_EQ(zone.dragMode(), DragMode::Manual);
        EXPECT_TRUE(zone.isVisible());
        EXPECT_FALSE(design.shape(z).isVisible());
        EXPECT_EQ(design.form.stackingPosition(zone), firstZonePosition + z);
    }
}

TEST_F(Board, ResetHidesMapLabelsShowsPoolLabelsAndKeepsTheirTexts) {
    load();
    design.labels(3).setVisible(false);
    design.maplabel(3).setCaption(QStringLiteral("Bolivia"));
    design.maplabel(3).setFontBold(true);
    design.maplabel(3).setVisible(true);
    form1().placedCount = 5;
    form1().PushButton1_Click();
    EXPECT_EQ(form1().placedCount, 0);
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
    EXPECT_EQ(visibleMapLabels(), 0);
    EXPECT_EQ(design.maplabel(3).caption(), QStringLiteral("Bolivia"));
    EXPECT_TRUE(design.maplabel(3).fontBold());
    EXPECT_EQ(design.labels(3).caption(), QStringLiteral("Bolivia"));
}

TEST_F(Board, LineWithCommasKeepsTheWholeLineAsKeyAndTheFirstFieldAsText) {
    files.files[itemsPath()] = "Peru, Lima\r\n,Chile\r\nQuito\r\n";
    load();
    EXPECT_EQ(design.labels(0).caption(), QStringLiteral("Peru"));
    EXPECT_EQ(design.labels(0).tag(), QStringLiteral("Peru, Lima"));
    EXPECT_EQ(design.labels(1).caption(), QString());
    EXPECT_EQ(design.labels(1).tag(), QStringLiteral(",Chile"));
    EXPECT_EQ(design.labels(2).tag(), QStringLiteral("Quito"));
}

TEST_F(Board, MissingItemFileIsReportedOnceAndTheWindowStillGetsItsZones) {
    files.files.clear();
    load();
    ASSERT_EQ(boxes.errorLines(), std::vector<int>{132});
    EXPECT_TRUE(boxes.calls[0].prompt.startsWith(QLatin1String("File not found\r\n")));
    EXPECT_EQ(design.labels(0).caption(), QStringLiteral("Label3"));
    EXPECT_EQ(design.piccoor.count(), kZoneCount);
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
}

TEST_F(Board, EmptyFileLeavesTheDesignTextsWithoutReport) {
    files.files[itemsPath()] = "";
    load();
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(design.labels(27).caption(), QStringLiteral("Label3"));
    EXPECT_EQ(visiblePoolLabels(), kItemCount);
}

TEST_F(Board, ShortFileLeavesTheLastLabelWithItsDesignTextAndEmptyKey) {
    files.files[itemsPath()] = lines(27);
    load();
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(design.labels(26).caption(), QStringLiteral("Uruguay"));
    EXPECT_EQ(design.labels(27).caption(), QStringLiteral("Label3"));
    EXPECT_EQ(design.labels(27).tag(), QString());
    EXPECT_TRUE(design.labels(27).isVisible());
}

TEST_F(Board, ThirtyLinesReportTwoFailuresForEachSurplusLine) {
    files.files[itemsPath()] = lines(28) + "Extra,one\r\nExtra two\r\n";
    load();
    EXPECT_EQ(boxes.errorLines(), (std::vector<int>{144, 148, 144, 150}));
    EXPECT_EQ(boxes.errorCount(QStringLiteral("Form_Load")), 4);
    EXPECT_TRUE(boxes.calls[0].prompt.contains(QLatin1String("labels(28)")));
    EXPECT_EQ(design.labels(27).caption(), QStringLiteral("Venezuela"));
    EXPECT_EQ(design.piccoor.count(), kZoneCount);
}

TEST_F(Board, EmptyLineIsReportedTwiceAndTheNextLineGoesToTheNextLabel) {
    QByteArray bytes = lines(5) + "\r\n" + "Brazil\r\n";
    files.files[itemsPath()] = bytes;
    load();
    EXPECT_EQ(boxes.errorLines(), (std::vector<int>{144, 150}));
    EXPECT_TRUE(boxes.calls[0].prompt.startsWith(QLatin1String("Subscript out of range")));
    EXPECT_EQ(design.labels(5).caption(), QStringLiteral("Label3"));
    EXPECT_EQ(design.labels(6).caption(), QStringLiteral("Brazil"));
}

// As a Unix editor or a Git checkout with line-end conversion saves the list.
TEST_F(Board, AnItemListWithLineFeedsAlonePlaysToTheEnd) {
    QByteArray unix = shippedItems();
    unix.replace("\r\n", "\n");
    ASSERT_FALSE(unix.contains('\r'));
    files.files[itemsPath()] = unix;
    load();
    ASSERT_TRUE(boxes.calls.empty());
    playToTheEnd();
}

TEST_F(Board, HugeLineAndInvalidBytesLoadWithoutFailure) {
    constexpr int kHugeLineBytes = (1 << 20) - 64; // just inside the file's limit
    files.files[itemsPath()] = QByteArray(kHugeLineBytes, 'x') + "\r\n\xff\xfe\x81,\x80\r\n";
    load();
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(design.labels(0).caption().size(), kHugeLineBytes);
    EXPECT_TRUE(design.labels(1).tag().contains(QLatin1Char(',')));
}

TEST_F(Board, ErrorBoxesNameTheLoadHandlerAndTheLoadGoesOnAfterThem) {
    files.files[itemsPath()] = lines(28) + "surplus\r\n";
    int zonesWhenFirstBoxShown = -1;
    boxes.whileShown = [&](const fakes::MessageBoxCall &) {
        if (zonesWhenFirstBoxShown < 0)
            zonesWhenFirstBoxShown = design.piccoor.count();
    };
    load();
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(zonesWhenFirstBoxShown, 1) << "the box is shown when the step fails";
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("Application Error"));
    EXPECT_EQ(boxes.calls[0].style, 48);
    EXPECT_TRUE(boxes.calls[0].prompt.contains(
        QLatin1String("\r\nin Tessaline2017/04/05.Form1.Form_Load at line 144\r\r")));
    EXPECT_EQ(design.piccoor.count(), kZoneCount);
}

TEST_F(Board, AbsentCursorFileIsNotLoadedNorReported) {
    load();
    EXPECT_TRUE(cursors.loads.isEmpty());
    EXPECT_TRUE(design.form.mouseIcon().isNull());
}

TEST_F(Board, PastTwoSurplusLinesOneBoxTellsHowManyLinesWereNotRead) {
    files.files[itemsPath()] = lines(28) + "Extra,one\r\nExtra two\r\nthird";
    load();
    EXPECT_EQ(boxes.errorLines(), (std::vector<int>{144, 148, 144, 150, 144}));
    EXPECT_TRUE(boxes.calls[4].prompt.startsWith(
        QLatin1String("Too many lines: 1 further line was not read\r\nin ")));
}

TEST_F(Board, HundredThousandLinesGiveTheFourBoxesAndOneForTheRest) {
    files.files[itemsPath()] = fakes::manyLines(100000);
    load();
    EXPECT_EQ(boxes.errorLines(), (std::vector<int>{144, 150, 144, 150, 144}));
    EXPECT_TRUE(boxes.calls[4].prompt.startsWith(
        QLatin1String("Too many lines: 99970 further lines were not read\r\n")));
    EXPECT_EQ(design.labels(27).caption(), QStringLiteral("Line27"));
    EXPECT_EQ(design.piccoor.count(), kZoneCount);
}

TEST_F(Board, EmptyLinesAmongTheFirstTwentyEightKeepTheirTwoBoxesInALongFile) {
    files.files[itemsPath()] = lines(3) + "\r\n" + lines(23) + "\r\n" + fakes::manyLines(500);
    load();
    EXPECT_EQ(boxes.errorLines(), (std::vector<int>{144, 150, 144, 150, 144, 150, 144, 150, 144}));
    EXPECT_EQ(design.labels(3).caption(), QStringLiteral("Label3"));
    EXPECT_EQ(design.labels(27).caption(), QStringLiteral("Label3"));
    EXPECT_TRUE(boxes.calls[8].prompt.startsWith(
        QLatin1String("Too many lines: 498 further lines were not read\r\n")));
}

TEST_F(Board, FileLongerThanTheLimitIsReadUpToItAndReportedOnceWhereALineIsRead) {
    QByteArray bytes = lines(10) + QByteArray(int(quiz::kMaxItemFileBytes), 'x') + "\r\nlast\r\n";
    files.files[itemsPath()] = bytes;
    load();
    ASSERT_EQ(boxes.errorLines(), std::vector<int>{138});
    EXPECT_TRUE(boxes.calls[0].prompt.startsWith(QLatin1String("File too large (over 1024 KiB)")));
    EXPECT_EQ(design.labels(9).caption(), QString::fromLatin1(kItemTable[9].name));
    EXPECT_EQ(design.labels(10).caption(), QStringLiteral("Label3"));
    EXPECT_EQ(design.piccoor.count(), kZoneCount);
}

TEST_F(Board, LongFilePastTheLimitIsCountedAsAtLeastTheLinesRead) {
    files.files[itemsPath()] = fakes::manyLines(300000);
    load();
    ASSERT_EQ(boxes.errorLines().size(), 5u);
    EXPECT_TRUE(boxes.calls[4].prompt.contains(QLatin1String("Too many lines: at least ")));
}

#ifdef Q_OS_UNIX
// The item file as the program finds it beside itself, read through the real file system.
class BoardOnDisk : public Board {
protected:
    BoardOnDisk() {
        onDisk = &realFiles;
        onDiskFolder = dir.path();
    }
    QString items() const { return dir.filePath(QStringLiteral("items.txt")); }

    QTemporaryDir dir;
    shell::QtFileSystem realFiles;
};

TEST_F(BoardOnDisk, PipeWithNoWriterIsReportedAtTheOpenAndTheWindowLoads) {
    ASSERT_TRUE(fakes::makeFifo(items()));
    fakes::Watchdog watchdog("items.txt as a pipe");
    load();
    EXPECT_EQ(boxes.errorLines(), std::vector<int>{132});
    EXPECT_TRUE(boxes.calls[0].prompt.startsWith(QLatin1String("Path/File access error")));
    EXPECT_EQ(design.piccoor.count(), kZoneCount);
}

#endif
