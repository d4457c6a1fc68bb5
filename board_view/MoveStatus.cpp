#include "board_view/MoveStatus.h"

#include "board_view/ControlNames.h"

namespace varnix {

void ShowMoveStatus(Platform& platform, std::string_view programTitle, std::string_view text, TurnState turn) {
    platform.SetCaption(std::string(programTitle) + std::string(MoveCaptionSeparator) + std::string(text));
    if (!text.empty() && text.back() == '#') {
        platform.SetControlVisible(LampUserTurn, false);
        platform.SetControlVisible(LampEngineTurn, false);
        return;
    }
    const int userParity = turn.UserPlaysWhite ? 0 : 1;
    const bool usersTurn = turn.PlyCount % 2 == userParity;
    // Hide first, so that the two lamps are never lit together.
    platform.SetControlVisible(usersTurn ? LampEngineTurn : LampUserTurn, false);
    platform.SetControlVisible(usersTurn ? LampUserTurn : LampEngineTurn, true);
}

void ShowMove(Platform& platform, std::string_view programTitle, std::string& text, TurnState turn) {
    if (text.empty()) text = "none";
    ShowMoveStatus(platform, programTitle, text, turn);
}

} // namespace varnix
