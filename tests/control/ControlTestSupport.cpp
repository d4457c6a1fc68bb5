#include "tests/control/ControlTestSupport.h"

#include <sstream>

namespace varnix::test {

std::vector<std::string> QueuedLines(const EngineLink& link) {
    std::vector<std::string> lines;
    std::istringstream text(link.Queue().Text());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> LinesAfter(const EngineLink& link, std::size_t skip) {
    std::vector<std::string> lines = QueuedLines(link);
    lines.erase(lines.begin(), lines.begin() + std::ptrdiff_t(std::min(skip, lines.size())));
    return lines;
}

int SquareX(int file, bool flipped) { return 19 + ((flipped ? 9 - file : file) - 1) * 41 + 20; }
int SquareY(int row, bool flipped) { return 19 + ((flipped ? 9 - row : row) - 1) * 41 + 20; }

InputEvent BoardEvent(InputEvent::Kind kind, int x, int y, int button) {
    InputEvent event;
    event.kind = kind;
    event.target = "board";
    event.x = x;
    event.y = y;
    event.button = button;
    return event;
}

InputEvent MenuEvent(const std::string& caption) { return NamedEvent(InputEvent::Kind::MenuCommand, caption); }

InputEvent NamedEvent(InputEvent::Kind kind, const std::string& target) {
    InputEvent event;
    event.kind = kind;
    event.target = target;
    return event;
}

FrmBoardHooks CloseHooks(std::function<void()> close) {
    FrmBoardHooks hooks;
    hooks.Close = std::move(close);
    return hooks;
}

RulesBoard::RulesBoard() {
    engine.Load(VARNIX_REAL_ENGINE_DIR);
    board = std::make_unique<FrmBoard>(platform);
    FrmBoardHooks hooks = CloseHooks([] {});
    hooks.LoadGame = [this] { ++loadRequests; };
    board->SetHooks(hooks);
    board->LoadWindow();
    board->BindEngine(engine);
}

void RulesBoard::Send(const InputEvent& event) {
    platform.QueueEvent(event);
    platform.ProcessPendingEvents();
}

void RulesBoard::Press(int file, int row, int button) {
    const bool flipped = board->View().BoardFlipped();
    Send(BoardEvent(InputEvent::Kind::MouseDown, SquareX(file, flipped), SquareY(row, flipped), button));
}

void RulesBoard::Release(int file, int row, int button) {
    const bool flipped = board->View().BoardFlipped();
    Send(BoardEvent(InputEvent::Kind::MouseUp, SquareX(file, flipped), SquareY(row, flipped), button));
}

void RulesBoard::Drag(int fromFile, int fromRow, int toFile, int toRow) {
    const bool flipped = board->View().BoardFlipped();
    Press(fromFile, fromRow);
    Send(BoardEvent(InputEvent::Kind::MouseMove, SquareX(toFile, flipped) - 7, SquareY(toRow, flipped) + 5));
    Send(BoardEvent(InputEvent::Kind::MouseMove, SquareX(toFile, flipped), SquareY(toRow, flipped)));
    Release(toFile, toRow);
}

void RulesBoard::ClickClick(int fromFile, int fromRow, int toFile, int toRow) {
    Press(fromFile, fromRow);
    Release(fromFile, fromRow);
    Press(toFile, toRow);
    Release(toFile, toRow);
}

void RulesBoard::QueueOnceWhile(std::function<bool()> busy, std::vector<InputEvent> events) {
    platform.SetProcessHook([this, busy, events] {
        if (injected || !busy()) return;
        injected = true;
        for (const InputEvent& event : events) platform.QueueEvent(event);
    });
}

void RulesBoard::EngineSays(const std::string& moveLine) {
    board->Output().Interpret("\a");
    board->Output().Interpret(moveLine);
}

} // namespace varnix::test
