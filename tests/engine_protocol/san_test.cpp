// SAN and coordinate texts of the engine's own board, the draws it claims and the game line it keeps.
#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/game_end.h"
#include "engine/game_line.h"
#include "engine/san.h"
#include "engine/uci_move.h"

namespace varnix::engine {
namespace {

struct SanCase {
    const char* name;
    const char* fen;
    const char* coordinate;  // the move, as from-to squares
    const char* san;
};

const SanCase kSanCases[] = {
    {"knight by file", "4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "b1d2", "Nbd2"},
    {"rook by rank", "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1a3", "R1a3"},
    {"queen by file and rank", "1k6/8/8/8/4Q2Q/K7/8/7Q w - - 0 1", "h4e1", "Qh4e1"},
    {"pinned rival needs none", "4k3/8/8/8/1b6/8/3N4/4K1N1 w - - 0 1", "g1f3", "Nf3"},
    {"en passant", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6", "exd6"},
    {"promotion capture with check", "3r2k1/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8q", "exd8=Q+"},
    {"black promotes", "4k3/8/8/8/8/8/1p6/4K3 b - - 0 1", "b2b1q", "b1=Q+"},
    {"castling with check", "5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1", "O-O+"},
    {"mate", "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "a1a8", "Ra8#"},
    {"king capture", "4k3/8/8/8/8/8/4p3/4K3 w - - 0 1", "e1e2", "Kxe2"},
};

Move MoveFromCoordinate(const Board& board, const char* text) {
    const std::optional<Move> move = ReadMove(board, text);
    EXPECT_TRUE(move.has_value()) << text;
    return move.value_or(Move::none());
}

TEST(San, WritesTheStandardTextAndLeavesTheBoardAlone) {
    for (const SanCase& c : kSanCases) {
        SCOPED_TRACE(c.name);
        const std::optional<Board> board = Board::FromFen(c.fen);
        ASSERT_TRUE(board.has_value());
        const Move move = MoveFromCoordinate(*board, c.coordinate);
        EXPECT_EQ(MoveToSan(*board, move), c.san);
        EXPECT_EQ(board->Fen(), Board::FromFen(c.fen)->Fen());
        EXPECT_EQ(MoveToUci(move), c.coordinate);
        // What was written reads back as the same move.
        EXPECT_EQ(ReadMove(*board, c.san), move);
    }
}

TEST(San, ReadsWhatTheProgramWritesAndRefusesTheRest) {
    struct Case {
        const char* fen;
        const char* text;
        const char* coordinate;  // nullptr: no move
    };
    const char* start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
    const char* castles = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";
    const Case cases[] = {
        {start, "Nf3+!?", "g1f3"},   {start, "e2-e4", "e2e4"},    {start, "Ng1f3", "g1f3"},
        {start, "e5", nullptr},      {start, "nf3", nullptr},     {start, "O-O", nullptr},
        {castles, "0-0-0", "e1c1"},  {castles, "e1g1", "e1g1"},   {castles, "Kg1", nullptr},
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "Nd2", nullptr},  // ambiguous
        {"3r2k1/4P3/8/8/8/8/8/4K3 w - - 0 1", "exd8Q", "e7d8q"},
        {"3r2k1/4P3/8/8/8/8/8/4K3 w - - 0 1", "exd8", nullptr},  // the piece must be named
        {"3r2k1/4P3/8/8/8/8/8/4K3 w - - 0 1", "e8=K", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Board board = *Board::FromFen(c.fen);
        const std::optional<Move> move = ReadMove(board, c.text);
        if (c.coordinate == nullptr) {
            EXPECT_FALSE(move.has_value());
        } else {
            ASSERT_TRUE(move.has_value());
            EXPECT_EQ(MoveToUci(*move), c.coordinate);
        }
    }
}

TEST(San, TellsMoveShapedTextsFromOthers) {
    for (const char* text : {"Nbd2", "exd8=Q", "0-0-0", "e2e4", "Qh4e1+", "e7e8q"})
        EXPECT_TRUE(LooksLikeMove(text)) << text;
    for (const char* text : {"", "go", "e9", "Ze4", "Nf3x", "newx"})
        EXPECT_FALSE(LooksLikeMove(text)) << text;
}

// The draws the engine claims; mate and stalemate are checked through the protocol.
// Plays SAN moves on a line from the FEN and asks what draw may be claimed.
DrawClaim ClaimAfter(const char* fen, std::initializer_list<const char*> moves) {
    GameLine line = *GameLine::FromFen(fen);
    for (const char* text : moves) {
        const std::optional<Move> move = ReadMove(line.Current(), text);
        EXPECT_TRUE(move.has_value()) << text;
        if (move) line.Play(*move);
    }
    return ClaimableDraw(line.Current(), line.Earlier());
}

TEST(GameEnd, ClaimableDraws) {
    const char* knights = "4k3/8/8/8/8/8/8/1N2K1n1 w - - 0 1";
    EXPECT_EQ(ClaimAfter(knights, {"Nc3", "Nh3", "Nb1", "Ng1"}), DrawClaim::None);  // twice
    EXPECT_EQ(ClaimAfter(knights, {"Nc3", "Nh3", "Nb1", "Ng1", "Nc3", "Nh3", "Nb1", "Ng1"}), DrawClaim::Repetition);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/8/R3K3 w - - 99 70", {"Ra2"}), DrawClaim::FiftyMoves);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/8/R3K3 w - - 98 70", {"Ra2"}), DrawClaim::None);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/8/R3K3 w - - 99 70", {"Ra2", "Kd7"}), DrawClaim::FiftyMoves);
    EXPECT_EQ(ClaimAfter("4k3/8/8/8/8/8/3r4/4K1N1 w - - 0 1", {"Kxd2"}), DrawClaim::InsufficientMaterial);
}

TEST(GameLine, CountsHalfMovesAndSetsTheSideToMove) {
    GameLine line = *GameLine::FromFen("rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2");
    EXPECT_EQ(line.PliesPlayed(), 3);
    EXPECT_EQ(line.MoveNumber(), 2);
    line.Play(*ReadMove(line.Current(), "Nc6"));
    EXPECT_EQ(line.MoveNumber(), 3);
    EXPECT_EQ(line.WithCurrent().size(), 2u);

    const Board board = *Board::FromFen("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    const std::optional<Board> black = WithSideToMove(board, Black);
    ASSERT_TRUE(black.has_value());
    EXPECT_EQ(black->SideToMove(), Black);
    EXPECT_EQ(black->EpSquare(), NoSquare);
    EXPECT_FALSE(WithSideToMove(*Board::FromFen("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1"), Black).has_value());
}

}  // namespace
}  // namespace varnix::engine
