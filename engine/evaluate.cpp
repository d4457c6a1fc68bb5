#include "engine/evaluate.h"

#include <algorithm>
#include <cstdlib>

#include "engine/see.h"

namespace varnix::engine {
namespace {

constexpr Bitboard kDarkSquares = 0xAA55AA55AA55AA55ULL;
// Phase weight of each piece type; kFullPhase is the full middlegame.
constexpr std::array<int, kPieceTypeCount> kPhaseWeight = {0, 0, 1, 1, 2, 4, 0};

int Distance(Square a, Square b) {
    return std::max(std::abs(FileOf(a) - FileOf(b)), std::abs(RankOf(a) - RankOf(b)));
}

// What the piece loops learn about each side's attacks, for the threat terms.
struct AttackMaps {
    std::array<Bitboard, 2> all{};
    std::array<Bitboard, 2> twice{};  // squares attacked by two or more pieces
    std::array<Bitboard, 2> minors{};
    std::array<std::array<Bitboard, kPieceTypeCount>, 2> byType{};
    std::array<int, 2> kingUnits{};      // attack on the enemy king, gathered by the piece loop
    std::array<int, 2> kingAttackers{};
};

class Evaluation {
public:
    Evaluation(const Board& b, const EvalParams& p, const PawnInfo& pawns, EvalTrace* trace)
        : b_(b), p_(p), pawns_(pawns), trace_(trace) {}

    int Run();

private:
    Score MaterialAndSquares(Color c) const;
    template <Color Us>
    Score Pieces();
    template <Color Us>
    Score Threats() const;
    template <Color Us>
    Score KingDanger() const;
    template <Color Us>
    Score KingShelter() const;
    template <Color Us>
    Score PassedPawns() const;
    int MopUp(Color strong) const;
    int DrawScale(Color strong) const;
    Score Counted(const Score& w, int count, Color c) const { return engine::Counted(trace_, p_, w, count, c); }

    const Board& b_;
    const EvalParams& p_;
    const PawnInfo& pawns_;
    EvalTrace* trace_;
    AttackMaps maps_;
};

Score Evaluation::MaterialAndSquares(Color c) const {
    Score s;
    for (int t = Pawn; t <= King; ++t) {
        for (Bitboard pieces = b_.Pieces(c, PieceType(t)); pieces;) {
            // The tables are diagrams with rank 8 first: White's a1 is cell 56, Black's a8 is cell 0.
            const Square cell = RelativeSquare(~c, PopLsb(pieces));
            s += Counted(p_.pieceValue[t], 1, c) + Counted(p_.square[t][cell], 1, c);
        }
    }
    return s;
}

// The king's zone: its square, the squares around it, and one more rank towards the enemy.
Bitboard KingZone(Color c, Square k) {
    const Bitboard around = KingAttacks(k) | SquareBB(k);
    return around | (c == White ? Shift<8>(around) : Shift<-8>(around));
}

// Mobility, rooks on files, and the attack on the enemy king; fills this side's attack maps.
template <Color Us>
Score Evaluation::Pieces() {
    constexpr Color Them = ~Us;
    const Bitboard occ = b_.Occupied();
    const Bitboard ownPawns = b_.Pieces(Us, Pawn), enemyPawns = b_.Pieces(Them, Pawn);
    const Bitboard safe = ~pawns_.attacks[Them] & ~b_.Pieces(Us);
    const Square enemyKing = b_.KingSquare(Them);
    const Bitboard zone = enemyKing == NoSquare ? 0 : KingZone(Them, enemyKing);
    const Square ownKing = b_.KingSquare(Us);
    const Bitboard kingAttacks = ownKing == NoSquare ? 0 : KingAttacks(ownKing);
    constexpr uint8_t kOwnCastling = Us == White ? WhiteKingSide | WhiteQueenSide : BlackKingSide | BlackQueenSide;
    maps_.twice[Us] = pawns_.attacks[Us] & kingAttacks;
    maps_.all[Us] = pawns_.attacks[Us] | kingAttacks;
    Score s;

    for (int t = Knight; t <= Queen; ++t) {
        for (Bitboard pieces = b_.Pieces(Us, PieceType(t)); pieces;) {
            const Square sq = PopLsb(pieces);
            // Sliders see through their own queen and, for rooks, their own rooks.
            Bitboard through = occ;
            if (t == Bishop) through ^= b_.Pieces(Us, Queen);
            if (t == Rook) through ^= b_.Pieces(Us, Rook, Queen);
            const Bitboard attacks = PieceAttacks(PieceType(t), sq, through);
            maps_.twice[Us] |= maps_.all[Us] & attacks;
            maps_.all[Us] |= attacks;
            maps_.byType[Us][t] |= attacks;
            if (t <= Bishop) maps_.minors[Us] |= attacks;
            const int reach = PopCount(attacks & safe);
            switch (t) {
                case Knight: s += Counted(p_.knightMobility[reach], 1, Us); break;
                case Bishop: s += Counted(p_.bishopMobility[reach], 1, Us); break;
                case Rook: s += Counted(p_.rookMobility[reach], 1, Us); break;
                default: s += Counted(p_.queenMobility[reach], 1, Us); break;
            }
            if (const Bitboard hits = attacks & zone) {
                maps_.kingUnits[Us] += p_.kingAttackUnits[t] * PopCount(hits);
                ++maps_.kingAttackers[Us];
            }
            if (t <= Bishop) {
                if (ownPawns & Shift<Us == White ? 8 : -8>(SquareBB(sq))) s += Counted(p_.minorBehindPawn, 1, Us);
                if (ownKing != NoSquare) s += Counted(p_.kingProtector, Distance(sq, ownKing), Us);
                const int rank = RelativeRank(Us, RankOf(sq));
                if (rank >= 3 && rank <= 5 && (pawns_.attacks[Us] & SquareBB(sq)) &&
                    !(PassedSpan(Us, sq) & ~FileBB(FileOf(sq)) & enemyPawns))
                    s += Counted(t == Knight ? p_.knightOutpost : p_.bishopOutpost, 1, Us);
            }
            if (t == Bishop) {
                const Bitboard colour = (kDarkSquares & SquareBB(sq)) ? kDarkSquares : ~kDarkSquares;
                s += Counted(p_.bishopPawns, PopCount(ownPawns & colour), Us);
            }
            if (t == Rook) {
                const Bitboard file = FileBB(FileOf(sq));
                if (!(file & (ownPawns | enemyPawns)))
                    s += Counted(p_.rookOpenFile, 1, Us);
                else if (!(file & ownPawns))
                    s += Counted(p_.rookHalfOpenFile, 1, Us);
                if (RelativeRank(Us, RankOf(sq)) == 6 &&
                    ((enemyPawns & RelativeRankBB(Us, 6)) ||
                     (enemyKing != NoSquare && RelativeRank(Us, RankOf(enemyKing)) == 7)))
                    s += Counted(p_.rookOnSeventh, 1, Us);
                // A rook in the corner behind a king that has walked instead of castling cannot get out.
                if (reach <= 3 && ownKing != NoSquare && RelativeRank(Us, RankOf(ownKing)) == 0 &&
                    (FileOf(ownKing) < 4) == (FileOf(sq) < FileOf(ownKing)) && !(b_.CastlingRights() & kOwnCastling))
                    s += Counted(p_.rookTrapped, 1, Us);
            }
        }
    }
    if (PopCount(b_.Pieces(Us, Bishop)) >= 2) s += Counted(p_.bishopPair, 1, Us);
    if (ownKing != NoSquare) {
        const Bitboard snipers = (RookAttacks(ownKing, 0) & b_.Pieces(Them, Rook, Queen)) |
                                 (BishopAttacks(ownKing, 0) & b_.Pieces(Them, Bishop, Queen));
        int pinned = 0;
        for (Bitboard sn = snipers; sn;) {
            const Bitboard between = Between(ownKing, PopLsb(sn)) & occ;
            if (PopCount(between) == 1 && (between & b_.Pieces(Us) & ~ownPawns)) ++pinned;
        }
        s += Counted(p_.pinned, pinned, Us);
    }
    return s;
}

// The attack on the enemy king: pieces hitting its zone, checks it cannot stop, and zone squares only its king
// guards. Attacks grow dangerous together, so the danger is quadratic, and counts with two attackers or a queen.
template <Color Us>
Score Evaluation::KingDanger() const {
    constexpr Color Them = ~Us;
    const Square k = b_.KingSquare(Them);
    const int attackers = maps_.kingAttackers[Us];
    if (k == NoSquare || !(attackers >= 2 || (attackers == 1 && b_.Pieces(Us, Queen)))) return {};
    const Bitboard occ = b_.Occupied();
    const Bitboard safe = ~maps_.all[Them] & ~b_.Pieces(Us);
    const Bitboard diagonal = BishopAttacks(k, occ), straight = RookAttacks(k, occ);
    const std::array<Bitboard, kPieceTypeCount> checks = {
        0, 0, KnightAttacks(k), diagonal, straight, diagonal | straight, 0};
    int units = maps_.kingUnits[Us];
    for (int t = Knight; t <= Queen; ++t) units += p_.safeCheck[t] * PopCount(checks[t] & maps_.byType[Us][t] & safe);
    const Bitboard zone = KingAttacks(k);
    // Every zone square is attacked by the king itself; a second defender makes it strong.
    const Bitboard weak = zone & maps_.all[Us] & ~maps_.twice[Them];
    units += p_.kingZoneWeak * PopCount(weak);
    // Knights and bishops next to their king stand in the attack's way; without a queen it seldom mates.
    units -= p_.kingDefender * PopCount(KingZone(Them, k) & (b_.Pieces(Them, Knight) | b_.Pieces(Them, Bishop)));
    if (!b_.Pieces(Us, Queen)) units -= p_.kingNoQueen;
    units = std::max(units, 0);
    const int danger = std::min(units * units / std::max(p_.kingDangerDivisor, 1), p_.kingDangerCap);
    return {danger, danger / 8};
}

template <Color Us>
Score Evaluation::Threats() const {
    constexpr Color Them = ~Us;
    const Bitboard targets = b_.Pieces(Them) & ~b_.Pieces(Them, Pawn) & ~b_.Pieces(Them, King);
    Score s = Counted(p_.pawnThreat, PopCount(pawns_.attacks[Us] & targets), Us);
    // Strongly defended: by a pawn, or by two pieces where we attack with fewer.
    const Bitboard strong = pawns_.attacks[Them] | (maps_.twice[Them] & ~maps_.twice[Us]);
    const Bitboard weak = b_.Pieces(Them) & ~b_.Pieces(Them, King) & ~strong & maps_.all[Us];
    for (Bitboard hit = (weak | (targets & strong)) & maps_.minors[Us]; hit;)
        s += Counted(p_.minorThreat[TypeOf(b_.PieceOn(PopLsb(hit)))], 1, Us);
    for (Bitboard hit = weak & maps_.byType[Us][Rook]; hit;)
        s += Counted(p_.rookThreat[TypeOf(b_.PieceOn(PopLsb(hit)))], 1, Us);
    const Square ownKing = b_.KingSquare(Us);
    if (ownKing != NoSquare) s += Counted(p_.kingThreat, PopCount(weak & KingAttacks(ownKing)), Us);
    s += Counted(p_.hanging, PopCount(maps_.all[Us] & ~maps_.all[Them] & targets), Us);
    // Pawn steps to squares no enemy pawn hits, and that we guard or the enemy does not, from where the pawn
    // would hit a piece.
    constexpr int Up = Us == White ? 8 : -8;
    const Bitboard empty = ~b_.Occupied();
    Bitboard pushes = Shift<Up>(b_.Pieces(Us, Pawn)) & empty;
    pushes |= Shift<Up>(pushes & RelativeRankBB(Us, 2)) & empty;
    pushes &= ~pawns_.attacks[Them] & (maps_.all[Us] | ~maps_.all[Them]);
    s += Counted(p_.pushThreat, PopCount(PawnAttacksBB<Us>(pushes) & targets), Us);
    return s;
}

// Own pawns in front of the king and enemy pawns coming at it, on the king's file and the two beside it.
template <Color Us>
Score Evaluation::KingShelter() const {
    constexpr Color Them = ~Us;
    const Square k = b_.KingSquare(Us);
    if (k == NoSquare) return {};
    const int kingRank = RelativeRank(Us, RankOf(k));
    const int centre = std::clamp(FileOf(k), 1, 6);
    Score s;
    for (int f = centre - 1; f <= centre + 1; ++f) {
        auto nearest = [&](Bitboard pawns) {
            int best = 3;
            for (Bitboard b = pawns & FileBB(f); b;) {
                const int d = RelativeRank(Us, RankOf(PopLsb(b))) - kingRank;
                if (d >= 1) best = std::min(best, d - 1);
            }
            return best;
        };
        s += Counted(p_.shelter[nearest(b_.Pieces(Us, Pawn))], 1, Us);
        s += Counted(p_.storm[nearest(b_.Pieces(Them, Pawn))], 1, Us);
    }
    if (const Bitboard ownPawns = b_.Pieces(Us, Pawn)) {
        int nearestPawn = 7;
        for (Bitboard pawns = ownPawns; pawns;) nearestPawn = std::min(nearestPawn, Distance(k, PopLsb(pawns)));
        s += Counted(p_.kingPawnDistance, nearestPawn, Us);
    }
    // The king's wing: four files on the side it stands, the middle four when it stands on d or e.
    const int file = FileOf(k);
    const int firstFile = file <= 2 ? 0 : file >= 5 ? 4 : 2;
    constexpr Bitboard kFourFiles = FileBB(0) | FileBB(1) | FileBB(2) | FileBB(3);
    if (!((kFourFiles << firstFile) & b_.Pieces(Pawn))) s += Counted(p_.pawnlessFlank, 1, Us);
    return s;
}

// Passed pawns gain in the endgame when their own king is near and the enemy king far; blocked ones less.
template <Color Us>
Score Evaluation::PassedPawns() const {
    constexpr Color Them = ~Us;
    const Square ownKing = b_.KingSquare(Us), enemyKing = b_.KingSquare(Them);
    if (ownKing == NoSquare || enemyKing == NoSquare) return {};
    Score s;
    for (Bitboard passed = pawns_.passed[Us]; passed;) {
        const Square sq = PopLsb(passed);
        const int rank = RelativeRank(Us, RankOf(sq));
        if (rank < 3) continue;
        const Square stop = sq + PawnPush(Us);
        const int weight = rank - 2;
        s += Counted(p_.passedEnemyKingDistance, weight * Distance(stop, enemyKing), Us);
        s += Counted(p_.passedOwnKingDistance, weight * Distance(stop, ownKing), Us);
        if (b_.Occupied() & SquareBB(stop)) s += Counted(p_.passedBlocked, weight, Us);
        if (!(maps_.all[Them] & SquareBB(stop))) s += Counted(p_.passedSafeStop, weight, Us);
        if (!(FrontSpan(Us, sq) & (b_.Occupied() | maps_.all[Them]))) s += Counted(p_.passedFreePath, weight, Us);
        // No enemy pieces left and the king is outside the pawn's square: it queens.
        const Square queening = RelativeSquare(Us, MakeSquare(FileOf(sq), 7));
        const int tempo = b_.SideToMove() == Them ? 1 : 0;
        if (!NonPawnMaterial(b_, Them) && 7 - rank < Distance(enemyKing, queening) - tempo) s += Score{0, 400};
    }
    return s;
}

// Drives a lone king to the edge and brings the other king near, so simple mates are found quickly.
int Evaluation::MopUp(Color strong) const {
    const Square weakKing = b_.KingSquare(~strong), strongKing = b_.KingSquare(strong);
    if (weakKing == NoSquare || strongKing == NoSquare) return 0;
    const int edge = std::max(std::abs(2 * FileOf(weakKing) - 7), std::abs(2 * RankOf(weakKing) - 7));
    return 10 * edge + 6 * (7 - Distance(weakKing, strongKing));
}

// Endgames that are hard or impossible to win despite a material edge scale towards a draw (out of 64).
int Evaluation::DrawScale(Color strong) const {
    const int strongPieces = NonPawnMaterial(b_, strong), weakPieces = NonPawnMaterial(b_, ~strong);
    const int bishop = SeeValue(Bishop);
    if (!b_.Pieces(strong, Pawn) && strongPieces - weakPieces <= bishop)
        return strongPieces >= SeeValue(Rook) ? 16 : 4;  // a minor piece up (or less) without pawns
    const Bitboard bishops = b_.Pieces(Bishop);
    const bool oppositeBishops = PopCount(b_.Pieces(White, Bishop)) == 1 && PopCount(b_.Pieces(Black, Bishop)) == 1 &&
                                 (bishops & kDarkSquares) && (bishops & ~kDarkSquares);
    if (oppositeBishops) {
        // Alone, only passed pawns win them; with other pieces the edge shows more the more men are left.
        if (strongPieces == bishop && weakPieces == bishop) return 18 + 4 * PopCount(pawns_.passed[strong]);
        return std::min(64, 22 + 3 * PopCount(b_.Pieces(strong)));
    }
    // With few pawns left the defender can often give up a piece for the last of them.
    const int pawns = PopCount(b_.Pieces(strong, Pawn));
    return pawns ? std::min(64, 36 + 7 * pawns) : 64;
}

int Evaluation::Run() {
    Score s = MaterialAndSquares(White) - MaterialAndSquares(Black);
    s += pawns_.score;
    s += Pieces<White>() - Pieces<Black>();
    s += Threats<White>() - Threats<Black>();
    s += KingDanger<White>() - KingDanger<Black>();
    s += KingShelter<White>() - KingShelter<Black>();
    s += PassedPawns<White>() - PassedPawns<Black>();
    const Score tempo = Counted(p_.tempo, 1, b_.SideToMove());
    s += b_.SideToMove() == White ? tempo : -tempo;

    int phase = 0;
    for (int t = Knight; t <= Queen; ++t) phase += kPhaseWeight[t] * PopCount(b_.Pieces(PieceType(t)));
    phase = std::min(phase, kFullPhase);

    const Color strong = s.eg >= 0 ? White : Black;
    int eg = s.eg;
    if (b_.Pieces(~strong) == b_.Pieces(~strong, King) && NonPawnMaterial(b_, strong) >= SeeValue(Rook))
        eg += (strong == White ? 1 : -1) * MopUp(strong);
    const int scale = DrawScale(strong);
    if (trace_) {
        trace_->total = {s.mg, eg};
        trace_->phase = phase;
        trace_->endgameScale = scale;
    }
    eg = eg * scale / 64;

    const int white = (s.mg * phase + eg * (kFullPhase - phase)) / kFullPhase;
    return b_.SideToMove() == White ? white : -white;
}

int EvaluateWith(const Board& b, const EvalParams& params, const PawnInfo& pawns, EvalTrace* trace) {
    if (b.IsInsufficientMaterial()) {
        if (trace) trace->fiftyScale = 0;
        return kDraw;
    }
    const int score = Evaluation(b, params, pawns, trace).Run();
    // An edge fades while nothing irreversible happens, so the engine makes progress before the fifty-move rule.
    const int fifty = 200 - std::min(b.HalfmoveClock(), 100);
    if (trace) trace->fiftyScale = fifty;
    return score * fifty / 200;
}

}  // namespace

int NonPawnMaterial(const Board& b, Color c) {
    int v = 0;
    for (int t = Knight; t <= Queen; ++t) v += PopCount(b.Pieces(c, PieceType(t))) * SeeValue(PieceType(t));
    return v;
}

Evaluator::Evaluator(const EvalParams& params) : params_(params) {}

int Evaluator::Evaluate(const Board& b) { return EvaluateWith(b, params_, pawns_.Probe(b, params_), nullptr); }

int EvaluateTraced(const Board& b, const EvalParams& params, EvalTrace& trace) {
    trace = EvalTrace{};
    return EvaluateWith(b, params, EvaluatePawns(b, params, &trace), &trace);
}

}  // namespace varnix::engine
