#include "engine_link/EngineLink.h"

#include "core/Fen.h"
#include "engine_link/MenuItemNames.h"

#include <cmath>
#include <limits>

namespace varnix {

std::int32_t ClockValue(double moveTimeTenths) {
    const double value = std::round(moveTimeTenths * 1000.0);
    if (!(value > 0)) return 0;
    constexpr double Largest = std::numeric_limits<std::int32_t>::max();
    return value >= Largest ? std::numeric_limits<std::int32_t>::max() : std::int32_t(value);
}

void EngineLink::EnginePump() {
    platform_.ProcessPendingEvents();
    if (!text_.ReceiveTxt) return;
    std::string line;
    // Taken off the queue before the call, so that a re-entrant send cannot disturb it.
    if (queue_.TakeLine(line)) text_.ReceiveTxt(line.c_str());
}

void EngineLink::ReadEngineText(std::string& buffer) const {
    if (text_.GetTxt && !buffer.empty()) text_.GetTxt(buffer.data());
}

void EngineLink::ThinkingStarted() {
    platform_.SetMenuEnabled(MenuStopThinking, true);
    platform_.SetMenuEnabled(MenuMoveNow, false);
    flags_.EngineThinking = true;
}

void EngineLink::ThinkingEnded() {
    flags_.EngineThinking = false;
    platform_.SetMenuEnabled(MenuStopThinking, false);
    platform_.SetMenuEnabled(MenuMoveNow, true);
    flags_.ForceSent = false;
    if (settings_.PonderChangePending) SetCurrentPonderState();
}

void EngineLink::InterruptEngine() {
    if (!flags_.EngineThinking || flags_.ForceSent) return;
    flags_.ForceSent = true;
    SendCommand("force");
    platform_.SetMenuEnabled(MenuStopThinking, false);
}

void EngineLink::DiscardRunningSearch() {
    if (!flags_.EngineThinking) return;
    flags_.DiscardEngineMove = true;
    InterruptEngine();
}

void EngineLink::DropEngineSync() {
    DiscardRunningSearch();
    flags_.ResendPosition = true;
}

void EngineLink::SendNewGame() {
    DiscardRunningSearch();
    SendCommand("new");
}

void EngineLink::SendPosition(const Position& position) {
    DiscardRunningSearch();
    SendCommand("setboard " + PositionToFen(position));
    SendCommand(position.BlackToMove != 0 ? "black" : "white");
    SendCommand("movenumber " + std::to_string(game_.PlyCount));
}

void EngineLink::SendClocks() {
    settings_.WhiteTime = ClockValue(settings_.MoveTimeTenths);
    settings_.BlackTime = ClockValue(settings_.MoveTimeTenths);
    SendCommand("whitetime " + std::to_string(settings_.WhiteTime));
    SendCommand("blacktime " + std::to_string(settings_.BlackTime));
}

void EngineLink::StartThinking() {
    const Position& position = game_.CurrentPosition;
    if (calls_.GetLegalMoves(position, position.BlackToMove).Count == 0) return;
    if (flags_.ResendPosition) {
        flags_.ResendPosition = false;
        SendPosition(position);
    }
    SendClocks();
    SendCommand("go");
    flags_.SearchAfterDiscard = flags_.DiscardEngineMove;
    ThinkingStarted();
}

void EngineLink::SetCurrentSkill() {
    SendCommand("skill " + std::to_string(settings_.SkillValue));
    SendCommand("ponder on");
}

void EngineLink::SetCurrentPonderState() {
    if (!settings_.PonderChangePending) return;
    SendCommand(settings_.PonderWanted ? "ponder on" : "ponder off");
    settings_.PonderChangePending = false;
}

} // namespace varnix
