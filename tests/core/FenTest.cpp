#include "core/Fen.h"
#include "core/GameState.h"
#include "core/Position.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace varnix {
namespace {

const auto Read = testing::FromFen;

TEST(Fen, ReadsAndWritesBackWithTheEnPassantSquareFromTheSideToMove) {
    const Position start = Read(StandardStartFen);
    EXPECT_EQ(PieceAt(start, 1, 1), BlackRook);
    EXPECT_EQ(PieceAt(start, 4, 8), WhiteQueen);
    EXPECT_EQ(PositionToFen(start), StandardStartFen);
    Position p = Read("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    EXPECT_EQ(p.EpFile, 5);
    EXPECT_EQ(p.BlackToMove, -1);
    EXPECT_EQ(PositionToFen(p), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    p.BlackToMove = 0;
    EXPECT_EQ(PositionToFen(p), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 1");
}

TEST(Fen, CastlingFieldIsReadBySubstring) {
    const struct {
        const char* field;
        int white, black;
    } cases[] = {{"QKkq", 1, 3}, {"Kq", 1, 2}, {"-", 0, 0}, {"kqKQ", 3, 3}, {"qk", 0, 1}};
    for (const auto& c : cases) {
        const Position p = Read(std::string("8/8/8/8/8/8/8/8 w ") + c.field + " - 0 1");
        EXPECT_EQ(p.WhiteCastle, c.white) << c.field;
        EXPECT_EQ(p.BlackCastle, c.black) << c.field;
    }
}

TEST(Fen, CastlingFieldIsWrittenPerSideAndAnySideLetterButLowerWIsBlack) {
    Position p = Read("8/8/8/8/8/8/8/8 W - - 0 1");
    EXPECT_EQ(p.BlackToMove, -1);
    EXPECT_EQ(Read("8/8/8/8/8/8/8/8").BlackToMove, -1);
    p.BlackCastle = 2;
    EXPECT_EQ(PositionToFen(p), "8/8/8/8/8/8/8/8 b q - 0 1");
}

TEST(Fen, ExtraLettersAndSeparatorsAreNotChecked) {
    const Position p = Read("vVdD4/8/8/8/8/8/8/8 w - - 0 1");
    EXPECT_TRUE(PieceAt(p, 1, 1) == 14 && PieceAt(p, 2, 1) == 13 && PieceAt(p, 3, 1) == 16 && PieceAt(p, 4, 1) == 15);
    EXPECT_EQ(PositionToFen(p), "vVdD4/8/8/8/8/8/8/8 w - - 0 1");
    EXPECT_EQ(PositionToFen(Read("88888888 w - - 0 1")), "8/8/8/8/8/8/8/8 w - - 0 1");
}

TEST(Fen, RunPastTheLastSquareIsDroppedAndShortBoardsKeepTheRest) {
    Position p{};
    p.Board[BoardIndex(8, 8)] = WhiteKing;
    FenToPosition("8/8/8/8/8/8/8/7", p); // one square short: h1 keeps its king
    EXPECT_EQ(PieceAt(p, 8, 8), WhiteKing);
    const unsigned char before = p.Board[0];
    FenToPosition("8/8/8/8/8/8/8/78 w - - 0 1", p); // eight more digits spill past h1
    EXPECT_EQ(PieceAt(p, 8, 8), Empty);
    EXPECT_EQ(p.Board[0], before);
    EXPECT_EQ(p.BlackToMove, 0);
}

TEST(Fen, EnPassantFieldReadsOnlyTheFileLetter) {
    EXPECT_EQ(Read("8/8/8/8/8/8/8/8 b - a9 0 1").EpFile, 1);
    EXPECT_EQ(Read("8/8/8/8/8/8/8/8 w KQ").EpFile, 0);
    EXPECT_EQ(Read("8/8/8/8/8/8/8/8 w - z6 0 1").EpFile, 0);
}

TEST(Fen, WriterSkipsUnknownCodes) {
    Position p = Read("8/8/8/8/8/8/8/8 w - - 0 1");
    p.Board[BoardIndex(1, 1)] = 200;
    EXPECT_EQ(PositionToFen(p).substr(0, 3), "7/8");
}

// The control's click handling and the notation writer lean on these; nothing above them would notice a shifted edge.
TEST(Position, PredicatesAtTheirBoundaries) {
    EXPECT_TRUE(IsWhitePiece(1) && IsWhitePiece(6) && !IsWhitePiece(0) && !IsWhitePiece(7) && !IsWhitePiece(13));
    EXPECT_TRUE(IsBlackPiece(7) && IsBlackPiece(12) && !IsBlackPiece(6) && !IsBlackPiece(13));
    EXPECT_TRUE(IsOffBoard(0, 4) && IsOffBoard(9, 4) && IsOffBoard(4, -1) && !IsOffBoard(1, 8));
    EXPECT_TRUE(IsEven(-4) && !IsEven(-3) && ColourByte(-1) == 1 && ColourByte(0) == 0);
}

} // namespace
} // namespace varnix
