// A program on the headless platform with the real engine library's rules but
// no engine loop: the test plays the engine by handing texts to the output
// interpreter, and reads what would have been sent from the queue.
#pragma once

#include "engine_link/EngineLibrary.h"
#include "main_window/FrmBoard.h"
#include "platform/headless/HeadlessPlatform.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnix::test {

std::vector<std::string> QueuedLines(const EngineLink& link);
// The lines queued after the first skip ones.
std::vector<std::string> LinesAfter(const EngineLink& link, std::size_t skip);

// Client pixels of the middle of a square (board file and row).
int SquareX(int file, bool flipped);
int SquareY(int row, bool flipped);

InputEvent BoardEvent(InputEvent::Kind kind, int x, int y, int button = 1);
InputEvent MenuEvent(const std::string& caption);
InputEvent NamedEvent(InputEvent::Kind kind, const std::string& target);
// Hooks that only replace the end of the process on closing.
FrmBoardHooks CloseHooks(std::function<void()> close);

class RulesBoard {
public:
    RulesBoard();

    HeadlessPlatform platform;
    EngineLibrary engine;
    std::unique_ptr<FrmBoard> board;

    // The events are delivered at once.
    void Send(const InputEvent& event);
    void Press(int file, int row, int button = 1);
    void Release(int file, int row, int button = 1);
    void Drag(int fromFile, int fromRow, int toFile, int toRow);
    void ClickClick(int fromFile, int fromRow, int toFile, int toRow);
    void Menu(const std::string& caption) { Send(MenuEvent(caption)); }
    // The engine announces its move as our engine does: the BEL text, then the move line.
    void EngineSays(const std::string& moveLine);

    // Queues the events once, from the first event processing at which busy() holds.
    void QueueOnceWhile(std::function<bool()> busy, std::vector<InputEvent> events);
    bool injected = false;
    int loadRequests = 0; // "Load Game" as it reaches the window's hooks

    std::size_t Mark() const { return QueuedLines(board->Link()).size(); }
    std::vector<std::string> SentSince(std::size_t mark) const { return LinesAfter(board->Link(), mark); }
    std::string Recorded(int halfMove) const { return board->Record().GetMove(halfMove); }
    const Position& Shown() const { return board->Record().State().CurrentPosition; }
};

} // namespace varnix::test
