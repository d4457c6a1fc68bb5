// The whole program through FrmBoard::Load: the engine library's loop runs
// headless and the test acts from the platform's process hook, with the fake
// engine (scripted texts) and with the real one at a tiny budget.
#include "control/Levels.h"
#include "main_window/FrmBoard.h"
#include "main_window/MenuTable.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/control/ControlTestSupport.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <functional>

namespace varnix::test {
namespace {

using Lines = std::vector<std::string>;

// The fake engine's test controls, from the very library file the program loads.
class FakeEngine {
    template <typename F, typename... Args>
    auto Call(const char* name, Args... args) const {
        return reinterpret_cast<F*>(dlsym(handle_, name))(args...);
    }

public:
    FakeEngine() : handle_(dlopen(VARNIX_FAKE_ENGINE_DIR "/libVarnixChess.so", RTLD_NOW | RTLD_LOCAL)) {
        if (!handle_) return;
        Call<void()>("fake_Reset");
        Call<void(int)>("fake_SetRoundLimit", 20000);
    }
    ~FakeEngine() {
        if (handle_) dlclose(handle_);
    }
    bool Loaded() const { return handle_ != nullptr; }
    Lines Received() const {
        Lines lines;
        for (int i = 0; i < Call<int()>("fake_ReceivedCount"); ++i) lines.emplace_back(Call<const char*(int)>("fake_Received", i));
        return lines;
    }
    void QueueOutput(const char* text) const { Call<void(const char*)>("fake_QueueOutput", text); }

private:
    void* handle_ = nullptr;
};

// One run of the program; step is called from every event processing once the
// engine has taken the start-up lines, until it returns false, then "quit" goes out.
struct ProgramRun {
    explicit ProgramRun(std::shared_ptr<HeadlessSettings> settings = std::make_shared<HeadlessSettings>())
        : platform(settings), board(platform) {
        board.SetHooks(CloseHooks([] {}));
    }
    void Start(const std::string& folder, std::function<bool()> step) {
        platform.SetProcessHook([this, step] {
            if (quitting || !board.Link().Queue().Empty() || !started()) return;
            if (!step() || ++calls > CallLimit) {
                quitting = true;
                board.Link().SendCommand("quit");
            }
        });
        board.Load(engine, folder);
    }
    bool started() {
        // Until the library is bound nothing can have taken the start-up lines.
        return engine.EngineHandle() != nullptr;
    }

    static constexpr int CallLimit = 200000;
    HeadlessPlatform platform;
    EngineLibrary engine;
    FrmBoard board;
    bool quitting = false;
    int calls = 0;
};

TEST(ProgramLoop, WindowShowsAfterTheStartUpWaitThenTheEngineTakesTheStartUpLinesAndANewGameAsBlack) {
    FakeEngine fake;
    ASSERT_TRUE(fake.Loaded());
    ProgramRun run;
    int shownAtFirstStep = -2;
    run.Start(VARNIX_FAKE_ENGINE_DIR, [&] {
        if (shownAtFirstStep == -2) {
            shownAtFirstStep = run.platform.ShownAfterProcessCalls();
            run.platform.QueueEvent(MenuEvent("New Game as Black"));
        }
        return run.board.Link().Flags().EngineThinking == false;
    });
    // The half-second wait processes events before the window appears.
    EXPECT_GT(shownAtFirstStep, 0);
    EXPECT_EQ(fake.Received(), (Lines{"skill 100", "ponder on", "new", "new", "whitetime 10000", "blacktime 10000",
                                      "go", "quit"}));
}

TEST(ProgramLoop, AboutPanelOpensFromHelpAndClosesOnlyByItsOk) {
    FakeEngine fake;
    ASSERT_TRUE(fake.Loaded());
    ProgramRun run;
    std::vector<bool> seen;
    int step = 0;
    run.Start(VARNIX_FAKE_ENGINE_DIR, [&] {
        seen.push_back(run.platform.ControlVisible(AboutPanel));
        switch (step++) {
        case 0: run.platform.QueueEvent(MenuEvent("Help")); break;
        case 1: run.platform.QueueEvent(NamedEvent(InputEvent::Kind::Click, AboutPanel)); break;
        case 2: run.platform.QueueEvent(NamedEvent(InputEvent::Kind::Click, AboutOkButton)); break;
        default: return false;
        }
        return true;
    });
    EXPECT_EQ(seen, (std::vector<bool>{false, true, true, false}));
}

TEST(ProgramLoop, EngineTextsReachTheInterpreterAndTheirMessagesAreShown) {
    FakeEngine fake;
    ASSERT_TRUE(fake.Loaded());
    fake.QueueOutput("1/2-1/2 {stalemate} and 0-1 {Black mates}");
    ProgramRun run;
    run.Start(VARNIX_FAKE_ENGINE_DIR, [&] { return !run.board.Panel().result(); });
    EXPECT_TRUE(run.board.Panel().result());
    EXPECT_EQ(run.platform.ModalWindowsShown(), 2);
}

TEST(ProgramLoop, StoredLevelHoldsAcrossTwoStartsAndADamagedOneMarksNothing) {
    FakeEngine fake;
    ASSERT_TRUE(fake.Loaded());
    auto settings = std::make_shared<HeadlessSettings>();
    {
        ProgramRun first(settings);
        bool chosen = false;
        first.Start(VARNIX_FAKE_ENGINE_DIR, [&] {
            if (!chosen) first.platform.QueueEvent(MenuEvent("Level 3 - 0.5 sec"));
            return !std::exchange(chosen, true);
        });
    }
    {
        FakeEngine again;
        ProgramRun second(settings);
        second.Start(VARNIX_FAKE_ENGINE_DIR, [] { return false; });
        EXPECT_EQ(again.Received().front(), "skill 30");
        EXPECT_TRUE(second.platform.MenuChecked("Level 3 - 0.5 sec"));
    }
    {
        FakeEngine damaged;
        ProgramRun third(settings);
        third.platform.SaveSetting(SettingsApp, SettingsSection, SettingsLevelKey, "three");
        third.Start(VARNIX_FAKE_ENGINE_DIR, [] { return false; });
        EXPECT_EQ(damaged.Received().front(), "skill 100");
        EXPECT_EQ(third.board.Settings().MoveTimeTenths, 10);
        for (const Level& level : LevelTable) EXPECT_FALSE(third.platform.MenuChecked(level.Caption));
    }
}

TEST(ProgramLoop, WithoutTheEngineLibraryOneMessageNamesItAndTheWindowStaysUntilClosed) {
    HeadlessPlatform platform;
    FrmBoard board(platform);
    bool closed = false;
    board.SetHooks(CloseHooks([&] { closed = true; }));
    EngineLibrary engine;
    int calls = 0;
    platform.SetProcessHook([&] {
        if (platform.ModalWindowsShown() == 1 && ++calls == 3) platform.QueueEvent(NamedEvent(InputEvent::Kind::Close, ""));
    });
    board.Load(engine, "/nonexistent-folder");
    EXPECT_TRUE(closed);
    EXPECT_EQ(platform.ModalWindowsShown(), 1);
    EXPECT_EQ(engine.LoadedPath(), "/nonexistent-folder/libVarnixChess.so");
    EXPECT_EQ(board.Link().Queue().Text(), "skill 100\nponder on\nnew\n");
}

TEST(ProgramLoop, RealEngineAnswersADraggedMove) {
    ProgramRun run;
    bool dragged = false;
    run.Start(VARNIX_REAL_ENGINE_DIR, [&] {
        if (!dragged) {
            dragged = true;
            run.board.Settings().MoveTimeTenths = 0.1; // "whitetime 100"
            run.platform.QueueEvent(BoardEvent(InputEvent::Kind::MouseDown, SquareX(5, false), SquareY(7, false)));
            run.platform.QueueEvent(BoardEvent(InputEvent::Kind::MouseMove, SquareX(5, false), SquareY(5, false)));
            run.platform.QueueEvent(BoardEvent(InputEvent::Kind::MouseUp, SquareX(5, false), SquareY(5, false)));
        }
        return run.board.Record().State().MaxPly < 2;
    });
    ASSERT_LT(run.calls, ProgramRun::CallLimit);
    EXPECT_EQ(run.board.Record().GetMove(1), "e4");
    EXPECT_EQ(run.board.Record().State().MaxPly, 2);
    EXPECT_EQ(run.board.Record().State().CurrentPosition.BlackToMove, FlagFalse);
    EXPECT_NE(run.platform.Caption().find(run.board.Record().GetMove(2)), std::string::npos);
}

} // namespace
} // namespace varnix::test
