// The user's moves from the board: selection rules, the legality test against
// the engine library's list, and the order in which a move is sent, recorded,
// made and shown.
#include "control/CtrlPanel.h"

#include "core/MoveNotation.h"

#include <cmath>

namespace varnix {

namespace {


bool HasRight(std::uint8_t rights, std::uint8_t side) { return rights == side || rights == 3; }

// 1 king side, 2 queen side, 0 when the press is no castling; the destination row is not looked at.
std::uint8_t CastleOf(const Position& position, int fromFile, std::uint8_t piece, int toFile) {
    const bool black = position.BlackToMove != 0;
    if (fromFile != 5 || piece != (black ? BlackKing : WhiteKing)) return 0;
    const std::uint8_t rights = black ? position.BlackCastle : position.WhiteCastle;
    if (toFile == 7 && HasRight(rights, 1)) return 1;
    if (toFile == 3 && HasRight(rights, 2)) return 2;
    return 0;
}

} // namespace

bool CtrlPanel::SquareAt(int x, int y, int& file, int& row) const {
    const BoardGeometry& g = p_.view.Geometry();
    file = int(std::floor(double(x - g.BoardMargin) / g.SquareSize + 1));
    row = int(std::floor(double(y - g.BoardMargin) / g.SquareSize + 1));
    if (p_.view.BoardFlipped()) {
        file = 9 - file;
        row = 9 - row;
    }
    return !IsOffBoard(file, row);
}

void CtrlPanel::ClickOnBoard(int button, int shift, int x, int y, int mode) {
    if (EnginesTurn() || stepBusy_ || moveInProgress_) return;
    BoardSelection& selection = p_.selection;
    if (button == 2) {
        selection.pieceMov = 0;
        selection.mfx = selection.mfy = selection.mfx2 = selection.mfy2 = 0;
        dragStarted_ = false;
        p_.view.RefreshBoard();
        return;
    }
    if (result()) return;
    int file = 0, row = 0;
    if (!SquareAt(x, y, file, row)) return;
    buttonShift_ = {button, shift};
    if (!SelectOrTarget(file, row, mode, x, y)) return;
    selection.pieceMov = 0;
    Move candidate{};
    candidate.FromFile = std::uint8_t(selection.mfx);
    candidate.FromRow = std::uint8_t(selection.mfy);
    candidate.ToFile = std::uint8_t(file);
    candidate.ToRow = std::uint8_t(row);
    const Position& position = p_.record.State().CurrentPosition;
    candidate.Castle = CastleOf(position, selection.mfx, PieceAt(position, selection.mfx, selection.mfy), file);
    PlayUserMove(candidate, mode);
}

bool CtrlPanel::SelectOrTarget(int file, int row, int mode, int x, int y) {
    const Position& position = p_.record.State().CurrentPosition;
    BoardSelection& selection = p_.selection;
    const bool white = p_.player.UserPlaysWhite;
    const std::uint8_t code = PieceAt(position, file, row);
    const std::uint8_t selected = selection.mfx != 0 ? PieceAt(position, selection.mfx, selection.mfy) : 0;
    const bool own = white ? IsWhitePiece(code) : IsBlackPiece(code);
    const bool selectedMovesNow = position.BlackToMove != 0 ? IsBlackPiece(selected) : IsWhitePiece(selected);
    if (code == 0 && !(selection.mfx != 0 && selection.mfy != 0 && selectedMovesNow)) return false;
    if (code != 0 && !own && !(selection.mfx != 0 && selected != 0)) return false;
    if (selection.mfx != 0 && mode == 1) {
        const bool pressedOnSelection = selection.LastCX == selection.mfx && selection.LastCY == selection.mfy;
        if (!pressedOnSelection || IsBlackPiece(selected) == white) return false;
    }
    selection.LastCX = std::int16_t(file);
    selection.LastCY = std::int16_t(row);
    const bool onSelection = file == selection.mfx && row == selection.mfy;
    if (selection.mfx == 0 || (code != 0 && ((own && mode == 0) || onSelection))) {
        Select(file, row, mode, x, y);
        return false;
    }
    return true;
}

void CtrlPanel::Select(int file, int row, int mode, int x, int y) {
    BoardSelection& selection = p_.selection;
    selection.mfx = std::int16_t(file);
    selection.mfy = std::int16_t(row);
    selection.pieceMov = 0;
    selection.mfx2 = selection.mfy2 = 0;
    if (p_.link.Flags().EngineThinking) {
        p_.view.RefreshBoard();
    } else if (mode == 0) {
        selection.pieceMov = PieceAt(p_.record.State().CurrentPosition, file, row);
        MovePiece(buttonShift_.first, buttonShift_.second, x, y);
    }
}

void CtrlPanel::PlayUserMove(Move candidate, int mode) {
    GameState& game = p_.record.State();
    Position& position = game.CurrentPosition;
    const MoveList list = p_.calls.GetLegalMoves(position, position.BlackToMove);
    if (p_.link.Flags().EngineThinking) return;
    const Move* found = nullptr;
    for (int i = 0; i < list.Count && !found; ++i) {
        const Move& entry = list.Entries[i];
        const bool same = candidate.Castle != 0
                              ? entry.Castle == candidate.Castle
                              : entry.FromFile == candidate.FromFile && entry.FromRow == candidate.FromRow &&
                                    entry.ToFile == candidate.ToFile && entry.ToRow == candidate.ToRow;
        if (same) found = &entry;
    }
    if (!found || moveInProgress_) return;
    moveInProgress_ = true;
    Move move = *found;
    const std::uint8_t piece = PieceAt(position, candidate.FromFile, candidate.FromRow);
    if (position.BlackToMove != 0 && piece == BlackPawn && candidate.FromRow == 7) move.Promote = p_.player.ptp + 6;
    if (position.BlackToMove == 0 && piece == WhitePawn && candidate.FromRow == 2) move.Promote = p_.player.ptp;

    const std::string text = MoveToLongText(position, move);
    EngineLink& link = p_.link;
    link.SendClocks();
    if (link.Flags().ResendPosition) {
        link.Flags().ResendPosition = false;
        link.SendPosition(position);
    }
    link.SendCommand(LongTextToShort(p_.calls, position, text, position.BlackToMove));
    link.ThinkingStarted();
    p_.record.RecordMove(text);
    game.PreviousPosition = position;
    p_.calls.MakeMove(position, move);
    if (mode == 0) {
        Move shown = move;
        p_.view.AnimateMove(game.PreviousPosition, shown, false);
    }
    if (move.Castle != 0) {
        p_.view.LastMoveFile = move.Castle == 1 ? 7 : 3;
        p_.view.LastMoveRow = game.PreviousPosition.BlackToMove != 0 ? 1 : 8;
    } else {
        p_.view.LastMoveFile = move.ToFile;
        p_.view.LastMoveRow = move.ToRow;
    }
    p_.view.RefreshBoard();
    if (!result()) InvertSide();
    moveInProgress_ = false;
}

void CtrlPanel::CancelPieceSel() {
    p_.selection.pieceMov = 0;
    p_.selection.mfx = p_.selection.mfy = 0;
    dragStarted_ = false;
    p_.view.RefreshBoard();
}

void CtrlPanel::MovePiece(int, int, int x, int y) {
    p_.view.RefreshBoard();
    // Events handled during the redraw may already have ended the drag.
    if (p_.selection.pieceMov == 0) {
        p_.view.RefreshBoard();
        return;
    }
    const int grab = p_.view.Geometry().GrabOffset;
    oldX_ = x - grab;
    oldY_ = y - grab;
    p_.view.StartDrag();
    dragStarted_ = true;
}

void CtrlPanel::DragTo(int x, int y) {
    if (!dragStarted_ || p_.selection.pieceMov == 0 || (x == oldX_ && y == oldY_)) return;
    p_.view.DrawDragFrame(oldX_, oldY_, x, y);
    oldX_ = x;
    oldY_ = y;
}

void CtrlPanel::EndDrag() {
    if (!dragStarted_) return;
    dragStarted_ = false;
    p_.view.RefreshBoard();
}

} // namespace varnix
