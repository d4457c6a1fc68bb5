#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/api/varnix_engine.h"
#include "engine/bitboard.h"
#include "engine/board.h"
#include "engine/move_picker.h"
#include "engine/movegen.h"
#include "engine/perft.h"
#include "engine/record_bridge.h"
#include "engine/see.h"
#include "engine/uci_move.h"

using namespace varnix::engine;

namespace {

// The rules of legal moves are pinned by perft (castling through or out of check, en passant
// exposing the king, pins, double checks); these check the generator's other entry points against it.
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

}  // namespace

// The staged picker gives every legal move once, whatever hash move and killers it is handed (legal or not,
// quiet or not): the hash move first, then winning captures, a legal quiet killer before the other quiet
// moves, and losing captures last. Outside check it draws on the noisy and quiet generators alone, so this
// also holds them to an exact split of the legal moves.
TEST(MovePicker, GivesEachLegalMoveOnceInStageOrder) {
    std::mt19937 random(7);
    const History history;
    for (const char* fen : kBusyFens) {
        const Board b = *Board::FromFen(fen);
        MoveList legal;
        GenerateLegal(b, legal);
        std::vector<Move> offered(legal.begin(), legal.end());
        offered.push_back(Move(A1, H8));  // illegal in every one of these positions
        offered.push_back(Move::none());
        auto any = [&] { return offered[random() % offered.size()]; };
        for (int round = 0; round < 30; ++round) {
            const Move tt = any(), killer = any();
            MovePicker picker(b, history, {b.SideToMove(), {nullptr, nullptr}}, tt, killer, any(), any());
            std::vector<Move> given;
            for (Move m = picker.Next(); m; m = picker.Next()) given.push_back(m);

            ASSERT_EQ(int(given.size()), legal.Size()) << fen;
            for (const Move m : legal) EXPECT_EQ(std::count(given.begin(), given.end(), m), 1) << fen << " " << MoveToUci(m);
            if (legal.Contains(tt)) {
                EXPECT_EQ(given.front(), tt) << fen;
            }
            if (b.InCheck()) continue;

            auto isQuiet = [&](Move m) { return !b.IsCapture(m) && m.KindOf() != Move::Promotion; };
            int lastWinning = -1, firstQuiet = int(given.size()), lastQuiet = -1, firstLosing = int(given.size());
            for (int i = given[0] == tt ? 1 : 0; i < int(given.size()); ++i) {
                const Move m = given[size_t(i)];
                if (isQuiet(m)) {
                    firstQuiet = std::min(firstQuiet, i);
                    lastQuiet = i;
                } else if (SeeAtLeast(b, m, 0)) {
                    lastWinning = i;
                } else {
                    firstLosing = std::min(firstLosing, i);
                }
            }
            EXPECT_LT(lastWinning, firstQuiet) << fen;
            EXPECT_LT(lastQuiet, firstLosing) << fen;
            if (killer != tt && legal.Contains(killer) && isQuiet(killer)) {
                EXPECT_EQ(given[size_t(firstQuiet)], killer) << fen;
            }
        }
    }
}

namespace {

// Every move from here and `plies - 1` moves on: GivesCheck agrees with making the move and looking.
void ExpectGivesCheckMatches(Board& b, int plies, const char* fen) {
    MoveList list;
    GenerateLegal(b, list);
    for (const Move m : list) {
        const bool predicted = b.GivesCheck(m);
        b.MakeMove(m);
        EXPECT_EQ(predicted, b.InCheck()) << fen << " then " << MoveToUci(m) << " after " << b.MovesMade() << " plies";
        if (plies > 1) ExpectGivesCheckMatches(b, plies - 1, fen);
        b.UnmakeMove();
    }
}

}  // namespace

// Three plies from each busy position reach many discovered and double checks as well as the direct ones.
TEST(MoveGen, GivesCheckMatchesMadeMove) {
    for (const char* fen : kBusyFens) {
        Board b = *Board::FromFen(fen);
        ExpectGivesCheckMatches(b, 3, fen);
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

// The magic lookups must agree with a plain walk along the rays for any occupancy.
TEST(Bitboard, SliderLookupsMatchRayWalks) {
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        const Square s = Square(rng() % 64);
        const Bitboard occ = rng() & rng();
        EXPECT_EQ(RookAttacks(s, occ), detail::RayAttacks(s, occ, detail::kRookDirs)) << int(s);
        EXPECT_EQ(BishopAttacks(s, occ), detail::RayAttacks(s, occ, detail::kBishopDirs)) << int(s);
    }
}

// Every field is written back as read, except castling rights without their pieces at home and
// en-passant squares no pawn can use, which are not kept.
TEST(Fen, RoundTripsAndDropsWhatCannotBeUsed) {
    const std::pair<const char*, const char*> cases[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", nullptr},
        {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", nullptr},
        {"8/8/8/8/k2Pp2Q/8/8/3K4 b - d3 0 1", nullptr},
        {"4k3/8/8/8/8/8/8/4K2R w K - 49 120", nullptr},
        {"r3k3/8/8/8/8/8/8/4K3 b q - 0 1", nullptr},
        {"4k3/8/8/8/8/8/8/4K3 w KQkq e6 0 1", "4k3/8/8/8/8/8/8/4K3 w - - 0 1"},
        {"r3k3/8/8/8/8/8/8/R3K3 w KQkq - 0 1", "r3k3/8/8/8/8/8/8/R3K3 w Qq - 0 1"},
        {"4k3/8/8/8/8/8/8/4K3 w", "4k3/8/8/8/8/8/8/4K3 w - - 0 1"},
    };
    for (const auto& [fen, written] : cases) {
        const auto board = Board::FromFen(fen);
        ASSERT_TRUE(board) << fen;
        EXPECT_EQ(board->Fen(), written ? written : fen);
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

namespace {

struct PerftCase {
    std::string name, fen;
    std::vector<std::pair<int, uint64_t>> counts;  // depth, nodes
};

std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::vector<PerftCase> LoadCases() {
    std::ifstream in(VARNIX_TEST_DATA "/perft.txt");
    std::vector<PerftCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::stringstream fields(line);
        PerftCase c;
        std::string counts;
        std::getline(fields, c.name, ';');
        std::getline(fields, c.fen, ';');
        std::getline(fields, counts);
        c.fen = Trim(c.fen);
        std::stringstream pairs(counts);
        for (std::string pair; pairs >> pair;) {
            const size_t colon = pair.find(':');
            c.counts.emplace_back(std::stoi(pair.substr(0, colon)), std::stoull(pair.substr(colon + 1)));
        }
        cases.push_back(c);
    }
    return cases;
}

// Runs every position to each depth whose node count stays under the cap.
template <typename Count>
void CheckAll(uint64_t nodeCap, Count count) {
    const auto cases = LoadCases();
    ASSERT_GE(cases.size(), 6u);
    for (const PerftCase& c : cases) {
        const auto board = Board::FromFen(c.fen);
        ASSERT_TRUE(board) << c.name;
        for (const auto& [depth, nodes] : c.counts) {
            if (nodes > nodeCap) break;
            EXPECT_EQ(count(*board, depth), nodes) << c.name << " depth " << depth;
        }
    }
}

}  // namespace

TEST(Perft, InternalGenerator) {
    CheckAll(5'000'000, [](Board b, int depth) {
        const uint64_t hash = b.Hash();
        const uint64_t nodes = Perft(b, depth);
        EXPECT_EQ(b.Hash(), hash);
        return nodes;
    });
}

// The program's own view: the exported list call, the exported make call, then BlackToMove inverted.
TEST(Perft, ThroughExportedCalls) {
    CheckAll(250'000, [](const Board& b, int depth) {
        return RecordPerft(RecordFromBoard(b), depth, {varnix_GetMove, varnix_MakeMove});
    });
}
