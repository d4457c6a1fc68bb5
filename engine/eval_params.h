// Every weight of the evaluation in one record, so that a tuner can change them and two sets can play each other.
#pragma once

#include <array>
#include <span>

#include "engine/score.h"
#include "engine/types.h"

namespace varnix::engine {

struct EvalParams {
    std::array<Score, kPieceTypeCount> pieceValue;

    // A piece's bonus on each square, laid out as a diagram from White's side (a8 first, h1 last); Black reads
    // the table with the ranks mirrored.
    std::array<std::array<Score, 64>, kPieceTypeCount> square;

    // Mobility by the number of safe squares a piece reaches.
    std::array<Score, 9> knightMobility;
    std::array<Score, 14> bishopMobility;
    std::array<Score, 15> rookMobility;
    std::array<Score, 28> queenMobility;

    // Pawns.
    Score doubled, isolated, backward;
    std::array<Score, 8> passed;     // by relative rank
    std::array<Score, 8> connected;  // by relative rank
    Score passedEnemyKingDistance;   // per step of the enemy king from the stop square, times (rank - 2)
    Score passedOwnKingDistance;     // per step of the own king from the stop square, times (rank - 2)
    Score passedBlocked;             // stop square occupied, times (rank - 2)
    Score passedSafeStop;            // stop square not attacked by the enemy, times (rank - 2)
    Score passedFreePath;            // every square to the queening square empty and not attacked, times (rank - 2)

    // Pieces.
    Score bishopPair, rookOpenFile, rookHalfOpenFile;
    Score minorBehindPawn;  // a knight or bishop with its own pawn just in front
    Score bishopPawns;      // per own pawn on the bishop's square colour
    Score kingProtector;    // per step between a knight or bishop and its own king
    Score rookTrapped;      // a rook with little room, shut in by its own uncastled king
    Score knightOutpost, bishopOutpost;  // in the enemy half, backed by a pawn, out of every enemy pawn's reach
    Score rookOnSeventh;  // on the seventh rank with enemy pawns there or the enemy king on the eighth
    Score pawnThreat;   // a pawn attacks a piece
    // A knight or bishop, a rook, or the king attacks an enemy piece, by the type attacked. The minors count
    // pieces that are weak (attacked and not strongly defended) or worth more than a pawn; the others weak ones.
    std::array<Score, kPieceTypeCount> minorThreat;
    std::array<Score, kPieceTypeCount> rookThreat;
    Score kingThreat;
    Score hanging;      // an enemy piece attacked and not defended
    Score pushThreat;   // a pawn can step to a safe square from which it attacks a piece
    Score pinned;       // per own knight, bishop, rook or queen pinned to its king
    Score tempo;

    // King safety: shelter and storm per file around the king, by the rank distance of the nearest pawn
    // (1, 2, 3 or more, none); attack units; danger = units^2 / divisor, at most the cap.
    std::array<Score, 4> shelter;
    std::array<Score, 4> storm;
    Score kingPawnDistance;  // per step from the king to its nearest own pawn
    Score pawnlessFlank;     // no pawns on the king's wing
    std::array<int, kPieceTypeCount> kingAttackUnits;
    std::array<int, kPieceTypeCount> safeCheck;  // units per square from which a piece type can check safely
    int kingZoneWeak;                             // units per square next to the king that only the king guards
    int kingDefender;  // units off per defending knight or bishop in the king's zone
    int kingNoQueen;   // units off when the attacker has no queen
    int kingDangerDivisor;
    int kingDangerCap;

    // All weights as one run of numbers, for the tuner.
    std::span<int> Numbers() { return {reinterpret_cast<int*>(this), sizeof(*this) / sizeof(int)}; }
    std::span<const int> Numbers() const { return {reinterpret_cast<const int*>(this), sizeof(*this) / sizeof(int)}; }
    // Where a weight of this record sits in Numbers() (its middlegame half; the endgame half follows).
    int IndexOf(const Score& weight) const { return int(&weight.mg - Numbers().data()); }
};

// The weights the engine plays with.
const EvalParams& DefaultEvalParams();

}  // namespace varnix::engine
