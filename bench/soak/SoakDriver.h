// The whole program on the headless platform with the real engine library's
// loop as the main loop, played by a simulated user: random legal moves by
// drag and click-click, stray presses, stepping, "Move now", "Stop thinking",
// new games, level and promotion changes, saving and loading. The checks run
// whenever the program is at rest between two of the user's steps.
#pragma once

#include "bench/soak/EngineMirror.h"
#include "bench/soak/SoakChecks.h"
#include "main_window/FrmBoard.h"
#include "main_window/GameFileBridge.h"
#include "main_window/files/GameFiles.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace varnix::soak {

struct SoakOptions {
    int Games = 20;
    std::uint32_t Seed = 1;
    int EngineMs = 5;
    bool Verbose = false;
    std::string EngineFolder; // "" : beside the executable
};

// "" when the arguments are good, else what is wrong with them.
std::string ParseSoakOptions(int argc, char** argv, SoakOptions& options);

class SoakDriver;

// The program object, with the messages and the accepted engine moves reported to the driver first.
class SoakBoard : public FrmBoard {
public:
    SoakBoard(Platform& platform, SoakDriver& driver) : FrmBoard(platform), driver_(driver) {}
    void ShowMessage(const std::string& prompt) override;

private:
    void PlayEngineMove(std::string_view moveText) override;
    SoakDriver& driver_;
};

class SoakDriver {
public:
    explicit SoakDriver(SoakOptions options);
    ~SoakDriver();

    // Plays the games; 0 when no check failed.
    int Run();

    // From the program object and the engine's text calls.
    void OnMessage(const std::string& prompt);
    void OnEngineMoveAccepted(std::string_view moveText);
    void OnLineSent(const char* line);
    void OnText(const char* text);
    bool InModal() const { return modalDepth_ > 0; }
    void ModalEntered() { ++modalDepth_; }
    void ModalLeft() { --modalDepth_; }

private:
    struct FileRoundTrip {
        RecordImage Before;
        bool UserPlaysWhite = true;
        std::int16_t PlyCount = 0;
    };

    void OnProcess();
    // Counts a step of the user and names it in the verbose log.
    void Begin(const char* what);
    void Tap();
    bool AtRest();
    void CheckAtRest();
    void NextStep();
    void UserTurnStep();
    void EngineThinkingStep();
    void EngineTurnStep();
    void StrayPress();
    void PlayRandomMove();
    void Step();
    void NewGame();
    void ChangeLevel();
    void ChangePromotion();
    void SaveAndLoad();
    void StopThinking(bool byButton);
    void MoveNow(bool byButton);
    void Fail(const std::string& why);
    void Quit();

    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    void Menu(const std::string& caption);
    void Click(const std::string& control);
    void Mouse(InputEvent::Kind kind, int x, int y, int button = 1);
    int SquareX(int file);
    int SquareY(int row);

    SoakOptions options_;
    std::mt19937 rng_;
    HeadlessPlatform platform_;
    EngineLibrary engine_;
    SoakBoard board_;
    GameFileBridge bridge_;
    GameFiles files_;
    std::optional<EngineMirror> mirror_;
    std::string folder_;
    bool tapped_ = false;
    bool quitting_ = false;
    bool failed_ = false;
    int handlerDepth_ = 0;
    int modalDepth_ = 0;
    int game_ = 1;
    long step_ = 0;
    long stepsInGame_ = 0;
    long waitedCalls_ = 0;
    int saves_ = 0;
    int messages_ = 0;
    int roundTrips_ = 0;
    bool emptySaveDue_ = false;
    std::optional<FileRoundTrip> roundTrip_;
};

} // namespace varnix::soak
