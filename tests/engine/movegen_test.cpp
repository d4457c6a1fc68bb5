#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/movegen.h"
#include "engine/uci_move.h"

using namespace varnix::engine;

namespace {

std::vector<std::string> LegalUci(const Board& b) {
    MoveList list;
    GenerateLegal(b, list);
    std::vector<std::string> out;
    for (const Move m : list) out.push_back(MoveToUci(m));
    return out;
}

bool Has(const std::vector<std::string>& moves, const std::string& m) {
    return std::find(moves.begin(), moves.end(), m) != moves.end();
}

// Busy positions: checks, double checks, pins, en passant (one pinned along the rank), castling, promotions.
const char* const kBusyFens[] = {
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "5k2/8/8/8/8/8/8/4K2R w K - 0 1",
    "8/8/8/1k6/3Pp3/8/8/4KQ2 b - d3 0 1",
    "8/k7/8/KPp5/8/8/8/6B1 w - c6 0 2",
    "4k3/8/8/8/8/5n2/8/r3K3 w - - 0 1",
    "8/8/8/8/k2Pp2Q/8/8/4K3 b - d3 0 1",
    "4k3/8/8/1b6/8/8/4r3/R3K2R w KQ - 0 1",
};

struct RuleCase {
    const char* name;
    const char* fen;
    std::vector<std::string> present;
    std::vector<std::string> absent;
    int count;  // -1: not checked
};

}  // namespace

TEST(MoveGen, Rules) {
    const RuleCase cases[] = {
        {"CastlingThroughAttackedSquare", "4kr2/8/8/8/8/8/8/R3K2R w KQ - 0 1", {"e1c1"}, {"e1g1"}, -1},
        {"QueenSideRookMayPassAttackedSquare", "1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", {"e1c1", "e1g1"}, {}, -1},
        {"NoCastlingOutOfCheck", "4k3/4r3/8/8/8/8/8/R3K2R w KQ - 0 1", {}, {"e1c1", "e1g1"}, -1},
        {"NoCastlingOverAPiece", "4k3/8/8/8/8/8/8/RN2K2R w KQ - 0 1", {"e1g1"}, {"e1c1"}, -1},
        {"EnPassantExposingKingOnRank", "8/8/8/KPp4r/8/8/8/4k3 w - c6 0 2", {"b5b6"}, {"b5c6"}, -1},
        {"EnPassantTakesTheCheckingPawn", "8/8/8/2k5/3Pp3/8/8/4K3 b - d3 0 1", {"e4d3"}, {}, -1},
        {"EnPassantExposingKingToQueen", "8/8/8/8/k2Pp2Q/8/8/3K4 b - d3 0 1", {}, {"e4d3"}, -1},
        {"PromotionByCapture", "1n6/P7/8/8/8/8/8/k1K5 w - - 0 1", {"a7b8q", "a7a8n"}, {}, 11},
        {"PinnedRookMovesAlongPin", "4k3/4r3/8/8/8/8/4R3/4K3 w - - 0 1", {"e2e7", "e2e3"}, {"e2d2"}, 9},
        {"DoubleCheckOnlyKingMoves", "4k3/8/8/8/8/5n2/8/r3K3 w - - 0 1", {"e1e2"}, {}, 2},
        {"KingCannotRetreatAlongCheckRay", "4k3/8/8/8/8/8/8/r3K3 w - - 0 1", {"e1e2"}, {"e1f1", "e1d1"}, 3},
        {"Stalemate", "k7/8/1Q6/8/8/8/8/7K b - - 0 1", {}, {}, 0},
    };
    for (const RuleCase& c : cases) {
        const auto board = Board::FromFen(c.fen);
        ASSERT_TRUE(board) << c.name;
        const auto moves = LegalUci(*board);
        for (const auto& m : c.present) EXPECT_TRUE(Has(moves, m)) << c.name << ": missing " << m;
        for (const auto& m : c.absent) EXPECT_FALSE(Has(moves, m)) << c.name << ": has " << m;
        if (c.count >= 0) {
            EXPECT_EQ(int(moves.size()), c.count) << c.name;
        }
    }
}

// Noisy and quiet generation split the legal moves with nothing lost or doubled.
TEST(MoveGen, NoisyAndQuietPartitionLegalMoves) {
    for (const char* fen : kBusyFens) {
        const Board b = *Board::FromFen(fen);
        MoveList all, noisy, quiet;
        GenerateLegal(b, all);
        GenerateNoisy(b, noisy);
        GenerateQuiet(b, quiet);
        EXPECT_EQ(noisy.Size() + quiet.Size(), all.Size()) << fen;
        for (const Move m : noisy) {
            EXPECT_TRUE(all.Contains(m)) << fen;
            EXPECT_TRUE(b.IsCapture(m) || m.KindOf() == Move::Promotion) << fen << " " << MoveToUci(m);
        }
        for (const Move m : quiet) {
            EXPECT_TRUE(all.Contains(m)) << fen;
            EXPECT_FALSE(b.IsCapture(m) || m.KindOf() == Move::Promotion) << fen << " " << MoveToUci(m);
        }
    }
}

// GivesCheck agrees with making the move and looking, for every move of the busy positions.
TEST(MoveGen, GivesCheckMatchesMadeMove) {
    for (const char* fen : kBusyFens) {
        Board b = *Board::FromFen(fen);
        MoveList list;
        GenerateLegal(b, list);
        for (const Move m : list) {
            const bool predicted = b.GivesCheck(m);
            b.MakeMove(m);
            EXPECT_EQ(predicted, b.InCheck()) << fen << " " << MoveToUci(m);
            b.UnmakeMove();
        }
    }
}

TEST(MoveGen, InsufficientMaterial) {
    struct Case {
        const char* fen;
        bool dead;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", true},
        {"4kb2/8/8/8/8/8/8/4K3 w - - 0 1", true},
        {"4kb2/8/8/8/8/8/8/2B1K3 w - - 0 1", true},   // bishops on same-coloured squares
        {"4k1b1/8/8/8/8/8/8/2B1K3 w - - 0 1", false},  // opposite colours can mate
        {"4k3/8/8/8/8/8/8/3NKN2 w - - 0 1", false},
        {"4k3/8/8/8/8/8/8/4K2R w - - 0 1", false},
    };
    for (const Case& c : cases) EXPECT_EQ(Board::FromFen(c.fen)->IsInsufficientMaterial(), c.dead) << c.fen;
}

// The one-piece legality check agrees with the full list for every possible move code, along short games from
// the busy positions.
TEST(MoveGen, IsLegalMoveAgreesWithTheFullListForEveryCode) {
    for (const char* fen : kBusyFens) {
        Board b = *Board::FromFen(fen);
        for (int ply = 0; ply < 8; ++ply) {
            MoveList list;
            GenerateLegal(b, list);
            for (int code = 0; code < 1 << 16; ++code) {
                const Move m(static_cast<uint16_t>(code));
                ASSERT_EQ(IsLegalMove(b, m), list.Contains(m)) << b.Fen() << " " << MoveToUci(m);
            }
            if (list.Empty()) break;
            b.MakeMove(list[(ply * 7 + 3) % list.Size()]);
        }
    }
}
