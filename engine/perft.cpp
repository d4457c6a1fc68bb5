#include "engine/perft.h"

#include "engine/movegen.h"

namespace varnix::engine {

uint64_t Perft(Board& board, int depth) {
    MoveList moves;
    GenerateLegal(board, moves);
    if (depth <= 1) return depth == 1 ? uint64_t(moves.Size()) : 1;
    uint64_t nodes = 0;
    for (const Move m : moves) {
        board.MakeMove(m);
        nodes += Perft(board, depth - 1);
        board.UnmakeMove();
    }
    return nodes;
}

uint64_t RecordPerft(const VarnixPosition& position, int depth, const RecordCalls& calls) {
    if (depth == 0) return 1;
    VarnixMoveList list;
    calls.getMove(&position, position.BlackToMove != 0 ? 1 : 0, &list);
    uint64_t nodes = 0;
    for (int i = 0; i < list.Count; ++i) {
        VarnixPosition next = position;
        calls.makeMove(&next, &list.Entries[i]);
        next.BlackToMove = next.BlackToMove != 0 ? 0 : -1;
        nodes += RecordPerft(next, depth - 1, calls);
    }
    return nodes;
}

}  // namespace varnix::engine
