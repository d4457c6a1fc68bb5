#include "engine/eval_params.h"

namespace varnix::engine {
namespace {

// Square and mobility tables are shaped by hand; the single terms were fitted by varnix-tune (bench/search) to
// the results of self-play games, and kept after fixed-node self-play showed them stronger.
constexpr EvalParams MakeDefaults() {
    EvalParams p{};
    p.pieceValue = {Score{0, 0}, Score{46, 132}, Score{306, 426}, Score{335, 418}, Score{450, 764}, Score{796, 1558},
        Score{0, 0}};
    p.fileBonus[Pawn] = {Score{-4, 0}, Score{0, 0}, Score{2, 0}, Score{6, 0}, Score{6, 0}, Score{2, 0}, Score{0, 0},
        Score{-4, 0}};
    p.rankBonus[Pawn] = {Score{0, 0}, Score{0, 0}, Score{0, 4}, Score{4, 8}, Score{8, 14}, Score{10, 22},
        Score{14, 32}, Score{0, 0}};
    p.centreBonus[Pawn] = {Score{12, 0}, Score{4, 0}, Score{0, 0}, Score{0, 0}};
    p.fileBonus[Knight] = {Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0},
        Score{0, 0}};
    p.rankBonus[Knight] = {Score{-10, 0}, Score{0, 0}, Score{0, 0}, Score{4, 0}, Score{6, 0}, Score{6, 0},
        Score{0, 0}, Score{-8, 0}};
    p.centreBonus[Knight] = {Score{22, 16}, Score{12, 10}, Score{0, 0}, Score{-22, -18}};
    p.fileBonus[Bishop] = {Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0},
        Score{0, 0}};
    p.rankBonus[Bishop] = {Score{-8, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0},
        Score{0, 0}, Score{0, 0}};
    p.centreBonus[Bishop] = {Score{12, 8}, Score{10, 6}, Score{2, 0}, Score{-8, -8}};
    p.fileBonus[Rook] = {Score{-2, 0}, Score{0, 0}, Score{4, 0}, Score{8, 0}, Score{8, 0}, Score{4, 0}, Score{0, 0},
        Score{-2, 0}};
    p.rankBonus[Rook] = {Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{18, 14},
        Score{0, 0}};
    p.centreBonus[Rook] = {Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}};
    p.fileBonus[Queen] = {Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0},
        Score{0, 0}};
    p.rankBonus[Queen] = {Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0},
        Score{0, 0}};
    p.centreBonus[Queen] = {Score{6, 12}, Score{4, 8}, Score{0, 0}, Score{-4, -12}};
    p.fileBonus[King] = {Score{18, 0}, Score{26, 0}, Score{8, 0}, Score{-6, 0}, Score{-6, 0}, Score{8, 0},
        Score{26, 0}, Score{18, 0}};
    p.rankBonus[King] = {Score{0, 0}, Score{-14, 0}, Score{-30, 0}, Score{-42, 0}, Score{-54, 0}, Score{-66, 0},
        Score{-78, 0}, Score{-90, 0}};
    p.centreBonus[King] = {Score{0, 30}, Score{0, 18}, Score{0, 0}, Score{0, -28}};
    p.knightMobility = {Score{-28, -30}, Score{-16, -18}, Score{-6, -8}, Score{0, 0}, Score{5, 6}, Score{10, 10},
        Score{14, 13}, Score{17, 15}, Score{19, 16}};
    p.bishopMobility = {Score{-30, -36}, Score{-18, -22}, Score{-8, -10}, Score{0, -2}, Score{6, 4}, Score{11, 10},
        Score{16, 15}, Score{20, 19}, Score{24, 23}, Score{27, 26}, Score{29, 28}, Score{31, 30}, Score{32, 31},
        Score{33, 32}};
    p.rookMobility = {Score{-20, -40}, Score{-12, -25}, Score{-6, -12}, Score{-2, -4}, Score{0, 2}, Score{2, 8},
        Score{4, 14}, Score{6, 19}, Score{8, 24}, Score{10, 28}, Score{11, 31}, Score{12, 34}, Score{13, 36},
        Score{14, 38}, Score{15, 40}};
    p.queenMobility = {Score{-12, -24}, Score{-11, -22}, Score{-10, -20}, Score{-9, -18}, Score{-8, -16},
        Score{-7, -14}, Score{-6, -12}, Score{-5, -10}, Score{-4, -8}, Score{-3, -6}, Score{-2, -4}, Score{-1, -2},
        Score{0, 0}, Score{1, 2}, Score{2, 4}, Score{2, 4}, Score{3, 6}, Score{3, 6}, Score{4, 8}, Score{4, 8},
        Score{5, 10}, Score{5, 10}, Score{6, 12}, Score{6, 12}, Score{7, 14}, Score{7, 14}, Score{8, 16}, Score{8, 16}};
    p.doubled = Score{-8, -20};
    p.isolated = Score{-28, -4};
    p.backward = Score{-12, -18};
    p.passed = {Score{0, 0}, Score{42, -34}, Score{34, -4}, Score{-20, 30}, Score{50, 20}, Score{246, 38},
        Score{292, 42}, Score{0, 0}};
    p.connected = {Score{0, 0}, Score{7, 6}, Score{13, -4}, Score{8, 6}, Score{24, 8}, Score{-46, 100},
        Score{58, 90}, Score{0, 0}};
    p.passedEnemyKingDistance = Score{4, 11};
    p.passedOwnKingDistance = Score{-10, -2};
    p.passedBlocked = Score{18, -16};
    p.bishopPair = Score{24, 114};
    p.rookOpenFile = Score{66, -10};
    p.rookHalfOpenFile = Score{32, 12};
    p.pawnThreat = Score{56, 24};
    p.minorThreat = Score{68, 0};
    p.hanging = Score{26, 26};
    p.tempo = Score{22, 2};
    p.shelter = {Score{-4, 4}, Score{-10, -12}, Score{-12, 0}, Score{-34, 6}};
    p.storm = {Score{108, 26}, Score{-72, 28}, Score{-2, -2}, Score{4, 0}};
    p.kingAttackUnits = {0, 0, 2, 2, 1, 3, 0};
    p.safeCheck = {0, 0, 0, 0, 0, 0, 0};
    p.kingZoneWeak = 0;
    p.kingDangerDivisor = 3;
    p.kingDangerCap = 600;

    return p;
}

constexpr EvalParams kDefaults = MakeDefaults();

}  // namespace

const EvalParams& DefaultEvalParams() { return kDefaults; }

}  // namespace varnix::engine
