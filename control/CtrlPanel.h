// Game control: start-up of the board, new games, the user's moves from the
// board, the engine's moves, and stepping through the record. It owns none of
// the state it works on; the program object hands it every part.
#pragma once

#include "board_view/BoardSelection.h"
#include "board_view/BoardView.h"
#include "control/PlayerSettings.h"
#include "core/GameRecord.h"
#include "core/MoveTextReader.h"
#include "core/RecordCalls.h"
#include "engine_link/EngineLink.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace varnix {

struct ControlParts {
    Platform& platform;
    const RecordCalls& calls;
    GameRecord& record;
    EngineLink& link;
    BoardView& view;
    BoardSelection& selection;
    PlayerSettings& player;
    std::string_view programTitle;
};

// MoveTAB's button indexes.
enum StepIndex : int { StepToStart = 1, StepBack = 2, StepForward = 3, StepToEnd = 4 };

class CtrlPanel {
public:
    explicit CtrlPanel(const ControlParts& parts) : p_(parts) {}

    // The controller's load: the first "skill" and "ponder on", then Intialize_Program.
    void Load();
    void Intialize_Program();
    void NewGame();
    void NewGameAsWhite() { NewGameAs(true); }
    // The engine then plays White's first move.
    void NewGameAsBlack() { NewGameAs(false); }
    // Asks the engine to move for the side to move. While it already thinks, a
    // second "go" would start a search for the other side once this one ends.
    void MoveNow() {
        if (!p_.link.Flags().EngineThinking) p_.link.StartThinking();
    }

    bool result() const { return p_.record.result(); }
    void result(bool ended) { p_.record.result(ended); }

    // A press (mode 0) or release (mode 1) on the board at client pixels (x, y).
    void ClickOnBoard(int button, int shift, int x, int y, int mode);
    void CancelPieceSel();
    // Starts dragging the selected piece from the press at (x, y); DragTo
    // follows the mouse, EndDrag shows the board once the drag is over.
    void MovePiece(int button, int shift, int x, int y);
    void DragTo(int x, int y);
    void EndDrag();
    void MoveTAB(int bindex, bool silent = false);

    // The engine's move, given as the engine wrote it, for the side to move.
    void PlayEngineMove(std::string_view moveText);

    bool MoveInProgress() const { return moveInProgress_; }
    bool StepBusy() const { return stepBusy_; }
    bool EnginesTurn() const;

private:
    void NewGameAs(bool white);
    // The square under (x, y), or false off the board.
    bool SquareAt(int x, int y, int& file, int& row) const;
    // Selection rules: true when the square names a move's destination.
    bool SelectOrTarget(int file, int row, int mode, int x, int y);
    void Select(int file, int row, int mode, int x, int y);
    void PlayUserMove(Move candidate, int mode);
    void InvertSide();
    // Shows the record's position after ply half-moves, replayed from the start.
    void ReplayTo(std::int16_t ply);

    ControlParts p_;
    MoveTextReader reader_;
    bool moveInProgress_ = false;
    bool stepBusy_ = false;
    // Drag frames: the previous mouse position.
    int oldX_ = 0;
    int oldY_ = 0;
    bool dragStarted_ = false;
    // Button and shift of the press being handled, for the drag it starts.
    std::pair<int, int> buttonShift_{0, 0};
};

} // namespace varnix
