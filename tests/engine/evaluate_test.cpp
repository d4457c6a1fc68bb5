#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>

#include "engine/board.h"
#include "engine/evaluate.h"
#include "engine/see.h"
#include "engine/tt.h"
#include "engine/uci_move.h"

using namespace varnix::engine;

namespace {

// The same position with the colours exchanged and the board turned round.
std::string ColourFlipped(const std::string& fen) {
    std::istringstream in(fen);
    std::string placement, side, castling, ep, rest;
    in >> placement >> side >> castling >> ep;
    std::getline(in, rest);
    std::string ranks, out;
    std::istringstream rankStream(placement);
    for (std::string rank; std::getline(rankStream, rank, '/');) out = rank + (out.empty() ? "" : "/") + out;
    auto swapCase = [](std::string s) {
        for (char& c : s) c = char(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
        return s;
    };
    std::string flippedEp = ep == "-" ? ep : std::string{ep[0], ep[1] == '3' ? '6' : '3'};
    return swapCase(out) + (side == "w" ? " b " : " w ") + (castling == "-" ? castling : swapCase(castling)) + " " +
           flippedEp + rest;
}

}  // namespace

// The evaluation has no colour bias: a position and its colour-flipped twin score the same for the side to move.
TEST(Evaluate, SymmetricUnderColourFlip) {
    const char* fens[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
        "2rq1rk1/pp1bppbp/3p1np1/4n3/3NP3/1BN1BP2/PPPQ2PP/2KR3R b - - 0 13",
        "8/5pk1/6p1/7p/7P/6P1/5PK1/2r5 w - - 0 40",
        "8/1P6/8/8/8/8/6k1/4K3 b - - 0 1",
        // Kings that walked with rooks shut in, free and guarded passers, pawn steps that would hit a piece.
        "rn3k1r/pp2bppp/2p5/1P1n4/4P3/2N1B3/P4PPP/R3K1NR w - - 0 12",
    };
    Evaluator e;
    for (const char* fen : fens) {
        const auto board = Board::FromFen(fen);
        const auto flipped = Board::FromFen(ColourFlipped(fen));
        ASSERT_TRUE(board && flipped) << fen;
        EXPECT_EQ(e.Evaluate(*board), e.Evaluate(*flipped)) << fen << " / " << ColourFlipped(fen);
    }
}

TEST(Evaluate, KnowsWhoIsBetter) {
    struct Case {
        const char* fen;
        int atLeast, atMost;
    };
    const Case cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 0, 40},
        {"rnb1kbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 700, 1300},
        {"4k3/8/8/8/8/8/8/4KB2 w - - 0 1", 0, 0},       // dead draw
        {"4kb2/8/8/8/8/8/8/3RK3 w - - 0 1", 0, 150},    // rook against bishop: hard to win
        {"4k3/8/8/8/8/8/8/3QK3 w - - 0 1", 800, 2000},  // a queen up and nothing to stop mate
    };
    Evaluator e;
    for (const Case& c : cases) {
        const int score = e.Evaluate(*Board::FromFen(c.fen));
        EXPECT_GE(score, c.atLeast) << c.fen;
        EXPECT_LE(score, c.atMost) << c.fen;
    }
}

// An endgame edge counts for less with few pawns left or bishops on opposite colours, and least with the
// bishops alone; a pawnless lead of a rook or more keeps its full weight.
TEST(Evaluate, ScalesDrawishEndgamesDown) {
    auto scale = [](const char* fen) {
        EvalTrace trace;
        EvaluateTraced(*Board::FromFen(fen), DefaultEvalParams(), trace);
        return trace.endgameScale;
    };
    const int manyPawns = scale("4k3/8/8/8/8/8/PPPP1PPP/R3K2r w - - 0 1");
    const int onePawn = scale("4k3/8/8/8/8/8/4P3/R3K2r w - - 0 1");
    const int bishopsAndRooks = scale("r3k3/p7/8/3b4/8/2P5/1P6/R1B1K3 w - - 0 1");
    const int bishopsAlone = scale("4k3/p7/8/3b4/8/2P5/1P6/2B1K3 w - - 0 1");
    const int sameColourBishops = scale("4k3/p7/8/4b3/8/2P5/1P6/2B1K3 w - - 0 1");
    EXPECT_EQ(manyPawns, 64);
    EXPECT_LT(onePawn, manyPawns);
    EXPECT_LT(bishopsAlone, bishopsAndRooks);
    EXPECT_LT(bishopsAndRooks, sameColourBishops);
    EXPECT_EQ(scale("4k3/8/8/8/8/8/8/3QK2r w - - 0 1"), 64);
    EXPECT_EQ(scale("4k3/p7/8/3b4/8/2P5/1P6/2B1K3 b - - 0 1"), bishopsAlone);  // the same for either side to move
}

// Moves without captures or pawn moves wear an advantage down, whichever side has it.
TEST(Evaluate, AdvantageFadesWithTheFiftyMoveCount) {
    Evaluator e;
    for (const char* placement : {"4k3/8/8/8/8/8/8/3RK3 w", "4k3/8/8/8/8/8/8/3RK3 b", "3rk3/8/8/8/8/8/8/4K3 w"}) {
        const int fresh = e.Evaluate(*Board::FromFen(std::string(placement) + " - - 0 60"));
        const int stale = e.Evaluate(*Board::FromFen(std::string(placement) + " - - 80 60"));
        EXPECT_GT(std::abs(fresh), 200) << placement;
        EXPECT_LT(std::abs(stale), std::abs(fresh)) << placement;
        EXPECT_GT(std::abs(stale), 0) << placement;
        EXPECT_EQ(stale > 0, fresh > 0) << placement;
    }
}

TEST(See, ExchangesOnOneSquare) {
    struct Case {
        const char* fen;
        const char* move;
        int threshold;
        bool atLeast;
    };
    const Case cases[] = {
        {"4k3/4p3/3p4/8/4N3/8/8/4K3 w - - 0 1", "e4d6", 0, false},         // knight for a defended pawn
        {"4k3/4p3/3p4/8/4N3/8/8/4K3 w - - 0 1", "e4d6", -220, true},       // loses knight for pawn: -220
        {"4k3/8/2n5/3p4/4P3/8/8/3QK3 w - - 0 1", "e4d5", 100, true},       // pawn, recaptured, queen takes back
        {"3rk3/8/8/8/8/8/3R4/3RK3 w - - 0 1", "d2d8", 500, true},          // rook takes rook, x-ray behind
        {"3rk3/3r4/8/8/8/8/3R4/3QK3 w - - 0 1", "d2d7", 0, true},          // R x R, R x R, Q x R
        {"kbK5/pp6/RP6/8/8/8/8/8 w - - 0 1", "a6a7", -100, false},         // the bishop and king take back
        {"4k3/8/8/8/8/3n4/4p3/3K4 w - - 0 1", "d1e2", 0, true},            // legal king captures are safe
    };
    for (const Case& c : cases) {
        const Board b = *Board::FromFen(c.fen);
        const Move m = MoveFromUci(b, c.move);
        ASSERT_TRUE(m) << c.fen << " " << c.move;
        EXPECT_EQ(SeeAtLeast(b, m, c.threshold), c.atLeast) << c.fen << " " << c.move << " >= " << c.threshold;
    }
}

TEST(TranspositionTable, StoresAndAdjustsMates) {
    TranspositionTable tt(1);
    const Move m(E2, E4);
    tt.Store(0x1234567890ABCDEFULL, m, ScoreToTT(MateIn(7), 3), 25, 9, Bound::Exact);
    TTHit hit{};
    ASSERT_TRUE(tt.Probe(0x1234567890ABCDEFULL, hit));
    EXPECT_EQ(hit.move, m);
    EXPECT_EQ(hit.eval, 25);
    EXPECT_EQ(hit.depth, 9);
    EXPECT_EQ(hit.bound, Bound::Exact);
    // The same mate seen two plies further from the root is two plies longer.
    EXPECT_EQ(ScoreFromTT(hit.score, 5), MateIn(9));
    EXPECT_FALSE(tt.Probe(0x1234567890ABCDEEULL, hit));
    tt.Clear();
    EXPECT_FALSE(tt.Probe(0x1234567890ABCDEFULL, hit));
}

TEST(PawnStructure, FindsPassedPawns) {
    struct Case {
        const char* fen;
        Bitboard whitePassed, blackPassed;
    };
    const Case cases[] = {
        {"4k3/3p4/8/8/8/8/4P3/4K3 w - - 0 1", 0, 0},                       // they stop each other
        {"4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", 0, 0},                       // facing diagonally
        {"4k3/8/8/4P3/3p4/8/8/4K3 w - - 0 1", SquareBB(E5), SquareBB(D4)}, // past each other
        {"4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1", SquareBB(E3), 0},            // only the front pawn of two
        {"4k3/p7/8/8/8/8/7P/4K3 w - - 0 1", SquareBB(H2), SquareBB(A7)},
    };
    for (const Case& c : cases) {
        const PawnInfo info = EvaluatePawns(*Board::FromFen(c.fen), DefaultEvalParams());
        EXPECT_EQ(info.passed[White], c.whitePassed) << c.fen;
        EXPECT_EQ(info.passed[Black], c.blackPassed) << c.fen;
    }
}

namespace {

const char* const kPositions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1",
    "2rq1rk1/pp1bppbp/3p1np1/4n3/3NP3/1BN1BP2/PPPQ2PP/2KR3R w - - 3 13",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "6k1/5ppp/8/1P6/8/8/5PPP/6K1 b - - 0 40",     // a passed pawn against the king
    "8/8/4k3/8/8/8/2K5/R7 w - - 0 50",            // the mop-up
    "4k3/8/2b5/8/8/5B2/8/4K3 w - - 30 60",        // a draw by material, fifty-move count running
    "r1bq1rk1/ppp2ppp/2n5/3np3/2B5/5N2/PP1P1PPP/RNBQ1RK1 w - - 0 9",
};

std::map<int, int> CountsByIndex(const EvalTrace& trace) {
    std::map<int, int> counts;
    for (const EvalTrace::Use u : trace.uses) counts[u.index] += u.count;
    return counts;
}

// A position and how often (White minus Black) the evaluation should use one weight in it.
struct WeightCount {
    const char* fen;
    const Score* weight;
    int count;
};

void ExpectCounts(const EvalParams& p, std::initializer_list<WeightCount> cases) {
    for (const WeightCount& c : cases) {
        EvalTrace trace;
        EvaluateTraced(*Board::FromFen(c.fen), p, trace);
        const std::map<int, int> counts = CountsByIndex(trace);
        const auto it = counts.find(p.IndexOf(*c.weight));
        EXPECT_EQ(it == counts.end() ? 0 : it->second, c.count) << c.fen;
    }
}

}  // namespace

// An attack on the king weighs less for each knight or bishop guarding the king's zone, and less when the
// attacker has no queen; neither weight touches a position where it has nothing to count.
TEST(Evaluate, KingAttackCountsDefendersAndTheMissingQueen) {
    auto whiteScore = [](const char* fen, int EvalParams::*weight, int value) {
        EvalParams p = DefaultEvalParams();
        p.*weight = value;
        return Evaluator(p).Evaluate(*Board::FromFen(fen));
    };
    const char* guarded = "r4rk1/ppp2ppp/5n2/6N1/8/3B1Q2/PPP2PPP/4RRK1 w - - 0 1";
    const char* unguarded = "r4rk1/ppp2ppp/n7/6N1/8/3B1Q2/PPP2PPP/4RRK1 w - - 0 1";
    const char* queenless = "r4rk1/ppp2ppp/8/6N1/8/3B4/PPP2PPP/4RRK1 w - - 0 1";
    EXPECT_LT(whiteScore(guarded, &EvalParams::kingDefender, 30), whiteScore(guarded, &EvalParams::kingDefender, 0));
    EXPECT_EQ(whiteScore(unguarded, &EvalParams::kingDefender, 30),
              whiteScore(unguarded, &EvalParams::kingDefender, 0));
    EXPECT_LT(whiteScore(queenless, &EvalParams::kingNoQueen, 30),
              whiteScore(queenless, &EvalParams::kingNoQueen, 0));
    EXPECT_EQ(whiteScore(unguarded, &EvalParams::kingNoQueen, 30),
              whiteScore(unguarded, &EvalParams::kingNoQueen, 0));
}

// The trace blends back to the evaluation itself.
TEST(EvalTrace, ReproducesTheEvaluation) {
    for (const char* fen : kPositions) {
        const Board board = *Board::FromFen(fen);
        Evaluator evaluator;
        EvalTrace trace;
        const int traced = EvaluateTraced(board, DefaultEvalParams(), trace);
        EXPECT_EQ(traced, evaluator.Evaluate(board)) << fen;
        EXPECT_EQ(board.SideToMove() == White ? traced : -traced, trace.White()) << fen;
    }
}

// Changing any one weight moves the traced total by exactly its recorded count, and weights the trace does not
// name leave the total alone: the tuner's linear model is the evaluation.
TEST(EvalTrace, CountsEveryWeightItUses) {
    const EvalParams defaults = DefaultEvalParams();
    // The Score weights come first in the record; the king-danger integers after them are not traced.
    const int scoreWeights = defaults.IndexOf(defaults.pawnlessFlank) + 2;
    for (const char* fen : kPositions) {
        const Board board = *Board::FromFen(fen);
        EvalTrace base;
        EvaluateTraced(board, defaults, base);
        const std::map<int, int> counts = CountsByIndex(base);
        for (int i = 0; i < scoreWeights; ++i) {
            EvalParams changed = defaults;
            changed.Numbers()[size_t(i)] += 7;
            EvalTrace trace;
            EvaluateTraced(board, changed, trace);
            const auto it = counts.find(i & ~1);
            const int expected = it == counts.end() ? 0 : 7 * it->second;
            const Score delta = trace.total - base.total;
            EXPECT_EQ(i % 2 == 0 ? delta.mg : delta.eg, expected) << fen << " weight " << i;
            EXPECT_EQ(i % 2 == 0 ? delta.eg : delta.mg, 0) << fen << " weight " << i;
        }
    }
}

// Pins count only pieces other than pawns with nothing else on the line; the king's distance to its nearest pawn
// and a wing without pawns count for the king's own side (White minus Black). An outpost needs a pawn behind it
// and no enemy pawn that could ever chase it away; a rook on the seventh needs something to attack there.
TEST(EvalTrace, CountsPinsOutpostsAndTheKingsPawnTerms) {
    const EvalParams& p = DefaultEvalParams();
    ExpectCounts(p, {
        {"4k3/8/8/8/1b6/8/3N4/4K3 w - - 0 1", &p.pinned, 1},
        {"4k3/8/8/8/1b6/8/3P4/4K3 w - - 0 1", &p.pinned, 0},
        {"4k3/8/8/8/1b6/2N5/3N4/4K3 w - - 0 1", &p.pinned, 0},
        {"4r1k1/8/8/8/8/8/4Q3/4K3 w - - 0 1", &p.pinned, 1},
        {"4k3/4n3/8/8/8/8/8/4R1K1 b - - 0 1", &p.pinned, -1},
        {"4k3/p7/8/8/8/8/7P/K7 w - - 0 1", &p.kingPawnDistance, 7 - 4},
        {"4k3/p7/8/8/8/8/7P/K7 w - - 0 1", &p.pawnlessFlank, -1},
        {"4k3/8/8/4N3/3P4/8/8/4K3 w - - 0 1", &p.knightOutpost, 1},
        {"4k3/5p2/8/4N3/3P4/8/8/4K3 w - - 0 1", &p.knightOutpost, 0},
        {"4k3/8/8/4N3/8/8/8/4K3 w - - 0 1", &p.knightOutpost, 0},
        {"4k3/8/8/4p3/3b4/8/8/4K3 b - - 0 1", &p.bishopOutpost, -1},
        {"4k3/R7/8/8/8/8/8/4K3 w - - 0 1", &p.rookOnSeventh, 1},
        {"8/R7/4k3/8/8/8/8/4K3 w - - 0 1", &p.rookOnSeventh, 0},
        {"4k3/8/8/8/8/8/7r/4K3 b - - 0 1", &p.rookOnSeventh, -1},
    });
}

// A minor counts any piece it attacks that is worth more than a pawn, and a pawn only when no pawn defends it; a
// rook and the king count only pieces that are not strongly defended.
TEST(EvalTrace, CountsThreatsByTheTypeAttacked) {
    const EvalParams& p = DefaultEvalParams();
    ExpectCounts(p, {
        {"4k3/8/8/3n4/8/8/8/3RK3 w - - 0 1", &p.rookThreat[Knight], 1},
        {"4k3/8/4p3/3n4/8/8/8/3RK3 w - - 0 1", &p.rookThreat[Knight], 0},
        {"4k3/8/2p5/3r4/8/4N3/8/4K3 w - - 0 1", &p.minorThreat[Rook], 1},
        {"4k3/8/8/3p4/8/4N3/8/4K3 w - - 0 1", &p.minorThreat[Pawn], 1},
        {"4k3/8/2p5/3p4/8/4N3/8/4K3 w - - 0 1", &p.minorThreat[Pawn], 0},
        {"4k3/p7/8/8/8/8/3n3P/4K3 w - - 0 1", &p.kingThreat, 1},
        {"4k3/p3N3/8/8/8/8/7P/4K3 b - - 0 1", &p.kingThreat, -1},
    });
}
