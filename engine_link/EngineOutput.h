// The interpreter of the engine's texts: the end of an analysis, draw claims
// and offers, stalemate and mate announcements, and the engine's move, which
// comes in the text after one that begins with the BEL character. What a
// recognised form does to the game is left to the game control (the actions).
#pragma once

#include "engine_link/EngineLink.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix {

class EngineOutputActions {
public:
    virtual ~EngineOutputActions() = default;
    virtual bool GameEnded() const = 0;
    virtual void EndGame() = 0;
    virtual std::int16_t PlyCount() const = 0;
    // Records, makes and shows the engine's move for the side to move.
    virtual void PlayEngineMove(std::string_view moveText) = 0;
    // Shows a message to the user and waits until it is closed.
    virtual void ShowMessage(const std::string& prompt) = 0;
};

class EngineOutput {
public:
    EngineOutput(Platform& platform, EngineLink& link, EngineOutputActions& actions)
        : platform_(platform), link_(link), actions_(actions) {}

    // The library's output callback: fetches the text of n characters and interprets it.
    void Receive(std::int32_t n);
    void Interpret(const std::string& text);
    // Ends the game; with quiet 0 it says so.
    void AnnounceMate(int quiet);
    bool MoveLineDue() const { return moveLineDue_; }

private:
    void EngineMove(const std::string& text);
    // "analyze complete" or a discarded move line: the search that produced it is over.
    void EndSearch();

    Platform& platform_;
    EngineLink& link_;
    EngineOutputActions& actions_;
    bool moveLineDue_ = false;
    bool afterDiscardedMove_ = false;
};

// The move number and the move of a move line ("move (12): Nf3 \n"); the
// number is -1 when it is no number, the move "" when the line holds none.
struct MoveLine {
    long Number = -1;
    std::string Move;
};
// False when the text has no "): ".
bool ReadMoveLine(const std::string& text, MoveLine& line);

} // namespace varnix
