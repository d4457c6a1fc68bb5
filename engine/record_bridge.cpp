#include "engine/record_bridge.h"

namespace varnix::engine {

Board BoardFromRecord(const VarnixPosition& record, Color side) {
    BoardSetup setup;
    for (Square s = A1; s < NoSquare; ++s) {
        const uint8_t code = record.Board[RecordIndex(s)];
        if (code > 12) setup.blockers |= SquareBB(s);
        setup.pieces[s] = PieceFromCode(code);
    }
    setup.sideToMove = side;
    setup.castling = uint8_t((record.WhiteCastle & 3) | ((record.BlackCastle & 3) << 2));
    const Color recordSide = record.BlackToMove != 0 ? Black : White;
    if (side == recordSide && record.EpFile >= 1 && record.EpFile <= 8)
        setup.epSquare = MakeSquare(record.EpFile - 1, RelativeRank(side, 5));
    return Board::FromSetup(setup);
}

VarnixPosition RecordFromBoard(const Board& board) {
    VarnixPosition p{};
    for (Square s = A1; s < NoSquare; ++s) {
        if (board.PieceOn(s) != NoPiece) p.Board[RecordIndex(s)] = CodeOfPiece(board.PieceOn(s));
        if (board.Blockers() & SquareBB(s)) p.Board[RecordIndex(s)] = 13;
    }
    const uint8_t rights = board.CastlingRights();
    p.WhiteCastle = rights & 3;
    p.BlackCastle = (rights >> 2) & 3;
    p.EpFile = board.EpSquare() == NoSquare ? 0 : uint8_t(FileOf(board.EpSquare()) + 1);
    p.BlackToMove = board.SideToMove() == Black ? -1 : 0;
    return p;
}

VarnixMove MoveToRecord(Move m, Color mover) {
    VarnixMove r{};
    r.FromFile = uint8_t(RecordFile(m.From()));
    r.FromRow = uint8_t(RecordRow(m.From()));
    r.ToFile = uint8_t(RecordFile(m.To()));
    r.ToRow = uint8_t(RecordRow(m.To()));
    switch (m.KindOf()) {
        case Move::Castling: r.Castle = m.To() > m.From() ? 1 : 2; break;
        case Move::Promotion: r.Promote = CodeOfPiece(MakePiece(mover, m.PromotionType())); break;
        case Move::EnPassant:
            r.EpFile = r.ToFile;
            r.EpKind = mover == White ? 4 : 5;
            break;
        case Move::Normal: break;
    }
    return r;
}

}  // namespace varnix::engine
