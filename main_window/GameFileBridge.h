// Gives the game files what they ask of the rest of the program, from the
// main window's program object.
#pragma once

#include "main_window/FrmBoard.h"
#include "main_window/files/GameFileHost.h"

namespace varnix {

class GameFileBridge : public GameFileHost {
public:
    explicit GameFileBridge(FrmBoard& board) : board_(board) {}

    bool UserPlaysWhite() const override { return board_.Player().UserPlaysWhite; }
    void SetUserPlaysWhite(bool white) override { board_.Player().UserPlaysWhite = white; }
    void NewGame() override { board_.Panel().NewGame(); }
    void MoveTAB(int bindex, bool silent) override { board_.Panel().MoveTAB(bindex, silent); }
    void FlipBoard() override { board_.View().FlipBoard(); }
    void MsgBoxXP(const std::string& prompt) override { board_.ShowMessage(prompt); }

private:
    FrmBoard& board_;
};

} // namespace varnix
