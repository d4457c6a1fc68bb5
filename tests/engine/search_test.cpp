#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <sstream>
#include <thread>

#include "engine/movegen.h"
#include "engine/search.h"
#include "engine/uci_move.h"

using namespace varnix::engine;

namespace {

struct Result {
    Move best, ponder;
    SearchInfo last{};
    int doneCalls = 0;
};

Result Think(Searcher& s, const Board& b, const SearchLimits& limits, std::vector<uint64_t> history = {}) {
    Result r;
    s.Start(b, std::move(history), limits, [&](const SearchInfo& i) { r.last = i; },
            [&](Move best, Move ponder) {
                r.best = best;
                r.ponder = ponder;
                ++r.doneCalls;
            });
    s.Wait();
    return r;
}

SearchLimits Nodes(uint64_t n) { return {.nodes = n}; }

// Brute force over legal moves only: does the side to move mate within `moves` moves against every defence?
bool ForcesMate(Board& b, int moves) {
    if (moves <= 0) return false;
    MoveList list;
    GenerateLegal(b, list);
    for (const Move m : list) {
        b.MakeMove(m);
        MoveList replies;
        GenerateLegal(b, replies);
        bool mates = replies.Empty() ? b.InCheck() : moves > 1;
        for (int i = 0; mates && i < replies.Size(); ++i) {
            b.MakeMove(replies[i]);
            mates = ForcesMate(b, moves - 1);
            b.UnmakeMove();
        }
        b.UnmakeMove();
        if (mates) return true;
    }
    return false;
}

}  // namespace

// The engine reports the shortest mate, and its move keeps that mate in hand against every defence; a mate on
// the hundredth half-move wins, the fifty-move rule does not take it away.
TEST(Search, FindsShortestMates) {
    struct Case {
        const char* name;
        const char* fen;
        int mateIn;
    };
    const Case cases[] = {
        {"BackRank", "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", 1},
        {"Smothered", "6rk/6pp/8/6N1/8/8/8/6K1 w - - 0 1", 1},
        {"RookLadder", "7k/8/8/8/8/8/R7/1R4K1 w - - 0 1", 2},
        {"QuietRookSacrifice", "kbK5/pp6/1P6/8/8/8/8/R7 w - - 0 1", 2},
        {"RookAndKingFarther", "8/8/8/8/4K3/8/R7/6k1 w - - 0 1", 3},
        {"OnTheHundredthHalfMove", "k7/8/1K6/8/8/8/8/7R w - - 99 80", 1},
    };
    Searcher searcher(16);
    for (const Case& c : cases) {
        Board b = *Board::FromFen(c.fen);
        searcher.NewGame();
        const Result r = Think(searcher, b, Nodes(300000));
        ASSERT_EQ(r.doneCalls, 1) << c.name;
        EXPECT_TRUE(r.last.isMate) << c.name;
        EXPECT_EQ(r.last.mateInMoves, c.mateIn) << c.name;
        ASSERT_TRUE(IsLegalMove(b, r.best)) << c.name;
        b.MakeMove(r.best);
        MoveList replies;
        GenerateLegal(b, replies);
        EXPECT_TRUE(!replies.Empty() || b.InCheck()) << c.name << ": " << MoveToUci(r.best) << " stalemates";
        for (const Move reply : replies) {
            b.MakeMove(reply);
            EXPECT_TRUE(ForcesMate(b, c.mateIn - 1)) << c.name << ": " << MoveToUci(r.best) << " lets " << MoveToUci(reply) << " escape";
            b.UnmakeMove();
        }
    }
}

TEST(Search, SeesMateFromTheLosingSide) {
    Searcher searcher(16);
    // Black to move is in zugzwang: every move allows mate at once.
    const Result r = Think(searcher, *Board::FromFen("kbK5/pp6/RP6/8/8/8/8/8 b - - 0 1"), Nodes(100000));
    EXPECT_TRUE(r.last.isMate);
    EXPECT_EQ(r.last.mateInMoves, -1);
}

// A winning side does not walk into a position the game has already seen: it would be a draw.
TEST(Search, AvoidsRepeatingGameHistory) {
    Searcher searcher(16);
    const Board root = *Board::FromFen("8/8/8/2k5/8/8/8/3QK3 w - - 30 60");
    const Move usual = Think(searcher, root, Nodes(50000)).best;
    ASSERT_TRUE(usual);
    Board after = root;
    after.MakeMove(usual);
    // The position after `usual` stood four half-moves before it would stand again.
    const std::vector<uint64_t> history = {1, after.Hash(), 2, 3};
    searcher.NewGame();
    const Result r = Think(searcher, root, Nodes(50000), history);
    EXPECT_NE(r.best, usual);
    EXPECT_GT(r.last.scoreCp, 300);
}

// Whatever the skill and budget, the answer is a legal move, and the ponder move a legal reply.
TEST(Search, AlwaysAnswersLegalMoves) {
    std::mt19937 rng(5);
    Searcher searcher(8);
    for (int game = 0; game < 4; ++game) {
        Board b = Board::StartPosition();
        for (int ply = 0; ply < 50; ++ply) {
            MoveList moves;
            GenerateLegal(b, moves);
            if (moves.Empty() || b.HalfmoveClock() >= 100) break;
            SearchLimits limits = Nodes(ply % 7 == 0 ? 3000 : 300);
            limits.skill = int(1 + rng() % 100);
            limits.varietyAtStart = ply < 4;
            const Result r = Think(searcher, b, limits);
            ASSERT_EQ(r.doneCalls, 1);
            ASSERT_TRUE(IsLegalMove(b, r.best)) << b.Fen();
            Board next = b;
            next.MakeMove(r.best);
            if (r.ponder) {
                ASSERT_TRUE(IsLegalMove(next, r.ponder)) << next.Fen();
            }
            b.MakeMove(rng() % 3 ? r.best : moves[int(rng() % unsigned(moves.Size()))]);
        }
    }
}

// No legal move gives none; the one legal move is played at once.
TEST(Search, NoOrOneLegalMoveNeedsNoSearch) {
    Searcher searcher(8);
    const Result mated = Think(searcher, *Board::FromFen("k7/1Q6/1K6/8/8/8/8/8 b - - 0 1"), Nodes(1000));
    EXPECT_EQ(mated.doneCalls, 1);
    EXPECT_FALSE(mated.best);
    EXPECT_FALSE(Think(searcher, *Board::FromFen("k7/8/1Q6/8/8/8/8/7K b - - 0 1"), Nodes(1000)).best);
    // The only move is Kxh2 ... the search ends after its first iteration, long before a minute.
    const Result r = Think(searcher, *Board::FromFen("7k/8/8/8/8/8/6qP/7K w - - 0 1"), {.moveTimeMs = 60000});
    EXPECT_EQ(MoveToUci(r.best), "h1g2");
    EXPECT_LE(r.last.depth, 2);
}

// An infinite search runs until stopped; searches started and stopped in quick succession each answer once.
TEST(Search, RestartsCleanly) {
    Searcher searcher(8, 2);
    std::atomic<int> done{0};
    const SearchLimits limits{.infinite = true};
    const Board b = *Board::FromFen("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
    for (int i = 0; i < 30; ++i) {
        searcher.Start(b, {}, limits, nullptr, [&](Move m, Move) {
            EXPECT_TRUE(IsLegalMove(b, m));
            ++done;
        });
        if (i % 3 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        EXPECT_TRUE(searcher.Running());
        searcher.Stop();
    }
    searcher.Wait();
    EXPECT_FALSE(searcher.Running());
    EXPECT_EQ(done.load(), 30);
}

// A pondering search that has finished its work waits for the ponder hit before it answers.
TEST(Search, PonderWaitsForPonderHit) {
    Searcher searcher(8);
    const SearchLimits limits{.depth = 2, .ponder = true};
    std::atomic<int> done{0};
    searcher.Start(Board::StartPosition(), {}, limits, nullptr, [&](Move, Move) { ++done; });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(done.load(), 0);
    searcher.PonderHit();
    searcher.Wait();
    EXPECT_EQ(done.load(), 1);
}

TEST(Search, BenchIsDeterministic) {
    Searcher searcher(8, 2);
    std::ostringstream first, second;
    const uint64_t a = searcher.Bench(5, first);
    const uint64_t b = searcher.Bench(5, second);
    EXPECT_EQ(a, b);
    EXPECT_GT(a, 0u);
}
