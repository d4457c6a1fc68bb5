#include "board_view/diagram/DiagramOptions.h"
#include "board_view/diagram/RenderDiagram.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

using Action = DiagramCommand::Action;
const std::string Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

struct ArgsCase {
    const char* name;
    std::vector<std::string> args;
    Action action;
};

// Help, version, an unknown option and a quoted FEN are run on the installed tool by the install test.
class DiagramArguments : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(DiagramArguments, AreUnderstoodOrRefused) {
    const DiagramCommand command = ParseDiagramArguments(GetParam().args);
    EXPECT_EQ(command.action, GetParam().action) << command.error;
    EXPECT_EQ(command.action == Action::Fail, !command.error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Diagram, DiagramArguments,
    ::testing::Values(ArgsCase{"FenFieldsApart", {"8/8/8/8/8/8/8/K6k", "b", "-", "-", "0", "1", "o.png"}, Action::Draw},
                      ArgsCase{"UnknownOptionBeforeHelp", {"--bogus", "--help"}, Action::Fail},
                      ArgsCase{"NoOutput", {Start}, Action::Fail},
                      ArgsCase{"LastWithoutSquare", {Start, "o.png", "--last"}, Action::Fail},
                      ArgsCase{"BadSquare", {"--select", "i9", Start, "o.png"}, Action::Fail},
                      ArgsCase{"RankTooLong", {"8/8/8/8/8/8/8/K6kp w", "o.png"}, Action::Fail},
                      ArgsCase{"BadSide", {"8/8/8/8/8/8/8/K6k x", "o.png"}, Action::Fail}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Diagram, OptionsCarryTheirSquares) {
    const DiagramCommand command =
        ParseDiagramArguments({"--last", "e4", "--select", "a8", "--flip", Start, "board.png"});
    ASSERT_EQ(command.action, Action::Draw);
    EXPECT_EQ(command.options.lastFile, 5);
    EXPECT_EQ(command.options.lastRow, 5);
    EXPECT_EQ(command.options.selectFile, 1);
    EXPECT_EQ(command.options.selectRow, 1);
    EXPECT_TRUE(command.options.flip);
    EXPECT_EQ(command.options.fen, Start);
    EXPECT_EQ(command.options.output, "board.png");
}

int CountPixels(const Surface& s, Pixel p) { return int(std::count(s.Pixels().begin(), s.Pixels().end(), p)); }

TEST(Diagram, DrawsTheBoardWithTheAskedMarks) {
    DiagramOptions options;
    options.fen = "4k3/8/8/8/8/8/8/4K2R b - - 0 1";
    const Surface plain = RenderDiagram(options);
    EXPECT_EQ(plain.Width(), 366);
    EXPECT_EQ(plain.Height(), 365);
    EXPECT_EQ(CountPixels(plain, 0xFF0000), 0);

    options.check = true;
    const Surface check = RenderDiagram(options);
    EXPECT_GT(CountPixels(check, 0xFF0000), 500);
    // Black is to move: the red square is under e8's king (marker square at 183, 19).
    EXPECT_EQ(check.At(184, 20), 0xFF0000u);

    options.flip = true;
    EXPECT_EQ(RenderDiagram(options).At(143, 307), 0xFF0000u);
}

} // namespace
} // namespace varnix
