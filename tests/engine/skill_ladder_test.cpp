// Whole games between neighbouring weak levels: the stronger side must come out ahead over the ladder.
// Budgeted searches run on one thread with a fixed choice seed, so every game replays exactly.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/game_end.h"
#include "engine/game_line.h"
#include "engine/san.h"
#include "engine/search.h"

using namespace varnix::engine;

namespace {

constexpr int kMostPlies = 160;

int Material(const Board& b, Color c) {
    return 100 * PopCount(b.Pieces(c, Pawn)) + 320 * PopCount(b.Pieces(c, Knight, Bishop)) +
           500 * PopCount(b.Pieces(c, Rook)) + 900 * PopCount(b.Pieces(c, Queen));
}

// White's score: mate or draw by the rules, else at the ply cap the side ahead by a minor piece wins.
double PlayGame(Searcher& white, Searcher& black, int whiteSkill, int blackSkill, const char* opening, uint64_t seed) {
    GameLine line;
    std::istringstream moves(opening);
    for (std::string san; moves >> san;) line.Play(*ReadMove(line.Current(), san));
    white.NewGame();
    black.NewGame();
    for (int ply = 0; ply < kMostPlies; ++ply) {
        const Board& board = line.Current();
        switch (ResultWithoutMoves(board)) {
            case NoMoveResult::WhiteMates: return 1.0;
            case NoMoveResult::BlackMates: return 0.0;
            case NoMoveResult::Stalemate: return 0.5;
            case NoMoveResult::None: break;
        }
        if (ClaimableDraw(board, line.Earlier()) != DrawClaim::None) return 0.5;
        const bool whiteMoves = board.SideToMove() == White;
        const SearchLimits limits{.skill = whiteMoves ? whiteSkill : blackSkill, .seed = seed + uint64_t(ply)};
        Searcher& mover = whiteMoves ? white : black;
        Move best;
        mover.Start(board, line.Earlier(), limits, nullptr, [&](Move m, Move) { best = m; });
        mover.Wait();
        line.Play(best);
    }
    const int lead = Material(line.Current(), White) - Material(line.Current(), Black);
    return lead >= 300 ? 1.0 : lead <= -300 ? 0.0 : 0.5;
}

}  // namespace

TEST(SkillLadder, StrongerNeighbourScoresMore) {
    struct Pair {
        int strong, weak;
    };
    const Pair pairs[] = {{15, 5}, {30, 15}};
    const char* openings[] = {"e4 e5 Nf3 Nc6", "d4 d5 c4 e6", "e4 c5 Nf3 d6",
                              "d4 Nf6 c4 g6", "e4 e6 d4 d5", "c4 e5 Nc3 Nf6"};
    Searcher a(4, 1), b(4, 1);
    double strongScore = 0;
    int games = 0;
    uint64_t seed = 1;
    for (const Pair& p : pairs) {
        double pairScore = 0;
        for (const char* opening : openings) {
            pairScore += PlayGame(a, b, p.strong, p.weak, opening, seed += 1000);
            pairScore += 1.0 - PlayGame(a, b, p.weak, p.strong, opening, seed += 1000);
            games += 2;
        }
        RecordProperty("skill" + std::to_string(p.strong) + "_vs_" + std::to_string(p.weak), std::to_string(pairScore));
        strongScore += pairScore;
    }
    // Self-play gaps at these steps measure about 200 Elo and more (75% and up); ask only for a clear majority.
    EXPECT_GE(strongScore, 0.6 * games) << strongScore << " of " << games;
}
