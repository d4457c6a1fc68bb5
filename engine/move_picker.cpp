#include "engine/move_picker.h"

#include <climits>

#include "engine/see.h"

namespace varnix::engine {
namespace {

constexpr int kTTMove = 1 << 30;
constexpr int kGoodCapture = 1 << 24;
constexpr int kKiller1 = 1 << 23, kKiller2 = kKiller1 - 1, kCounter = kKiller1 - 2;
constexpr int kBadCapture = -(1 << 24);

PieceType CapturedType(const Board& b, Move m) {
    return m.KindOf() == Move::EnPassant ? Pawn : TypeOf(b.PieceOn(m.To()));
}

}  // namespace

int MvvLva(const Board& b, Move m) {
    const int promotion = m.KindOf() == Move::Promotion ? SeeValue(m.PromotionType()) : 0;
    return 8 * (SeeValue(CapturedType(b, m)) + promotion) - int(TypeOf(b.PieceOn(m.From())));
}

int MovePicker::NoisyScore(Move m) const {
    const Piece moving = board_.PieceOn(m.From());
    return kGoodCapture + 16 * MvvLva(board_, m) + history_.Capture(moving, m.To(), CapturedType(board_, m)) / 32;
}

int MovePicker::ScoreOf(Move m) const {
    if (m == ttMove_) return kTTMove;
    if (IsNoisy(m)) return NoisyScore(m);
    if (m == refutations_[0]) return kKiller1;
    if (m == refutations_[1]) return kKiller2;
    if (m == refutations_[2]) return kCounter;
    return history_.Quiet(quiet_, board_.PieceOn(m.From()), m);
}

MovePicker::MovePicker(const Board& board, const History& history, const History::QuietContext& quiet, Move ttMove,
                       Move killer1, Move killer2, Move counter)
    : board_(board), history_(history), quiet_(quiet), ttMove_(ttMove), refutations_{killer1, killer2, counter},
      stage_(Stage::HashMove) {}

MovePicker::MovePicker(const Board& board, const History& history, Move ttMove)
    : board_(board), history_(history), quiet_{board.SideToMove(), {nullptr, nullptr}}, ttMove_(ttMove),
      refutations_{}, stage_(Stage::AllAtOnce) {
    Append(board_.InCheck() ? GenerateLegal : GenerateNoisy);
}

// Adds generated moves after those already held, leaving out the hash move once it has been given.
void MovePicker::Append(void (*generate)(const Board&, MoveList&)) {
    MoveList generated;
    generate(board_, generated);
    for (const Move m : generated) {
        if (ttGiven_ && m == ttMove_) continue;
        scores_[moves_.Size()] = ScoreOf(m);
        moves_.Add(m);
    }
}

Move MovePicker::PickBest(int end, int floor) {
    while (next_ < end) {
        int best = next_;
        for (int i = next_ + 1; i < end; ++i) {
            if (scores_[i] > scores_[best]) best = i;
        }
        if (scores_[best] < floor) return Move::none();
        // A capture that loses material goes behind the quiet moves; it is tested only when its turn comes.
        if (scores_[best] >= kGoodCapture && scores_[best] < kTTMove && !SeeAtLeast(board_, moves_[best], 0)) {
            scores_[best] += kBadCapture - kGoodCapture;
            continue;
        }
        std::swap(moves_[next_], moves_[best]);
        std::swap(scores_[next_], scores_[best]);
        return moves_[next_++];
    }
    return Move::none();
}

Move MovePicker::Next() {
    for (;;) {
        switch (stage_) {
            case Stage::HashMove:
                // Evasions are few: they are generated together.
                stage_ = board_.InCheck() ? Stage::GenerateEvasions : Stage::GenerateNoisy;
                if (ttMove_ && IsLegalMove(board_, ttMove_)) {
                    ttGiven_ = true;
                    return ttMove_;
                }
                break;
            case Stage::GenerateEvasions:
                Append(GenerateLegal);
                stage_ = Stage::AllAtOnce;
                break;
            case Stage::GenerateNoisy:
                Append(GenerateNoisy);
                stage_ = Stage::GoodNoisy;
                break;
            case Stage::GoodNoisy:
                if (const Move m = PickBest(moves_.Size(), kGoodCapture)) return m;
                badBegin_ = next_;
                badEnd_ = moves_.Size();
                stage_ = Stage::Refutations;
                break;
            case Stage::Refutations:
                while (refutation_ < int(refutations_.size())) {
                    const int i = refutation_++;
                    const Move m = refutations_[size_t(i)];
                    bool repeated = m == ttMove_;
                    for (int j = 0; j < i; ++j) repeated |= m == refutations_[size_t(j)];
                    if (m && !repeated && !IsNoisy(m) && IsLegalMove(board_, m)) return m;
                }
                stage_ = Stage::GenerateQuiets;
                break;
            case Stage::GenerateQuiets: {
                MoveList generated;
                GenerateQuiet(board_, generated);
                next_ = moves_.Size();
                for (const Move m : generated) {
                    if (m == ttMove_ || m == refutations_[0] || m == refutations_[1] || m == refutations_[2]) continue;
                    scores_[moves_.Size()] = history_.Quiet(quiet_, board_.PieceOn(m.From()), m);
                    moves_.Add(m);
                }
                stage_ = Stage::Quiets;
                break;
            }
            case Stage::Quiets:
                if (const Move m = PickBest(moves_.Size(), INT_MIN)) return m;
                next_ = badBegin_;
                stage_ = Stage::BadNoisy;
                break;
            case Stage::BadNoisy:
                if (const Move m = PickBest(badEnd_, INT_MIN)) return m;
                stage_ = Stage::Done;
                break;
            case Stage::AllAtOnce:
                if (const Move m = PickBest(moves_.Size(), INT_MIN)) return m;
                stage_ = Stage::Done;
                break;
            case Stage::Done:
                return Move::none();
        }
    }
}

}  // namespace varnix::engine
