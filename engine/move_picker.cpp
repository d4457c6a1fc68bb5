#include "engine/move_picker.h"

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

MovePicker::MovePicker(const Board& board, const History& history, const History::QuietContext& quiet, Move ttMove,
                       Move killer1, Move killer2, Move counter)
    : board_(board), history_(history), quiescence_(false), quiet_(quiet), ttMove_(ttMove), killer1_(killer1),
      killer2_(killer2), counter_(counter) {}

MovePicker::MovePicker(const Board& board, const History& history, Move ttMove)
    : board_(board), history_(history), quiescence_(true), quiet_{board.SideToMove(), {nullptr, nullptr}},
      ttMove_(ttMove) {
    GenerateAndScore();
}

void MovePicker::GenerateAndScore() {
    generated_ = true;
    if (quiescence_ && !board_.InCheck())
        GenerateNoisy(board_, moves_);
    else
        GenerateLegal(board_, moves_);
    for (int i = 0; i < moves_.Size(); ++i) {
        const Move m = moves_[i];
        seeChecked_[i] = false;
        if (m == ttMove_) {
            scores_[i] = kTTMove;
        } else if (board_.IsCapture(m) || m.KindOf() == Move::Promotion) {
            scores_[i] = NoisyScore(m);
        } else if (m == killer1_) {
            scores_[i] = kKiller1;
        } else if (m == killer2_) {
            scores_[i] = kKiller2;
        } else if (m == counter_) {
            scores_[i] = kCounter;
        } else {
            scores_[i] = history_.Quiet(quiet_, board_.PieceOn(m.From()), m);
        }
    }
}

Move MovePicker::Next() {
    if (!generated_) {
        if (next_ == 0 && ttMove_ && IsLegalMove(board_, ttMove_)) {
            next_ = 1;
            return ttMove_;
        }
        GenerateAndScore();
        // The hash move already given goes to the front, as picking it from the list would have put it.
        if (next_ == 1) {
            int i = 0;
            while (i < moves_.Size() && !(moves_[i] == ttMove_)) ++i;
            if (i < moves_.Size()) {
                std::swap(moves_[0], moves_[i]);
                std::swap(scores_[0], scores_[i]);
            }
        }
    }
    while (next_ < moves_.Size()) {
        int best = next_;
        for (int i = next_ + 1; i < moves_.Size(); ++i) {
            if (scores_[i] > scores_[best]) best = i;
        }
        // A capture that loses material goes behind the quiet moves; it is tested only when its turn comes.
        if (scores_[best] >= kGoodCapture && scores_[best] < kTTMove && !seeChecked_[best]) {
            seeChecked_[best] = true;
            if (!SeeAtLeast(board_, moves_[best], 0)) {
                scores_[best] += kBadCapture - kGoodCapture;
                continue;
            }
        }
        std::swap(moves_[next_], moves_[best]);
        std::swap(scores_[next_], scores_[best]);
        std::swap(seeChecked_[next_], seeChecked_[best]);
        return moves_[next_++];
    }
    return Move::none();
}

}  // namespace varnix::engine
