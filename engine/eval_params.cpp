#include "engine/eval_params.h"

namespace varnix::engine {
namespace {

constexpr EvalParams MakeDefaults() {
    EvalParams p{};
    p.pieceValue = {Score{0, 0}, Score{90, 120}, Score{330, 310}, Score{345, 330}, Score{480, 540}, Score{990, 1000}, Score{0, 0}};

    p.fileBonus[Pawn] = {Score{-4, 0}, Score{0, 0}, Score{2, 0}, Score{6, 0}, Score{6, 0}, Score{2, 0}, Score{0, 0}, Score{-4, 0}};
    p.rankBonus[Pawn] = {Score{0, 0}, Score{0, 0}, Score{0, 4}, Score{4, 8}, Score{8, 14}, Score{10, 22}, Score{14, 32}, Score{0, 0}};
    p.centreBonus[Pawn] = {Score{12, 0}, Score{4, 0}, Score{0, 0}, Score{0, 0}};

    p.rankBonus[Knight] = {Score{-10, 0}, Score{0, 0}, Score{0, 0}, Score{4, 0}, Score{6, 0}, Score{6, 0}, Score{0, 0}, Score{-8, 0}};
    p.centreBonus[Knight] = {Score{22, 16}, Score{12, 10}, Score{0, 0}, Score{-22, -18}};

    p.rankBonus[Bishop] = {Score{-8, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}};
    p.centreBonus[Bishop] = {Score{12, 8}, Score{10, 6}, Score{2, 0}, Score{-8, -8}};

    p.fileBonus[Rook] = {Score{-2, 0}, Score{0, 0}, Score{4, 0}, Score{8, 0}, Score{8, 0}, Score{4, 0}, Score{0, 0}, Score{-2, 0}};
    p.rankBonus[Rook] = {Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{0, 0}, Score{18, 14}, Score{0, 0}};

    p.centreBonus[Queen] = {Score{6, 12}, Score{4, 8}, Score{0, 0}, Score{-4, -12}};

    p.fileBonus[King] = {Score{18, 0}, Score{26, 0}, Score{8, 0}, Score{-6, 0}, Score{-6, 0}, Score{8, 0}, Score{26, 0}, Score{18, 0}};
    p.rankBonus[King] = {Score{0, 0}, Score{-14, 0}, Score{-30, 0}, Score{-42, 0}, Score{-54, 0}, Score{-66, 0}, Score{-78, 0}, Score{-90, 0}};
    p.centreBonus[King] = {Score{0, 30}, Score{0, 18}, Score{0, 0}, Score{0, -28}};

    p.knightMobility = {Score{-28, -30}, Score{-16, -18}, Score{-6, -8}, Score{0, 0}, Score{5, 6},
                        Score{10, 10},   Score{14, 13},   Score{17, 15}, Score{19, 16}};
    p.bishopMobility = {Score{-30, -36}, Score{-18, -22}, Score{-8, -10}, Score{0, -2}, Score{6, 4},
                        Score{11, 10},   Score{16, 15},   Score{20, 19},  Score{24, 23}, Score{27, 26},
                        Score{29, 28},   Score{31, 30},   Score{32, 31},  Score{33, 32}};
    p.rookMobility = {Score{-20, -40}, Score{-12, -25}, Score{-6, -12}, Score{-2, -4}, Score{0, 2},
                      Score{2, 8},     Score{4, 14},    Score{6, 19},   Score{8, 24},  Score{10, 28},
                      Score{11, 31},   Score{12, 34},   Score{13, 36},  Score{14, 38}, Score{15, 40}};
    for (int n = 0; n < 28; ++n) {
        const int grown = n < 14 ? n : 14 + (n - 14) / 2;
        p.queenMobility[n] = Score{-12 + grown, -24 + 2 * grown};
    }

    p.doubled = {-12, -24};
    p.isolated = {-12, -14};
    p.backward = {-6, -8};
    p.passed = {Score{0, 0}, Score{4, 10}, Score{6, 14}, Score{12, 24}, Score{26, 44}, Score{46, 80}, Score{76, 130}, Score{0, 0}};
    p.connected = {Score{0, 0}, Score{3, 2}, Score{5, 4}, Score{8, 6}, Score{14, 12}, Score{24, 22}, Score{40, 40}, Score{0, 0}};
    p.passedEnemyKingDistance = {0, 5};
    p.passedOwnKingDistance = {0, -2};
    p.passedBlocked = {0, -6};

    p.bishopPair = {28, 52};
    p.rookOpenFile = {26, 10};
    p.rookHalfOpenFile = {12, 6};
    p.pawnThreat = {44, 34};
    p.minorThreat = {28, 20};
    p.hanging = {14, 14};
    p.tempo = {14, 6};

    p.shelter = {Score{0, 0}, Score{-8, 0}, Score{-20, 0}, Score{-30, 0}};
    p.storm = {Score{-4, 0}, Score{-20, 0}, Score{-10, 0}, Score{0, 0}};
    p.kingAttackUnits = {0, 0, 2, 2, 3, 5, 0};
    p.kingDangerDivisor = 3;
    p.kingDangerCap = 600;
    return p;
}

constexpr EvalParams kDefaults = MakeDefaults();

}  // namespace

const EvalParams& DefaultEvalParams() { return kDefaults; }

}  // namespace varnix::engine
