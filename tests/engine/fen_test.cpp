#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/movegen.h"
#include "engine/uci_move.h"

using namespace varnix::engine;

TEST(Fen, RoundTrips) {
    const char* fens[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "8/8/8/8/k2Pp2Q/8/8/3K4 b - d3 0 1",
        "4k3/8/8/8/8/8/8/4K2R w K - 49 120",
        "r3k3/8/8/8/8/8/8/4K3 b q - 0 1",
    };
    for (const char* fen : fens) {
        const auto board = Board::FromFen(fen);
        ASSERT_TRUE(board) << fen;
        EXPECT_EQ(board->Fen(), fen);
    }
}

// Texts that are no legal position, and texts that are not FEN at all.
TEST(Fen, RejectsWhatIsNoPosition) {
    const char* bad[] = {
        "",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
        "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/8 w KQkq - 0 1",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkx - 0 1",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e4 0 1",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 extra",
        "rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1",       // no black king
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNP w KQkq - 0 1",     // pawn on the first rank
        "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1",                               // side not to move in check
    };
    for (const char* fen : bad) EXPECT_FALSE(Board::FromFen(fen)) << fen;
}

// Rights without their pieces at home, and en-passant squares no pawn can use, are not kept.
TEST(Fen, DropsRightsAndEnPassantThatCannotBeUsed) {
    EXPECT_EQ(Board::FromFen("4k3/8/8/8/8/8/8/4K3 w KQkq e6 0 1")->Fen(), "4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_EQ(Board::FromFen("r3k3/8/8/8/8/8/8/R3K3 w KQkq - 0 1")->Fen(), "r3k3/8/8/8/8/8/8/R3K3 w Qq - 0 1");
    EXPECT_EQ(Board::FromFen("4k3/8/8/8/8/8/8/4K3 w")->Fen(), "4k3/8/8/8/8/8/8/4K3 w - - 0 1");
}

// The hash made move by move equals the hash of the same position read from FEN.
TEST(Fen, IncrementalHashMatchesFreshBoard) {
    Board b = Board::StartPosition();
    for (const char* uci : {"e2e4", "d7d5", "e4e5", "f7f5", "e5f6", "e8f7", "g1f3", "g8h6", "f1c4", "b8c6", "e1g1"}) {
        const Move m = MoveFromUci(b, uci);
        ASSERT_TRUE(m) << uci;
        b.MakeMove(m);
        const auto fresh = Board::FromFen(b.Fen());
        ASSERT_TRUE(fresh);
        EXPECT_EQ(b.Hash(), fresh->Hash()) << b.Fen();
        EXPECT_EQ(b.PawnHash(), fresh->PawnHash()) << b.Fen();
    }
    EXPECT_EQ(b.Fen(), "r1bq1b1r/ppp1pkpp/2n2P1n/3p4/2B5/5N2/PPPP1PPP/RNBQ1RK1 b - - 6 6");
    while (b.MovesMade()) b.UnmakeMove();
    EXPECT_EQ(b.Hash(), Board::StartPosition().Hash());
}
