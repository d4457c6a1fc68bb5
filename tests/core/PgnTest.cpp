#include "core/Pgn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnix {
namespace {

using Moves = std::vector<std::string>;

struct ReadCase {
    const char* name;
    const char* text;
    Moves moves;
    const char* result;
};

class PgnReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(PgnReadTest, MainLine) {
    const ReadCase& c = GetParam();
    const auto game = ReadPgn(c.text);
    ASSERT_TRUE(game.has_value());
    EXPECT_EQ(game->Moves, c.moves);
    EXPECT_EQ(game->Result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Pgn, PgnReadTest,
    testing::Values(
        ReadCase{"NestedVariations", "1. e4 (1. d4 d5 (1... Nf6 2. c4) 2. c4) e5 (1... c5 {Sicilian (x}) 2. Nf3 1/2-1/2",
                 {"e4", "e5", "Nf3"}, "1/2-1/2"},
        ReadCase{"NagsAndMarks", "1. e4! $1 e5?! $6 2. Qh5?? !! Nc6 3. Qxf7+ 0-1", {"e4", "e5", "Qh5", "Nc6", "Qxf7+"}, "0-1"},
        ReadCase{"EscapeLinesAndBom", "\xEF\xBB\xBF% a note\n[Event \"x\"]\n%another\n1. e4 *", {"e4"}, "*"},
        ReadCase{"NoResultEndsAtText", "1. e4 e5 2. d4", {"e4", "e5", "d4"}, "*"},
        ReadCase{"NextGameWithoutResult", "[Event \"a\"]\n1. e4\n[Event \"b\"]\n1. d4 *", {"e4"}, "*"},
        ReadCase{"TagsOnly", "[Event \"a\"]\n[Result \"*\"]\n", {}, "*"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PgnReadTest, TagValuesKeepOrderAndEscapes) {
    const auto game = ReadPgn("[Event \"A \\\"quoted\\\" name\"]\n[Site \"C:\\\\games\"]\n[ White   \"Ann\" ]\n*");
    ASSERT_TRUE(game.has_value());
    ASSERT_EQ(game->Tags.size(), 3u);
    EXPECT_EQ(game->Tags[0].Name, "Event");
    EXPECT_EQ(game->Tag("Event"), "A \"quoted\" name");
    EXPECT_EQ(game->Tag("Site"), "C:\\games");
    EXPECT_EQ(game->Tag("White"), "Ann");
    EXPECT_EQ(game->Tag("Black"), "");
}

TEST(PgnReadTest, MalformedTextIsNoGame) {
    for (const char* text : {"", "{only a comment}", "[Event \"x\"", "[Event x]", "1. e4 {open", "1. e4 (1. d4",
                             "1. e4 ) e5", "(1. e4 [Event \"x\"]) *"})
        EXPECT_FALSE(ReadPgn(text).has_value()) << text;
}

TEST(PgnWriteTest, ExportFormat) {
    PgnGame game;
    game.Tags = {{"Event", "Say \"hi\" \\o/"}, {"Result", "1-0"}};
    game.Moves = {"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6", "Qxf7#"};
    game.Result = "1-0";
    EXPECT_EQ(WritePgn(game), "[Event \"Say \\\"hi\\\" \\\\o/\"]\n[Result \"1-0\"]\n\n"
                              "1. e4 e5 2. Qh5 Nc6 3. Bc4 Nf6 4. Qxf7# 1-0\n");
}

TEST(PgnWriteTest, FinalCommentCannotCloseItselfEarly) {
    PgnGame game;
    game.Moves = {"e4"};
    game.FinalComment = "odd } text\nhere";
    const std::string text = WritePgn(game);
    EXPECT_EQ(text, "\n1. e4 {odd ) text here} *\n");
    EXPECT_EQ(ReadPgn(text)->Moves, game.Moves);
}

TEST(PgnWriteTest, LongGamesWrapBelowEightyColumnsAndReadBack) {
    PgnGame game;
    for (int i = 0; i < 60; ++i) game.Moves.insert(game.Moves.end(), {"Nf3", "Nf6", "Ng1", "Ng8"});
    game.Result = "1/2-1/2";
    const std::string text = WritePgn(game);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LT(end - start, 80u);
    const auto back = ReadPgn(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->Moves, game.Moves);
    EXPECT_EQ(back->Result, "1/2-1/2");
}

} // namespace
} // namespace varnix
