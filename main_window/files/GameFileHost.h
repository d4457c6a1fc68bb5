// What saving and loading games ask of the rest of the program: the game
// control's new game and stepping, the board view's flip, the skinned message
// box and the user's colour.
#pragma once

#include <string>

namespace varnix {

class GameFileHost {
public:
    virtual ~GameFileHost() = default;

    virtual bool UserPlaysWhite() const = 0;
    virtual void SetUserPlaysWhite(bool white) = 0;
    // NewGame(0, ""): an empty record from the standard start.
    virtual void NewGame() = 0;
    virtual void MoveTAB(int bindex, bool silent) = 0;
    virtual void FlipBoard() = 0;
    // The message box with the title "Varnix Chess", OK only, exclamation icon;
    // returns once it is closed.
    virtual void MsgBoxXP(const std::string& prompt) = 0;
};

} // namespace varnix
