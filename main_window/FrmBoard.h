// The main window's logic and the program object: it owns the game state, the
// record, the engine link, the board view and the controller, runs the
// start-up, and turns the window's events into the commands of its menus,
// picture buttons and board.
#pragma once

#include "board_view/BoardSelection.h"
#include "board_view/BoardView.h"
#include "control/BoardMouse.h"
#include "control/CtrlPanel.h"
#include "control/PlayerSettings.h"
#include "core/GameRecord.h"
#include "engine_link/EngineLibrary.h"
#include "engine_link/EngineLink.h"
#include "engine_link/EngineOutput.h"
#include "engine_link/EngineSettings.h"
#include "platform/Platform.h"
#include "skin/ClsMain.h"
#include "skin/MsgBoxContext.h"

#include <functional>
#include <optional>
#include <string>

namespace varnix {

// What other parts of the main window plug in: game files, the about panel, the home page.
struct FrmBoardHooks {
    std::function<void()> SaveGame;
    std::function<void()> LoadGame;
    std::function<void()> ShowAbout; // default: shows the about panel control
    std::function<void()> OpenHomePage;
    // Closing the window; default: the process ends at once with status 0.
    std::function<void()> Close;
};

class FrmBoard : private GameRecordEvents, private EngineOutputActions {
public:
    explicit FrmBoard(Platform& platform);
    ~FrmBoard() override;
    FrmBoard(const FrmBoard&) = delete;
    FrmBoard& operator=(const FrmBoard&) = delete;

    void SetHooks(FrmBoardHooks hooks) { hooks_ = std::move(hooks); }

    // The whole start-up. Returns once the engine loop has returned; without
    // the engine, once the window has been closed.
    void Load(EngineLibrary& engine, std::optional<std::string> folder = std::nullopt);
    // The parts of the start-up: everything before the engine library is
    // loaded, and taking the calls of a loaded library.
    void LoadWindow();
    void BindEngine(const EngineLibrary& engine);

    void HandleEvent(const InputEvent& event);
    void SubFileMenu_Click(int index);
    void SubMovesMenu_Click(int index);
    void cs_Click(int index);
    void pprom_Click(int index);
    void poke_Click(int index);
    void hlp_Click();
    void hpg_Click();
    bool BoardBorder(int x, int y) const { return mouse_.BoardBorder(x, y); }

    // Shows a message in the skinned box and waits until it is closed.
    void ShowMessage(const std::string& prompt) override;

    const RecordCalls& Calls() const { return calls_; }
    CtrlPanel& Panel() { return panel_; }
    EngineLink& Link() { return link_; }
    EngineOutput& Output() { return output_; }
    GameRecord& Record() { return record_; }
    BoardSelection& Selection() { return selection_; }
    BoardView& View() { return view_; }
    PlayerSettings& Player() { return player_; }
    EngineSettings& Settings() { return engineSettings_; }
    const std::string& AboutText() const { return aboutText_; }

private:
    // GameRecordEvents
    void ShowMove(std::string& text) override;
    void DropEngineSync() override { link_.DropEngineSync(); }
    // EngineOutputActions
    bool GameEnded() const override { return record_.result(); }
    void EndGame() override { record_.result(true); }
    std::int16_t PlyCount() const override { return record_.State().PlyCount; }
    void PlayEngineMove(std::string_view moveText) override { panel_.PlayEngineMove(moveText); }

    void RunEngine(EngineLibrary& engine);
    // Without the engine the window still answers until it is closed.
    void RunWithoutEngine(const EngineLibrary& engine);
    void CloseWindow();

    Platform& platform_;
    RecordCalls calls_;
    EngineSettings engineSettings_;
    PlayerSettings player_;
    GameRecord record_;
    EngineLink link_;
    BoardSelection selection_;
    BoardView view_;
    MsgBoxContext msgContext_;
    CtrlPanel panel_;
    BoardMouse mouse_;
    EngineOutput output_;
    FrmBoardHooks hooks_;
    std::string aboutText_;
    bool closed_ = false;
};

// The about panel's text.
std::string AboutText();

} // namespace varnix
