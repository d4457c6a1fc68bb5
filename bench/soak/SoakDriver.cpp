#include "bench/soak/SoakDriver.h"

#include "control/Levels.h"
#include "main_window/MenuTable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

namespace varnix::soak {

namespace {

// Long games and stuck ones give way to a new game.
constexpr std::int16_t PlyCap = 160;
constexpr long StepCap = 600;
// About fifteen seconds of the loop's 5 ms cycles without a word from the engine.
constexpr long WaitCap = 3000;

// The engine's text calls carry no context either: the tap reaches the driver through these.
SoakDriver* tapped = nullptr;
EngineLibrary::ReceiveTxtFn realReceive = nullptr;
EngineLibrary::GetTxtFn realGetTxt = nullptr;

void TapReceive(const char* line) {
    if (tapped) tapped->OnLineSent(line);
    realReceive(line);
}

void TapGetTxt(char* buffer) {
    realGetTxt(buffer);
    if (tapped) tapped->OnText(buffer);
}

bool ReadNumber(const char* text, long low, long high, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= low && value <= high;
}

} // namespace

std::string ParseSoakOptions(int argc, char** argv, SoakOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--verbose") {
            options.Verbose = true;
            continue;
        }
        if (i + 1 >= argc) return name + " needs a value";
        const char* value = argv[++i];
        long number = 0;
        if (name == "--engine-dir") {
            options.EngineFolder = value;
        } else if (name == "--games" && ReadNumber(value, 1, 1000000, number)) {
            options.Games = int(number);
        } else if (name == "--seed" && ReadNumber(value, 0, 0xffffffffL, number)) {
            options.Seed = std::uint32_t(number);
        } else if (name == "--engine-ms" && ReadNumber(value, 1, 10000, number)) {
            options.EngineMs = int(number);
        } else {
            return "bad option " + name + " " + value;
        }
    }
    return {};
}

void SoakBoard::ShowMessage(const std::string& prompt) {
    driver_.OnMessage(prompt);
    driver_.ModalEntered();
    FrmBoard::ShowMessage(prompt);
    driver_.ModalLeft();
}

void SoakBoard::PlayEngineMove(std::string_view moveText) {
    driver_.OnEngineMoveAccepted(moveText);
    Panel().PlayEngineMove(moveText);
}

SoakDriver::SoakDriver(SoakOptions options)
    : options_(std::move(options)), rng_(options_.Seed), board_(platform_, *this), bridge_(board_),
      files_(bridge_, platform_, board_.Record(), board_.Calls()) {
    FrmBoardHooks hooks;
    hooks.SaveGame = [this] { files_.SaveGame(); };
    hooks.LoadGame = [this] { files_.LoadGame(); };
    hooks.Close = [] {};
    board_.SetHooks(hooks);
    char pattern[] = "/tmp/varnix-soak-XXXXXX";
    if (const char* made = mkdtemp(pattern)) folder_ = made;
}

SoakDriver::~SoakDriver() {
    if (tapped == this) tapped = nullptr;
    // After a violation the saved games stay for a look.
    if (!folder_.empty() && !failed_) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

int SoakDriver::Run() {
    if (folder_.empty()) {
        std::fprintf(stderr, "varnix-soak: no temporary folder\n");
        return 2;
    }
    platform_.SetProcessHook([this] { OnProcess(); });
    board_.Load(engine_, options_.EngineFolder.empty() ? EngineLibrary::ExecutableFolder() : options_.EngineFolder);
    if (!tapped_) {
        std::fprintf(stderr, "varnix-soak: the engine library did not start (%s)\n", engine_.LoadError().c_str());
        return 2;
    }
    if (!failed_) {
        std::printf("varnix-soak: %d games, %ld steps, %d saves, %d round trips, %d messages, no violation\n",
                    options_.Games, step_, saves_, roundTrips_, messages_);
    }
    return failed_ ? 1 : 0;
}

// The engine's text calls and the window's event handler, wrapped once the library is bound.
void SoakDriver::Tap() {
    tapped_ = true;
    mirror_.emplace(board_.Calls());
    tapped = this;
    realReceive = engine_.ReceiveTxt();
    realGetTxt = engine_.GetTxt();
    board_.Link().SetTextCalls({&TapReceive, &TapGetTxt});
    platform_.SetEventHandler([this](const InputEvent& event) {
        ++handlerDepth_;
        board_.HandleEvent(event);
        --handlerDepth_;
    });
}

void SoakDriver::OnProcess() {
    if (quitting_ || engine_.EngineHandle() == nullptr) return;
    if (!tapped_) Tap();
    // Every level keeps its skill but thinks only a few milliseconds.
    board_.Settings().MoveTimeTenths = options_.EngineMs / 100.0;
    if (!AtRest()) {
        // The user does not wait for the animation or the redraw to end.
        if (!InModal() && !platform_.HasPendingEvents() && Chance(0.01)) StrayPress();
        return;
    }
    CheckAtRest();
    if (!quitting_) NextStep();
}

bool SoakDriver::AtRest() {
    return handlerDepth_ == 0 && !InModal() && !board_.Panel().MoveInProgress() && !board_.Panel().StepBusy() &&
           !platform_.HasPendingEvents() && board_.Link().Queue().Empty();
}

void SoakDriver::CheckAtRest() {
    if (std::string fault = ShownBoardFault(board_.Calls(), board_.Record()); !fault.empty()) return Fail(fault);
    // The note clears the flag when it appears.
    if (std::exchange(emptySaveDue_, false)) return Fail("a save of no moves said nothing");
    if (roundTrip_) {
        const FileRoundTrip trip = *roundTrip_;
        roundTrip_.reset();
        ++roundTrips_;
        const GameState& state = board_.Record().State();
        const RecordImage after = ImageUpTo(board_.Record(), state.MaxPly);
        if (after != trip.Before)
            return Fail("the record after a save and load is " + ImageText(after) + ", it was " +
                        ImageText(trip.Before));
        if (board_.Player().UserPlaysWhite != trip.UserPlaysWhite) return Fail("the loaded game changed sides");
    }
}

void SoakDriver::NextStep() {
    const GameRecord& record = board_.Record();
    const bool thinking = board_.Link().Flags().EngineThinking;
    if (thinking && ++waitedCalls_ > WaitCap) return Fail("the engine has not answered for fifteen seconds");
    if (!thinking) waitedCalls_ = 0;
    if (record.result() || record.State().MaxPly >= PlyCap || stepsInGame_ >= StepCap) {
        if (options_.Verbose)
            std::printf("game %d: %d half-moves, %s, %ld steps\n", game_, record.State().MaxPly,
                        record.result() ? "ended" : "capped", stepsInGame_);
        return NewGame();
    }
    if (thinking) return EngineThinkingStep();
    if (board_.Panel().EnginesTurn()) return EngineTurnStep();
    UserTurnStep();
}

void SoakDriver::UserTurnStep() {
    const int roll = Roll(100);
    if (roll < 60) return PlayRandomMove();
    if (roll < 70) return StrayPress();
    if (roll < 82) return Step();
    if (roll < 85) return MoveNow(Chance(0.5));
    if (roll < 88) return ChangeLevel();
    if (roll < 91) return ChangePromotion();
    if (roll < 98) return SaveAndLoad();
    NewGame();
}

void SoakDriver::EngineThinkingStep() {
    if (!Chance(0.12)) return;
    const int roll = Roll(100);
    if (roll < 30) return StrayPress();
    if (roll < 45) return Step();
    if (roll < 55) return MoveNow(Chance(0.5));
    if (roll < 70) return StopThinking(Chance(0.5));
    if (roll < 78) return ChangeLevel();
    if (roll < 82) return ChangePromotion();
    if (roll < 92) return SaveAndLoad();
    NewGame();
}

// Stepped back or loaded onto the engine's turn: the user asks it to move, or steps on.
void SoakDriver::EngineTurnStep() {
    if (Chance(0.7)) return MoveNow(Chance(0.5));
    if (Chance(0.5)) return Step();
    StrayPress();
}

void SoakDriver::StrayPress() {
    Begin("stray press");
    const int x = Roll(362), y = Roll(363);
    switch (Roll(3)) {
    case 0: // a right click anywhere
        Mouse(InputEvent::Kind::MouseDown, x, y, 2);
        Mouse(InputEvent::Kind::MouseUp, x, y, 2);
        break;
    case 1: // a press just off the board
        Mouse(InputEvent::Kind::MouseDown, Roll(2) ? x : Roll(board_.View().Geometry().BoardMargin), y);
        Mouse(InputEvent::Kind::MouseUp, x, Roll(2) ? y : 360);
        break;
    default: // a press on some square, released elsewhere
        Mouse(InputEvent::Kind::MouseDown, SquareX(1 + Roll(8)), SquareY(1 + Roll(8)));
        Mouse(InputEvent::Kind::MouseMove, x, y);
        Mouse(InputEvent::Kind::MouseUp, x, y);
        break;
    }
}

void SoakDriver::PlayRandomMove() {
    const Position& position = board_.Record().State().CurrentPosition;
    const MoveList list = board_.Calls().GetLegalMoves(position, position.BlackToMove);
    if (list.Count == 0) return Step();
    Begin("move");
    const Move& move = list.Entries[Roll(list.Count)];
    const int kingRow = position.BlackToMove != 0 ? 1 : 8;
    const int fromFile = move.Castle != 0 ? 5 : move.FromFile, fromRow = move.Castle != 0 ? kingRow : move.FromRow;
    const int toFile = move.Castle == 1 ? 7 : move.Castle == 2 ? 3 : move.ToFile;
    const int toRow = move.Castle != 0 ? kingRow : move.ToRow;
    if (Chance(0.6)) {
        Mouse(InputEvent::Kind::MouseDown, SquareX(fromFile), SquareY(fromRow));
        Mouse(InputEvent::Kind::MouseMove, (SquareX(fromFile) + SquareX(toFile)) / 2,
              (SquareY(fromRow) + SquareY(toRow)) / 2);
        Mouse(InputEvent::Kind::MouseMove, SquareX(toFile), SquareY(toRow));
        Mouse(InputEvent::Kind::MouseUp, SquareX(toFile), SquareY(toRow));
    } else {
        Mouse(InputEvent::Kind::MouseDown, SquareX(fromFile), SquareY(fromRow));
        Mouse(InputEvent::Kind::MouseUp, SquareX(fromFile), SquareY(fromRow));
        Mouse(InputEvent::Kind::MouseDown, SquareX(toFile), SquareY(toRow));
        Mouse(InputEvent::Kind::MouseUp, SquareX(toFile), SquareY(toRow));
    }
}

// One of the four steps, from the Moves menu or its picture button.
void SoakDriver::Step() {
    Begin("step");
    const int which = Roll(6) < 3 ? 0 : Roll(4); // mostly back, to try other moves from there
    if (Chance(0.5)) {
        Menu(MovesMenuCaptions[std::size_t(which)]);
    } else {
        for (std::size_t poke = 0; poke < PokeMovesItem.size(); ++poke) {
            if (PokeMovesItem[poke] == which) Click("poke" + std::to_string(poke));
        }
    }
}

void SoakDriver::NewGame() {
    Begin("new game");
    stepsInGame_ = 0;
    if (++game_ > options_.Games) return Quit();
    Menu(FileMenuCaptions[std::size_t(Roll(2))]);
}

void SoakDriver::ChangeLevel() {
    Begin("level");
    Menu(LevelTable[std::size_t(Roll(int(LevelTable.size())))].Caption);
}

void SoakDriver::ChangePromotion() {
    Begin("promotion piece");
    Menu(PromotionCaptions[std::size_t(Roll(int(PromotionCaptions.size())))]);
}

// Saved at the position shown and loaded back at once, as PGN or as the tab-separated sheet.
void SoakDriver::SaveAndLoad() {
    Begin("save and load");
    const GameState& state = board_.Record().State();
    const std::string path = folder_ + "/game" + std::to_string(++saves_) + (Chance(0.5) ? ".pgn" : ".txt");
    // A save of no moves shows no file dialog.
    if (state.PlyCount == 0) {
        emptySaveDue_ = true;
        return Menu(FileMenuCaptions[3]);
    }
    platform_.QueueFileAnswer(path);
    Menu(FileMenuCaptions[3]);
    roundTrip_ = FileRoundTrip{ImageUpTo(board_.Record(), state.PlyCount), board_.Player().UserPlaysWhite,
                               state.PlyCount};
    platform_.QueueFileAnswer(path);
    Menu(FileMenuCaptions[4]);
}

// A disabled menu item cannot be chosen; the picture button can always be pressed.
void SoakDriver::StopThinking(bool byButton) {
    Begin("stop thinking");
    if (byButton) return Click("poke5");
    if (platform_.MenuEnabled(MovesMenuCaptions[6])) Menu(MovesMenuCaptions[6]);
}

void SoakDriver::MoveNow(bool byButton) {
    Begin("move now");
    if (byButton) return Click("poke4");
    if (platform_.MenuEnabled(MovesMenuCaptions[5])) Menu(MovesMenuCaptions[5]);
}

void SoakDriver::Begin(const char* what) {
    ++step_;
    ++stepsInGame_;
    if (options_.Verbose) std::printf("game %d step %ld: %s\n", game_, step_, what);
}

void SoakDriver::OnMessage(const std::string& prompt) {
    ++messages_;
    if (options_.Verbose) std::printf("game %d step %ld: message \"%s\"\n", game_, step_, prompt.c_str());
    const bool emptySave = std::exchange(emptySaveDue_, false);
    const std::string fault =
        MessageFault(prompt, board_.Calls(), board_.Record().State().CurrentPosition, emptySave);
    if (!fault.empty()) Fail(fault);
}

void SoakDriver::OnEngineMoveAccepted(std::string_view moveText) {
    if (!mirror_) return;
    if (options_.Verbose)
        std::printf("  accepted %s at half-move %d (thinking %d, depth %d)\n", std::string(moveText).c_str(),
                    board_.Record().State().PlyCount, board_.Link().Flags().EngineThinking, handlerDepth_);
    const Position& shown = board_.Record().State().CurrentPosition;
    if (!SamePosition(mirror_->BeforeEngineMove(), shown)) {
        Fail("the engine moved " + std::string(moveText) + " on a board other than the one shown");
    }
}

void SoakDriver::OnLineSent(const char* line) {
    if (options_.Verbose) std::printf("  > %s\n", line);
    if (std::string fault = mirror_->LineSent(line); !fault.empty()) Fail(fault);
}

void SoakDriver::OnText(const char* text) {
    if (options_.Verbose && text[0] != '\a' && !std::strchr(text, ' ')) std::printf("  < %s\n", text);
    if (options_.Verbose && std::strstr(text, "): ")) std::printf("  < %s", text);
    if (std::string fault = mirror_->TextReceived(text); !fault.empty()) Fail(fault);
}

void SoakDriver::Fail(const std::string& why) {
    if (failed_) return;
    failed_ = true;
    std::fprintf(stderr, "varnix-soak: VIOLATION seed %u game %d step %ld: %s\n  record: %s\n  shown at half-move %d; saved games in %s\n",
                 options_.Seed, game_, step_, why.c_str(),
                 ImageText(ImageUpTo(board_.Record(), board_.Record().State().MaxPly)).c_str(),
                 board_.Record().State().PlyCount, folder_.c_str());
    Quit();
}

void SoakDriver::Quit() {
    quitting_ = true;
    board_.Link().SendCommand("quit");
}

void SoakDriver::Menu(const std::string& caption) {
    InputEvent event;
    event.kind = InputEvent::Kind::MenuCommand;
    event.target = caption;
    platform_.QueueEvent(event);
}

void SoakDriver::Click(const std::string& control) {
    InputEvent event;
    event.kind = InputEvent::Kind::Click;
    event.target = control;
    platform_.QueueEvent(event);
}

void SoakDriver::Mouse(InputEvent::Kind kind, int x, int y, int button) {
    InputEvent event;
    event.kind = kind;
    event.target = "board";
    event.x = x;
    event.y = y;
    event.button = button;
    platform_.QueueEvent(event);
}

int SoakDriver::SquareX(int file) {
    const BoardGeometry& g = board_.View().Geometry();
    const int column = board_.View().BoardFlipped() ? 9 - file : file;
    return g.BoardMargin + (column - 1) * g.SquareSize + g.SquareSize / 2;
}

int SoakDriver::SquareY(int row) {
    const BoardGeometry& g = board_.View().Geometry();
    const int line = board_.View().BoardFlipped() ? 9 - row : row;
    return g.BoardMargin + (line - 1) * g.SquareSize + g.SquareSize / 2;
}

} // namespace varnix::soak
