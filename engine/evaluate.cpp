#include "engine/evaluate.h"

#include <algorithm>
#include <cstdlib>

#include "engine/eval_tables.h"

namespace varnix::engine {
namespace {

using namespace eval;

constexpr Bitboard kDarkSquares = 0xAA55AA55AA55AA55ULL;

int Distance(Square a, Square b) {
    return std::max(std::abs(FileOf(a) - FileOf(b)), std::abs(RankOf(a) - RankOf(b)));
}

Score MaterialAndSquares(const Board& b, Color c) {
    Score s;
    for (int t = Pawn; t <= King; ++t) {
        for (Bitboard pieces = b.Pieces(c, PieceType(t)); pieces;) {
            const Square sq = RelativeSquare(c, PopLsb(pieces));
            s += kPieceValue[t] + kSquareTable[t][sq];
        }
    }
    return s;
}

// The king's zone: its square, the squares around it, and one more rank towards the enemy.
Bitboard KingZone(Color c, Square k) {
    const Bitboard around = KingAttacks(k) | SquareBB(k);
    return around | (c == White ? Shift<8>(around) : Shift<-8>(around));
}

// Mobility, piece placement, threats and the attack on the enemy king, for colour Us.
template <Color Us>
Score Pieces(const Board& b, const PawnInfo& pawns) {
    constexpr Color Them = ~Us;
    const Bitboard occ = b.Occupied();
    const Bitboard ownPawns = b.Pieces(Us, Pawn), enemyPawns = b.Pieces(Them, Pawn);
    const Bitboard safe = ~pawns.attacks[Them] & ~b.Pieces(Us);
    const Square enemyKing = b.KingSquare(Them);
    const Bitboard zone = enemyKing == NoSquare ? 0 : KingZone(Them, enemyKing);
    Score s;
    int attackUnits = 0, attackers = 0;

    for (int t = Knight; t <= Queen; ++t) {
        for (Bitboard pieces = b.Pieces(Us, PieceType(t)); pieces;) {
            const Square sq = PopLsb(pieces);
            // Sliders see through their own queen and, for rooks, their own rooks.
            Bitboard through = occ;
            if (t == Bishop) through ^= b.Pieces(Us, Queen);
            if (t == Rook) through ^= b.Pieces(Us, Rook, Queen);
            const Bitboard attacks = PieceAttacks(PieceType(t), sq, through);
            s += kMobilityPerSquare[t] * (PopCount(attacks & safe) - kTypicalMobility[t]);
            if (const Bitboard hits = attacks & zone) {
                attackUnits += kKingAttackUnits[t] * PopCount(hits);
                ++attackers;
            }
            if (t == Rook) {
                const Bitboard file = FileBB(FileOf(sq));
                if (!(file & (ownPawns | enemyPawns)))
                    s += kRookOpenFile;
                else if (!(file & ownPawns))
                    s += kRookHalfOpenFile;
            }
        }
    }
    if (PopCount(b.Pieces(Us, Bishop)) >= 2) s += kBishopPair;
    s += kPawnThreat * PopCount(pawns.attacks[Us] & (b.Pieces(Them) & ~enemyPawns & ~b.Pieces(Them, King)));

    // Attacks grow dangerous together: quadratic in the units, only with two attackers or a queen.
    if (attackers >= 2 || (attackers == 1 && b.Pieces(Us, Queen))) {
        const int danger = std::min(attackUnits * attackUnits / 3, 600);
        s += Score{danger, danger / 8};
    }
    return s;
}

// Pawn shelter and open files around a king, middlegame only.
template <Color Us>
Score KingShelter(const Board& b) {
    const Square k = b.KingSquare(Us);
    if (k == NoSquare) return {};
    const Bitboard ownPawns = b.Pieces(Us, Pawn);
    const int centreFile = std::clamp(FileOf(k), 1, 6);
    int mg = 0;
    for (int f = centreFile - 1; f <= centreFile + 1; ++f) {
        const Bitboard file = FileBB(f) & ownPawns;
        // A shield pawn counts when it stands one or two ranks in front of the king.
        const Bitboard nearRanks = Us == White ? RankBB(std::min(RankOf(k) + 1, 7)) | RankBB(std::min(RankOf(k) + 2, 7))
                                               : RankBB(std::max(RankOf(k) - 1, 0)) | RankBB(std::max(RankOf(k) - 2, 0));
        if (!(file & nearRanks)) mg += kShelterMissing;
        if (!file) mg += kKingOpenFile;
    }
    return {mg, 0};
}

// Passed pawns gain in the endgame when their own king is near and the enemy king far; blocked ones less.
template <Color Us>
Score PassedPawnsNearKings(const Board& b, const PawnInfo& pawns) {
    constexpr Color Them = ~Us;
    const Square ownKing = b.KingSquare(Us), enemyKing = b.KingSquare(Them);
    if (ownKing == NoSquare || enemyKing == NoSquare) return {};
    Score s;
    for (Bitboard passed = pawns.passed[Us]; passed;) {
        const Square sq = PopLsb(passed);
        const int rank = RelativeRank(Us, RankOf(sq));
        if (rank < 3) continue;
        const Square stop = sq + PawnPush(Us);
        const int weight = rank - 2;
        int eg = weight * (5 * Distance(stop, enemyKing) - 2 * Distance(stop, ownKing));
        if (b.Occupied() & SquareBB(stop)) eg -= weight * 6;
        // No enemy pieces left and the king is outside the pawn's square: it queens.
        const Square queening = RelativeSquare(Us, MakeSquare(FileOf(sq), 7));
        const int tempo = b.SideToMove() == Them ? 1 : 0;
        if (!NonPawnMaterial(b, Them) && 7 - rank < Distance(enemyKing, queening) - tempo) eg += 400;
        s += Score{0, eg};
    }
    return s;
}

// Drives a lone king to the edge and brings the other king near, so simple mates are found quickly.
int MopUp(const Board& b, Color strong) {
    const Square weakKing = b.KingSquare(~strong), strongKing = b.KingSquare(strong);
    if (weakKing == NoSquare || strongKing == NoSquare) return 0;
    const int edge = std::max(std::abs(2 * FileOf(weakKing) - 7), std::abs(2 * RankOf(weakKing) - 7));
    return 10 * edge + 6 * (7 - Distance(weakKing, strongKing));
}

// Endgames that are hard or impossible to win despite a material edge scale towards a draw (out of 64).
int DrawScale(const Board& b, Color strong) {
    const Color weak = ~strong;
    const int strongPieces = NonPawnMaterial(b, strong), weakPieces = NonPawnMaterial(b, weak);
    if (!b.Pieces(strong, Pawn)) {
        // A minor piece up (or less) without pawns rarely wins.
        if (strongPieces - weakPieces <= kPieceValue[Bishop].eg) return strongPieces >= kPieceValue[Rook].eg ? 16 : 4;
    }
    const Bitboard bishops = b.Pieces(Bishop);
    if (strongPieces == kPieceValue[Bishop].eg && weakPieces == kPieceValue[Bishop].eg && PopCount(bishops) == 2 &&
        (bishops & kDarkSquares) && (bishops & ~kDarkSquares))
        return 32;
    return 64;
}

}  // namespace

int NonPawnMaterial(const Board& b, Color c) {
    int v = 0;
    for (int t = Knight; t <= Queen; ++t) v += PopCount(b.Pieces(c, PieceType(t))) * kPieceValue[t].eg;
    return v;
}

int Evaluator::Evaluate(const Board& b) {
    if (b.IsInsufficientMaterial()) return kDraw;
    const PawnInfo& pawns = pawns_.Probe(b);

    Score s = MaterialAndSquares(b, White) - MaterialAndSquares(b, Black);
    s += pawns.score;
    s += Pieces<White>(b, pawns) - Pieces<Black>(b, pawns);
    s += KingShelter<White>(b) - KingShelter<Black>(b);
    s += PassedPawnsNearKings<White>(b, pawns) - PassedPawnsNearKings<Black>(b, pawns);
    s += b.SideToMove() == White ? kTempo : -kTempo;

    int phase = 0;
    for (int t = Knight; t <= Queen; ++t) phase += kPhaseWeight[t] * PopCount(b.Pieces(PieceType(t)));
    phase = std::min(phase, kFullPhase);

    const Color strong = s.eg >= 0 ? White : Black;
    int eg = s.eg;
    if (b.Pieces(~strong) == b.Pieces(~strong, King)) {
        if (NonPawnMaterial(b, strong) >= kPieceValue[Rook].eg) eg += (strong == White ? 1 : -1) * MopUp(b, strong);
    }
    eg = eg * DrawScale(b, strong) / 64;

    const int white = (s.mg * phase + eg * (kFullPhase - phase)) / kFullPhase;
    return b.SideToMove() == White ? white : -white;
}

}  // namespace varnix::engine
