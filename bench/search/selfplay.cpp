#include "selfplay.h"

#include <random>
#include <sstream>

#include "engine/movegen.h"
#include "engine/uci_move.h"

namespace varnix::bench {

using namespace engine;

const std::vector<std::string>& OpeningLines() {
    static const std::vector<std::string> lines = {
        "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6",         "e2e4 c7c5 g1f3 d7d6 d2d4 c5d4 f3d4 g8f6 b1c3",
        "d2d4 d7d5 c2c4 e7e6 b1c3 g8f6",         "d2d4 g8f6 c2c4 g7g6 b1c3 f8g7 e2e4 d7d6",
        "e2e4 e7e6 d2d4 d7d5",                   "e2e4 c7c6 d2d4 d7d5",
        "c2c4 e7e5 b1c3 g8f6",                   "g1f3 d7d5 g2g3 g8f6 f1g2",
        "e2e4 e7e5 g1f3 b8c6 f1c4 f8c5",         "d2d4 g8f6 c2c4 e7e6 g1f3 b7b6",
        "e2e4 d7d6 d2d4 g8f6 b1c3 g7g6",         "e2e4 c7c5 b1c3 b8c6 g2g3",
        "d2d4 d7d5 c2c4 c7c6 g1f3 g8f6",         "e2e4 e7e5 g1f3 g8f6",
        "d2d4 f7f5 g2g3 g8f6 f1g2",              "e2e4 g7g6 d2d4 f8g7",
        "c2c4 c7c5 g1f3 g8f6",                   "e2e4 e7e5 f2f4",
        "d2d4 g8f6 c2c4 c7c5 d4d5 e7e6",         "e2e4 c7c5 g1f3 e7e6 d2d4 c5d4 f3d4",
        "e2e4 d7d5 e4d5 d8d5 b1c3 d5a5",         "d2d4 d7d5 c1f4",
        "e2e4 e7e5 d2d4 e5d4 d1d4",              "b2b3 e7e5 c1b2",
        "e2e4 b8c6 d2d4 d7d5",                   "d2d4 e7e6 c2c4 f8b4 c1d2",
        "e2e4 c7c5 c2c3 g8f6 e4e5 f6d5",         "g1f3 g8f6 c2c4 b7b6 g2g3",
        "e2e4 e7e5 g1f3 d7d6 d2d4 g8f6",         "d2d4 g8f6 g1f3 g7g6 c1g5",
        "e2e4 c7c5 g1f3 b8c6 d2d4 c5d4 f3d4 e7e5", "c2c4 g8f6 b1c3 e7e6 e2e4",
    };
    return lines;
}

namespace {

// Counts earlier occurrences of the current position since the last irreversible move.
int Repetitions(const std::vector<uint64_t>& keys, int halfmoveClock) {
    int count = 0;
    const size_t last = keys.size() - 1;
    for (size_t back = 2; back <= size_t(halfmoveClock) && back <= last; back += 2) count += keys[last - back] == keys[last];
    return count;
}

constexpr int kMaxPlies = 400;

}  // namespace

GameResult PlayGame(Player& white, Player& black, const std::string& opening, int randomPlies, uint64_t seed) {
    GameResult result;
    Board board = Board::StartPosition();
    std::vector<uint64_t> keys{board.Hash()};
    std::istringstream moves(opening);
    for (std::string text; moves >> text;) {
        board.MakeMove(MoveFromUci(board, text));
        keys.push_back(board.Hash());
    }
    std::mt19937_64 rng(seed);
    for (int i = 0; i < randomPlies; ++i) {
        MoveList legal;
        GenerateLegal(board, legal);
        if (legal.Empty()) break;
        board.MakeMove(legal[int(rng() % unsigned(legal.Size()))]);
        keys.push_back(board.Hash());
    }
    white.searcher->NewGame();
    black.searcher->NewGame();
    for (int ply = 0; ply < kMaxPlies; ++ply) {
        MoveList legal;
        GenerateLegal(board, legal);
        if (legal.Empty()) {
            result.whiteScore = !board.InCheck() ? 0.5 : board.SideToMove() == White ? 0.0 : 1.0;
            result.reason = board.InCheck() ? "mate" : "stalemate";
            return result;
        }
        if (board.HalfmoveClock() >= 100 || board.IsInsufficientMaterial() || Repetitions(keys, board.HalfmoveClock()) >= 2) {
            result.reason = "draw";
            return result;
        }
        Player& mover = board.SideToMove() == White ? white : black;
        Move best;
        SearchInfo last{};
        std::vector<uint64_t> history(keys.begin(), keys.end() - 1);
        mover.searcher->Start(board, history, mover.limits, [&](const SearchInfo& info) { last = info; },
                              [&](Move m, Move) { best = m; });
        mover.searcher->Wait();
        if (!board.InCheck() && !board.IsCapture(best) && best.KindOf() != Move::Promotion && !last.isMate)
            result.quiet.push_back({board.Fen(), board.SideToMove() == White ? last.scoreCp : -last.scoreCp});
        board.MakeMove(best);
        keys.push_back(board.Hash());
    }
    result.reason = "move cap";
    return result;
}

}  // namespace varnix::bench
