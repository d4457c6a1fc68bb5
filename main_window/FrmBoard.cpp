#include "main_window/FrmBoard.h"

#include "board_view/ControlNames.h"
#include "board_view/MoveStatus.h"
#include "control/Levels.h"
#include "control/WaitSeconds.h"
#include "main_window/MenuTable.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace varnix {

namespace {

// The engine's callbacks carry no context: they reach the program through this one pointer.
FrmBoard* running = nullptr;

void PumpCallback() {
    if (running) running->Link().EnginePump();
}

void OutputCallback(std::int32_t length) {
    if (running) running->Output().Receive(length);
}

} // namespace

std::string AboutText() {
    return std::string("  Varnix Chess is a freeware, first released in 2009. You can play it versus computer with "
                       "powerful and quick artificial intelligence. ") +
           "Simple interface also provides quick keyboard shortcuts for moves. You can easily adjust computer "
           "strength. If you want computer can make a move instead of you by entering CTRL+M. " +
           "You can save and restore game at current position. Saved games can be used for later processing. " +
           "Their files are user friendly and ready for printing. " + "\r\n" + "  Good luck. Have a fun." +
           "\r\n\r\n" + std::string(28, ' ') + "Written by the Varnix Chess team";
}

FrmBoard::FrmBoard(Platform& platform)
    : platform_(platform), record_(calls_, *this), link_(platform, calls_, record_.State(), engineSettings_),
      view_(platform, record_.State(), selection_), msgContext_(platform),
      panel_(ControlParts{platform, calls_, record_, link_, view_, selection_, player_, ProgramTitle}),
      mouse_(panel_, selection_), output_(platform, link_, *this) {}

FrmBoard::~FrmBoard() {
    if (running == this) running = nullptr;
}

void FrmBoard::Load(EngineLibrary& engine, std::optional<std::string> folder) {
    LoadWindow();
    const bool loaded = engine.Load(folder ? *folder : EngineLibrary::ExecutableFolder());
    BindEngine(engine);
    platform_.ShowWindow();
    platform_.Repaint();
    if (loaded && engine.EngineStart()) {
        RunEngine(engine);
    } else {
        RunWithoutEngine(engine);
    }
}

void FrmBoard::LoadWindow() {
    platform_.SetEventHandler([this](const InputEvent& event) { HandleEvent(event); });
    platform_.SetControlVisible(AboutPanel, false);
    aboutText_ = AboutText();
    platform_.SetCaption(ProgramTitle);
    platform_.SetControlVisible(LampUserTurn, true);
    platform_.SetControlVisible(LampEngineTurn, false);
    engineSettings_.MoveTimeTenths = 10;
    engineSettings_.SkillValue = 100;
    if (const auto level = StoredLevel(platform_)) SetLevel(platform_, engineSettings_, *level);
    player_.ptp = WhiteQueen;
    view_.ShowLastMove = 1;
    record_.NewRecord();
    WaitSeconds(platform_, 0.5);
    panel_.Load();
    link_.ThinkingEnded();
}

void FrmBoard::BindEngine(const EngineLibrary& engine) {
    calls_ = engine.Records();
    link_.SetTextCalls({engine.ReceiveTxt(), engine.GetTxt()});
}

void FrmBoard::RunEngine(EngineLibrary& engine) {
    FrmBoard* const outer = running;
    running = this;
    engine.EngineStart()(&PumpCallback, &OutputCallback);
    running = outer;
}

void FrmBoard::RunWithoutEngine(const EngineLibrary& engine) {
    std::string why = engine.LoadError().empty() ? "it lacks the engine's start call" : engine.LoadError();
    ShowMessage("The chess engine could not be started: the engine library " + std::string(EngineLibrary::FileName) +
                " was looked for as " + engine.LoadedPath() + " (" + why +
                "). You can look at the board, but the computer will not play.");
    while (!closed_) {
        platform_.ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void FrmBoard::ShowMessage(const std::string& prompt) {
    ClsMain box(msgContext_);
    box.MsgBoxXP(prompt, "Varnix Chess", 0, 2, false, std::nullopt, 0);
}

void FrmBoard::ShowMove(std::string& text) {
    varnix::ShowMove(platform_, ProgramTitle, text, {record_.State().PlyCount, player_.UserPlaysWhite});
}

void FrmBoard::CloseWindow() {
    closed_ = true;
    if (hooks_.Close) {
        hooks_.Close();
        return;
    }
    // Nothing is sent or saved: the process ends here, whatever runs.
    std::_Exit(0);
}

void FrmBoard::HandleEvent(const InputEvent& event) {
    switch (event.kind) {
    case InputEvent::Kind::MouseDown:
        if (event.target == "board") mouse_.MouseDown(event.button, event.shift, event.x, event.y);
        break;
    case InputEvent::Kind::MouseMove:
        if (event.target == "board") mouse_.MouseMove(event.x, event.y);
        break;
    case InputEvent::Kind::MouseUp:
        if (event.target == "board") mouse_.MouseUp(event.button, event.shift, event.x, event.y);
        break;
    case InputEvent::Kind::MenuCommand: {
        const MenuCommand command = CommandOf(event.target);
        switch (command.group) {
        case MenuGroup::File: SubFileMenu_Click(command.index); break;
        case MenuGroup::Moves: SubMovesMenu_Click(command.index); break;
        case MenuGroup::Strength: cs_Click(command.index); break;
        case MenuGroup::Promotion: pprom_Click(command.index); break;
        case MenuGroup::Help: hlp_Click(); break;
        case MenuGroup::HomePage: hpg_Click(); break;
        case MenuGroup::None: break;
        }
        break;
    }
    case InputEvent::Kind::Click:
        if (const int index = PokeIndex(event.target); index >= 0) poke_Click(index);
        if (event.target == AboutOkButton) platform_.SetControlVisible(AboutPanel, false);
        break;
    case InputEvent::Kind::Close:
        CloseWindow();
        break;
    case InputEvent::Kind::KeyDown:
        break;
    }
}

void FrmBoard::SubFileMenu_Click(int index) {
    switch (index) {
    case 0: panel_.NewGameAsWhite(); break;
    case 1: panel_.NewGameAsBlack(); break;
    case 3:
        if (hooks_.SaveGame) hooks_.SaveGame();
        break;
    case 4:
        // The move or step being shown would go on in the loaded game.
        if (hooks_.LoadGame && !panel_.MoveInProgress() && !panel_.StepBusy()) hooks_.LoadGame();
        break;
    default: break;
    }
}

void FrmBoard::SubMovesMenu_Click(int index) {
    if (index < 0 || index >= int(MovesMenuCaptions.size())) return;
    for (std::size_t i = 0; i < MovesMenuCaptions.size(); ++i) {
        if (i != 4) platform_.SetMenuChecked(MovesMenuCaptions[i], int(i) == index);
    }
    constexpr std::array<int, 4> stepOf = {StepBack, StepForward, StepToStart, StepToEnd};
    if (index < 4) {
        panel_.MoveTAB(stepOf[std::size_t(index)], false);
    } else if (index == 5) {
        panel_.MoveNow();
    } else if (index == 6) {
        link_.InterruptEngine();
        platform_.SetMenuEnabled(MovesMenuCaptions[6], false);
    }
}

void FrmBoard::cs_Click(int index) {
    SetLevel(platform_, engineSettings_, std::int16_t(index));
    platform_.SaveSetting(SettingsApp, SettingsSection, SettingsLevelKey, std::to_string(index));
    link_.SetCurrentSkill();
}

void FrmBoard::pprom_Click(int index) {
    if (index < 0 || index >= int(PromotionCaptions.size())) return;
    for (std::size_t i = 0; i < PromotionCaptions.size(); ++i) {
        platform_.SetMenuChecked(PromotionCaptions[i], int(i) == index);
    }
    player_.ptp = std::uint8_t(index + 2);
}

void FrmBoard::poke_Click(int index) {
    if (index < 0 || index >= int(PokeMovesItem.size())) return;
    SubMovesMenu_Click(PokeMovesItem[std::size_t(index)]);
}

void FrmBoard::hlp_Click() {
    if (hooks_.ShowAbout) {
        hooks_.ShowAbout();
    } else {
        platform_.SetControlVisible(AboutPanel, true);
    }
}

void FrmBoard::hpg_Click() {
    if (hooks_.OpenHomePage) hooks_.OpenHomePage();
}

} // namespace varnix
