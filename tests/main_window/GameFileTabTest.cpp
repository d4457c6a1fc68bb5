#include "main_window/files/GameFileTab.h"

#include <gtest/gtest.h>

#include <string>

namespace varnix {
namespace {

// What the writer puts out is pinned to the byte through the game files' save tests.
struct ReadCase {
    const char* name;
    std::string text;
    GameFileFault fault;
    bool userPlaysWhite = false;
    int lines = 0;
    int maxPly = 0;
};

class ReadTabGameTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTabGameTest, ChecksTheWholeFile) {
    const ReadCase& c = GetParam();
    const GameFileReading reading = ReadTabGame(c.text);
    ASSERT_EQ(reading.Fault, c.fault);
    if (c.fault != GameFileFault::None) return;
    EXPECT_EQ(reading.Game.UserPlaysWhite, c.userPlaysWhite);
    EXPECT_EQ(int(reading.Game.Lines.size()), c.lines);
    EXPECT_EQ(reading.Game.MaxPly, c.maxPly);
    EXPECT_TRUE(reading.Game.StartFen.empty());
}

const std::string WhiteHeader = "\tWhite(You)\tBlack\r\n";

INSTANTIATE_TEST_SUITE_P(
    GameFiles, ReadTabGameTest,
    testing::Values(
        ReadCase{"OddPliesFromEmptyLastField", WhiteHeader + "1.\te4\te5\r\n2.\tNf3\t\r\n", GameFileFault::None, true, 2, 3},
        ReadCase{"EmptyMiddleFieldStillCounts", WhiteHeader + "1.\te4\t\r\n2.\tNf3\tNc6\r\n", GameFileFault::None, true, 2, 4},
        ReadCase{"EmptyHeaderFieldIsNoMinusOne", "\tWhite(You)\tBlack\t\r\n", GameFileFault::None, true, 0, 0},
        ReadCase{"LowerCaseHeaderIsBlack", "\twhite(you)\tBlack\r\n1.\te4\te5\r\n", GameFileFault::None, false, 1, 2},
        ReadCase{"CrOnlyAndNoFinalEnd", "\tWhite(You)\tBlack\r1.\te4\te5\r2.\td4\t", GameFileFault::None, true, 2, 3},
        ReadCase{"BlanksBeforeNumbersAndTrailingBlankLines",
                 "\xEF\xBB\xBF  \tWhite(You)\tBlack\r\n  1.\te4\te5\r\n\t2.\td4\td5\r\n\r\n  \r\n", GameFileFault::None,
                 true, 2, 4},
        ReadCase{"NumberWithZeroFraction", WhiteHeader + "1.0\te4\te5\r\n", GameFileFault::None, true, 1, 2},
        ReadCase{"Numbered124", WhiteHeader + "1.\te4\te5\r\n2.\td4\td5\r\n4.\tc4\tc6\r\n", GameFileFault::Corrupted},
        ReadCase{"FirstNumbered1Point5", WhiteHeader + "1.5\te4\te5\r\n", GameFileFault::Corrupted},
        ReadCase{"HugeNumber", WhiteHeader + "99999999999999999999.\te4\te5\r\n", GameFileFault::Corrupted},
        ReadCase{"TwoFields", WhiteHeader + "1.\te4\r\n", GameFileFault::Unreadable},
        ReadCase{"EmptyFile", "", GameFileFault::Unreadable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTabGameTest, KeepsTheTextsAndDropsTheFileLabels) {
    const GameFileReading reading = ReadTabGame(WhiteHeader + "1.\te4\te5\textra\r\n2.\tO-O+\t1-0\r\n");
    ASSERT_EQ(reading.Fault, GameFileFault::None);
    ASSERT_EQ(reading.Game.Lines.size(), 2u);
    EXPECT_EQ(reading.Game.Lines[0].White, "e4");
    EXPECT_EQ(reading.Game.Lines[0].Black, "e5");
    EXPECT_EQ(reading.Game.Lines[1].White, "O-O+");
    EXPECT_EQ(reading.Game.Lines[1].Black, "1-0");
}

TEST(ReadTabGameTest, RefusesMoreLinesThanTheCountersHold) {
    std::string text = WhiteHeader;
    for (int i = 1; i <= MaxFileMoveLines + 1; ++i) text += std::to_string(i) + ".\te4\te5\r\n";
    EXPECT_EQ(ReadTabGame(text).Fault, GameFileFault::Unreadable);
}

} // namespace
} // namespace varnix
