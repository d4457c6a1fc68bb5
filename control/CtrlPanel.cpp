#include "control/CtrlPanel.h"

#include "board_view/MoveStatus.h"
#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/MoveNotation.h"

namespace varnix {

void CtrlPanel::Load() {
    p_.link.SetCurrentSkill();
    Intialize_Program();
}

void CtrlPanel::Intialize_Program() {
    p_.view.LoadBoard_S();
    GameState& game = p_.record.State();
    game.StartFen = StandardStartFen;
    FenToPosition(game.StartFen, game.CurrentPosition);
    p_.view.DrawBoardBackground();
    p_.view.Bitmaps_LoadPieces();
    p_.player.UserPlaysWhite = true;
    NewGame();
}

void CtrlPanel::NewGame() {
    GameState& game = p_.record.State();
    game.StartFen = StandardStartFen;
    FenToPosition(game.StartFen, game.CurrentPosition);
    result(false);
    p_.record.NewRecord();
    p_.selection.mfx = p_.selection.mfy = p_.selection.mfx2 = p_.selection.mfy2 = 0;
    p_.selection.pieceMov = 0;
    dragStarted_ = false;
    p_.view.LastMoveFile = 0;
    p_.view.RefreshBoard();
    if (p_.link.Flags().EngineThinking) {
        p_.link.DropEngineSync();
    } else {
        p_.link.SendNewGame();
    }
}

void CtrlPanel::NewGameAs(bool white) {
    // A move being played or a step being taken would go on in the new game's position.
    if (moveInProgress_ || stepBusy_) return;
    p_.record.State().PlyCount = 0;
    if (p_.player.UserPlaysWhite != white) {
        p_.player.UserPlaysWhite = white;
        p_.view.FlipBoard();
    }
    std::string none;
    ShowMove(p_.platform, p_.programTitle, none, {0, p_.player.UserPlaysWhite});
    NewGame();
    if (!white) p_.link.StartThinking();
}

bool CtrlPanel::EnginesTurn() const {
    return (p_.record.State().CurrentPosition.BlackToMove != 0) == p_.player.UserPlaysWhite;
}

void CtrlPanel::InvertSide() {
    Position& position = p_.record.State().CurrentPosition;
    position.BlackToMove = position.BlackToMove != 0 ? FlagFalse : FlagTrue;
}

void CtrlPanel::PlayEngineMove(std::string_view moveText) {
    GameState& game = p_.record.State();
    Position& position = game.CurrentPosition;
    const Position before = position;
    const Move move = TextToEngineMove(reader_, p_.calls, position, moveText, position.BlackToMove);
    // A text that names no move of this position would corrupt the record.
    if (reader_.MoveTextFailed() || (move.FromFile == 0 && move.Castle == 0 && move.Promote < WhiteWinsCode)) return;
    moveInProgress_ = true;
    p_.record.RecordMove(MoveToLongText(position, move));
    p_.calls.MakeMove(position, move);
    p_.view.LastMoveFile = move.Castle == 0 ? move.ToFile : (move.Castle == 1 ? 7 : 3);
    p_.view.LastMoveRow = move.Castle == 0 ? move.ToRow : move.FromRow;
    BoardSelection& selection = p_.selection;
    if (selection.mfx == 0 || PieceAt(position, selection.mfx, selection.mfy) == 0) {
        selection.mfx = move.FromFile;
        selection.mfy = move.FromRow;
    }
    Move shown = move;
    p_.view.AnimateMove(before, shown, true);
    p_.view.RefreshBoard();
    InvertSide();
    moveInProgress_ = false;
    // After "Move now" on the user's turn the engine has moved for the user and must now answer itself.
    if (EnginesTurn() && !p_.link.Flags().EngineThinking && !result()) p_.link.StartThinking();
}

} // namespace varnix
