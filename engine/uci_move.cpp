#include "engine/uci_move.h"

#include "engine/movegen.h"

namespace varnix::engine {

std::string SquareName(Square s) { return {char('a' + FileOf(s)), char('1' + RankOf(s))}; }

std::string MoveToUci(Move m) {
    if (!m) return "0000";
    std::string text = SquareName(m.From()) + SquareName(m.To());
    if (m.KindOf() == Move::Promotion) text += " nbrq"[m.PromotionType() - Knight + 1];
    return text;
}

Move MoveFromUci(const Board& board, std::string_view text) {
    MoveList moves;
    GenerateLegal(board, moves);
    for (const Move m : moves) {
        if (MoveToUci(m) == text) return m;
    }
    return Move::none();
}

}  // namespace varnix::engine
