// The program's side of the engine text protocol: the outgoing queue, the pump
// through which the engine library gives the program its turn, the engine
// state flags and the operations that compose commands. One instance, owned by
// the program; the library's pump callback forwards to EnginePump.
#pragma once

#include "core/GameState.h"
#include "core/RecordCalls.h"
#include "engine_link/CommandQueue.h"
#include "engine_link/EngineLibrary.h"
#include "engine_link/EngineSettings.h"
#include "platform/Platform.h"

#include <string>
#include <string_view>

namespace varnix {

// The two text exports; unset while no library is loaded.
struct EngineTextCalls {
    EngineLibrary::ReceiveTxtFn ReceiveTxt = nullptr;
    EngineLibrary::GetTxtFn GetTxt = nullptr;
};

struct EngineFlags {
    bool EngineThinking = false;    // the engine computes a move for the side to move
    bool ForceSent = false;         // "force" went out for the current search
    bool DiscardEngineMove = false; // the next move the engine announces belongs to an interrupted search
    bool ResendPosition = false;    // the engine's board must be sent before it next moves
    bool SearchAfterDiscard = false; // a new search was asked for after the discard: the old one's end does not end it
};

class EngineLink {
public:
    EngineLink(Platform& platform, const RecordCalls& calls, const GameState& game, EngineSettings& settings)
        : platform_(platform), calls_(calls), game_(game), settings_(settings) {}

    void SetTextCalls(EngineTextCalls calls) { text_ = calls; }
    EngineFlags& Flags() { return flags_; }
    const EngineFlags& Flags() const { return flags_; }
    const CommandQueue& Queue() const { return queue_; }

    // The only way to send the engine a command.
    void SendCommand(std::string_view cmd) { queue_.Append(cmd); }
    // Processes pending user-interface events, then hands the engine at most one line.
    void EnginePump();
    // Lets the library overwrite the buffer (n + 1 characters for a text of n);
    // without a library, or with an empty buffer, nothing is called.
    void ReadEngineText(std::string& buffer) const;

    void ThinkingStarted();
    void ThinkingEnded();
    // "force", once per search, and only while the engine thinks.
    void InterruptEngine();
    // The engine's board is out of step: stop its search, resend before it moves.
    void DropEngineSync();
    void SendNewGame();
    void SendPosition(const Position& position);
    void SendClocks();
    // Asks the engine to move for the side to move, unless that side has no move.
    void StartThinking();
    void SetCurrentSkill();
    void SetCurrentPonderState();

private:
    // Interrupts a running search whose move must then be ignored.
    void DiscardRunningSearch();

    Platform& platform_;
    const RecordCalls& calls_;
    const GameState& game_;
    EngineSettings& settings_;
    EngineTextCalls text_;
    EngineFlags flags_;
    CommandQueue queue_;
};

// A clock value: tenths of a second times 1000, rounded; 0 when not positive.
std::int32_t ClockValue(double moveTimeTenths);

} // namespace varnix
