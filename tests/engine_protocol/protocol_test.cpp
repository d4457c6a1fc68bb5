// The engine text protocol as the program meets it, through varnix_EngineStart.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/api/varnix_engine.h"
#include "engine/board.h"
#include "engine/protocol_command.h"
#include "engine/protocol_texts.h"
#include "engine/san.h"
#include "protocol_host.h"

namespace varnix::engine::testing {
namespace {

// Budgets small enough to keep the suite fast: 30 ms a move.
const std::vector<Step> kFastClocks = {{"whitetime 300", ""}, {"blacktime 300", ""}};

std::vector<Step> Fast(std::vector<Step> steps) {
    steps.insert(steps.begin(), kFastClocks.begin(), kFastClocks.end());
    return steps;
}

int NumberOf(const std::string& moveLine) {
    const std::optional<MoveLineParts> parts = ReadMoveLine(moveLine);
    EXPECT_TRUE(parts.has_value()) << moveLine;
    return parts ? parts->number : -1;
}

std::string SanOf(const std::string& moveLine) {
    const std::optional<MoveLineParts> parts = ReadMoveLine(moveLine);
    return parts ? parts->san : std::string();
}

TEST(ProtocolMoveLine, IsABellTextThenTheMoveWithItsNumber) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<int> numbers;
    };
    const std::vector<Case> cases = {
        {"go after new", {{"e4", "): "}, {"new", ""}, {"go", "): "}}, {1, 1}},
        {"user moves", {{"e4", "): "}, {"Nf3", "): "}}, {1, 2}},
        {"setboard and movenumber",
         {{"setboard rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2", ""},
          {"black", ""},
          {"movenumber 3", ""},
          {"go", "): "}},
         {2}},
        {"movenumber overrides the FEN", {{"setboard 7k/8/8/8/8/8/1R6/K7 w - - 0 1", ""}, {"movenumber 40", ""}, {"go", "): "}}, {21}},
        {"long algebraic user move", {{"e2e4", "): "}}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> texts = RunScript(Fast(c.steps));
        const std::vector<std::string> lines = MoveLines(texts);
        ASSERT_EQ(lines.size(), c.numbers.size());
        for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(NumberOf(lines[i]), c.numbers[i]);
    }
}

TEST(ProtocolGameEnd, MateAndStalemateOnEitherSidesMove) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::string result;
        bool engineMoved;
    };
    const std::vector<Case> cases = {
        {"engine mates as White",
         {{"setboard 6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1", ""}, {"go", "analyze complete"}},
         "1-0 {White mates}", true},
        {"engine mates as Black",
         {{"setboard r5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", ""}, {"go", "analyze complete"}},
         "0-1 {Black mates}", true},
        {"user mates as White",
         {{"setboard 6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1", ""}, {"Ra8#", "analyze complete"}},
         "1-0 {White mates}", false},
        {"user mates as Black",
         {{"setboard r5k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", ""}, {"Ra1", "analyze complete"}},
         "0-1 {Black mates}", false},
        {"user stalemates", {{"setboard 7k/8/5K2/8/8/8/8/6Q1 w - - 0 1", ""}, {"Qg6", "analyze complete"}},
         "1/2-1/2 {stalemate}", false},
        {"engine stalemates rather than lose",
         {{"setboard 8/8/8/8/8/8/p7/k1K5 w - - 0 1", ""}, {"go", "analyze complete"}}, "1/2-1/2 {stalemate}", true},
        {"go with no legal move", {{"setboard 7k/8/5KQ1/8/8/8/8/8 b - - 0 1", ""}, {"go", "analyze complete"}},
         "1/2-1/2 {stalemate}", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> texts = RunScript(Fast(c.steps));
        const int at = Find(texts, c.result);
        ASSERT_GE(at, 0);
        ASSERT_LT(at + 1, int(texts.size()));
        EXPECT_EQ(texts[at + 1], "analyze complete");
        EXPECT_EQ(MoveLines(texts).size(), c.engineMoved ? 1u : 0u);
        if (c.engineMoved) {
            EXPECT_EQ(texts[at - 2], "\a");
        }
    }
}

TEST(ProtocolForce, AnnouncesTheBestMoveSoFarOrAnalyzeComplete) {
    // 100 s budget: only "force" can end this search within the test's run.
    std::vector<std::string> texts = RunScript({{"whitetime 1000000", ""}, {"go", ""}, {"force", "): "}});
    const std::vector<std::string> lines = MoveLines(texts);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(NumberOf(lines[0]), 1);
    EXPECT_EQ(Find(texts, "analyze complete"), -1);

    texts = RunScript({{"force", "analyze complete"}});
    EXPECT_TRUE(MoveLines(texts).empty());
}

TEST(ProtocolForce, WhilePonderingEndsThePonderAndAnswersAnalyzeComplete) {
    const std::vector<std::string> texts =
        RunScript(Fast({{"ponder on", ""}, {"e4", "): "}, {"force", "analyze complete"}, {"d4", "): "}}));
    EXPECT_EQ(MoveLines(texts).size(), 2u);
}

TEST(ProtocolPonder, EveryUserReplyIsAnsweredWhilePondering) {
    std::vector<Step> steps = {{"ponder on", ""}};
    for (const char* move : {"e4", "Nf3", "Bc4", "d3", "O-O"}) steps.push_back({move, "): |Error"});
    const std::vector<std::string> texts = RunScript(Fast(steps));
    // The replies are not known in advance; whatever the engine answers, each
    // user move that was legal got exactly one move line.
    const std::vector<std::string> lines = MoveLines(texts);
    const int errors = int(std::count_if(texts.begin(), texts.end(), [](const std::string& t) { return t.starts_with("Error"); }));
    EXPECT_EQ(int(lines.size()) + errors, 5);
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_GE(NumberOf(lines[i]), 1);
}

TEST(ProtocolErrors, UnreadableLinesAreAnsweredAndChangeNothing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"e5", "Error: illegal move: e5"},
        {"Nd2", "Error: illegal move: Nd2"},
        {"e2e5", "Error: illegal move: e2e5"},
        {"xyzzy", "Error: unknown command: xyzzy"},
        {"skill lots", "Error: unknown command: skill lots"},
        {"whitetime -5", "Error: unknown command: whitetime -5"},
        {"ponder maybe", "Error: unknown command: ponder maybe"},
        {"setboard 8/8/8 w - - 0 1", "Error: illegal position: setboard 8/8/8 w - - 0 1"},
    };
    std::vector<Step> steps;
    for (const auto& [line, error] : cases) steps.push_back({line, "analyze complete"});
    steps.push_back({"e4", "): "});  // the board is still the start position
    const std::vector<std::string> texts = RunScript(Fast(steps));
    ASSERT_GE(texts.size(), 2 * cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(texts[2 * i], cases[i].second);
        EXPECT_EQ(texts[2 * i + 1], "analyze complete");
    }
    ASSERT_EQ(MoveLines(texts).size(), 1u);
    EXPECT_EQ(NumberOf(MoveLines(texts)[0]), 1);
}

TEST(ProtocolSide, SideCommandSetsTheSideToMove) {
    // The FEN says White, "black" puts Black on move: the engine moves a black piece.
    const std::vector<std::string> texts =
        RunScript(Fast({{"setboard 4k3/4p3/8/8/8/8/4P3/4K3 w - - 0 1", ""}, {"black", ""}, {"go", "): "}}));
    const std::vector<std::string> lines = MoveLines(texts);
    ASSERT_EQ(lines.size(), 1u);
    const Board board = *Board::FromFen("4k3/4p3/8/8/8/8/4P3/4K3 b - - 0 1");
    EXPECT_TRUE(ReadMove(board, SanOf(lines[0])).has_value()) << lines[0];

    // Black to move while White stands in check cannot be: refused, board kept.
    const std::vector<std::string> refused = RunScript(
        Fast({{"setboard 4k3/8/8/8/8/8/4r3/4K3 w - - 0 1", ""}, {"black", "analyze complete"}, {"go", "): "}}));
    EXPECT_EQ(Find(refused, "Error: illegal position: black"), Find(refused, "Error"));
    EXPECT_GE(Find(refused, "Error"), 0);
    ASSERT_EQ(MoveLines(refused).size(), 1u);
    EXPECT_TRUE(ReadMove(*Board::FromFen("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1"), SanOf(MoveLines(refused)[0])));
}

TEST(ProtocolDrawClaim, ComesRightAfterTheEnginesOwnMoveLine) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char* claim;  // part of the claim expected
    };
    const std::vector<Case> cases = {
        {"fifty moves", {{"setboard 7k/8/8/8/8/8/1R6/K7 w - - 99 80", ""}, {"go", "): "}}, "fifty-move"},
        {"fifty moves while pondering",
         {{"ponder on", ""}, {"setboard 7k/8/8/8/8/8/1R6/K7 w - - 99 80", ""}, {"go", "): "}},
         "fifty-move"},
        {"insufficient material after the user's capture",
         {{"setboard 7k/8/8/8/8/3N4/1r6/K7 w - - 0 1", ""}, {"Nxb2", "): "}}, "insufficient material"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> texts = RunScript(Fast(c.steps));
        for (int at = Find(texts, "claim a draw"); at >= 0; at = Find(texts, "claim a draw", at + 1)) {
            ASSERT_GE(at, 2);
            EXPECT_EQ(texts[at - 2], "\a");
        }
        const int at = Find(texts, "claim a draw");
        ASSERT_GE(at, 0);
        EXPECT_NE(texts[at].find(c.claim), std::string::npos) << texts[at];
    }
}

TEST(ProtocolLoop, PumpKeepsBeingCalledWhileSearching) {
    ProtocolHost host;
    int pumpsAtGo = -1, pumpsAtMove = -1;
    host.next = [&](ProtocolHost& h) -> std::optional<std::string> {
        if (pumpsAtGo < 0) {
            pumpsAtGo = h.pumpCalls;
            return "whitetime 3000";  // 300 ms
        }
        if (pumpsAtGo + 1 == h.pumpCalls) return "go";
        if (pumpsAtMove < 0 && !MoveLines(h.texts).empty()) {
            pumpsAtMove = h.pumpCalls;
            return "quit";
        }
        return std::nullopt;
    };
    host.Run();
    EXPECT_FALSE(host.gaveUp);
    EXPECT_GE(pumpsAtMove - pumpsAtGo, 5);
}

TEST(ProtocolLoop, CallbacksMayReenterTheLibrary) {
    ProtocolHost host;
    int nestedStartReturned = 0;
    std::string copiedAgain;
    bool queued = false;
    host.next = [&](ProtocolHost& h) -> std::optional<std::string> {
        char buffer[8] = "garbage";
        varnix_GetTxt(buffer);  // nothing is being announced inside the pump
        EXPECT_STREQ(buffer, "");
        if (h.pumpCalls == 1) return "whitetime 300";
        if (h.pumpCalls == 2) return "go";
        return MoveLines(h.texts).size() >= 2 ? std::optional<std::string>("quit") : std::nullopt;
    };
    host.onText = [&](ProtocolHost&, const std::string& text) {
        if (queued || !text.starts_with("move (")) return;
        queued = true;
        std::string again(text.size() + 1, '#');
        varnix_GetTxt(again.data());
        copiedAgain = again.c_str();
        VarnixPosition position{};
        VarnixMoveList list{};
        varnix_GetMove(&position, 0, &list);
        varnix_EngineStart([] {}, [](int32_t) {});
        ++nestedStartReturned;
        varnix_ReceiveTxt("blacktime 300");
        varnix_ReceiveTxt("go");  // acted on after this callback returns
    };
    host.Run();
    EXPECT_FALSE(host.gaveUp);
    EXPECT_EQ(nestedStartReturned, 1);
    EXPECT_EQ(copiedAgain, MoveLines(host.texts).front());
    const std::vector<std::string> lines = MoveLines(host.texts);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(NumberOf(lines[1]), 1);  // Black's first move
}

TEST(ProtocolLoop, ExportsOutsideALoopAreHarmless) {
    char buffer[4] = "abc";
    varnix_GetTxt(buffer);
    EXPECT_STREQ(buffer, "");
    varnix_GetTxt(nullptr);
    varnix_ReceiveTxt("go");
    varnix_ReceiveTxt(nullptr);
    varnix_add_time(100);
    varnix_EngineStart(nullptr, nullptr);
    // A line handed in with no loop running is not kept for the next one.
    const std::vector<std::string> texts = RunScript({});
    EXPECT_TRUE(texts.empty());
}

// The texts the program's interpreter acts on.
TEST(ProtocolTexts, EchoedLinesCannotTriggerTheProgram) {
    EXPECT_EQ(ErrorText("unknown command", "foo"), "Error: unknown command: foo");
    for (const char* line : {"say analyze complete", "x): y", "I claim a draw", "White mates!", "I offer a draw"}) {
        const std::string text = ErrorText("unknown command", line);
        for (const char* acted : {"analyze complete", "): ", "claim a draw", "stalemate", "White mates",
                                  "Black mates", "I offer a draw"})
            EXPECT_EQ(text.find(acted), std::string::npos) << text;
    }
    EXPECT_EQ(ErrorText("illegal move", "\ae4\r"), "Error: illegal move: ?e4?");
}

TEST(ProtocolCommand, ReadsEachCommandAndItsArgument) {
    struct Case {
        const char* line;
        CommandKind kind;
        int64_t number;
    };
    const Case cases[] = {
        {"  go \r", CommandKind::Go, 0},          {"", CommandKind::Empty, 0},
        {"movenumber 17", CommandKind::MoveNumber, 17}, {"blacktime 0", CommandKind::BlackTime, 0},
        {"movenumber", CommandKind::Unknown, 0},   {"skill 7x", CommandKind::Unknown, 0},
        {"blacktime 99999999999999999999", CommandKind::Unknown, 0},
        {"setboard", CommandKind::Unknown, 0},     {"Nbd2", CommandKind::Move, 0},
        {"GO", CommandKind::Unknown, 0},           {"newgame", CommandKind::Unknown, 0},
    };
    for (const Case& c : cases) {
        const Command command = ParseCommand(c.line);
        EXPECT_EQ(command.kind, c.kind) << c.line;
        EXPECT_EQ(command.number, c.number) << c.line;
    }
    const Command setboard = ParseCommand("setboard  8/8/8/8/8/8/8/K1k5 w - - 0 1 ");
    EXPECT_EQ(setboard.kind, CommandKind::SetBoard);
    EXPECT_EQ(setboard.argument, "8/8/8/8/8/8/8/K1k5 w - - 0 1");
    EXPECT_FALSE(ParseCommand("ponder off").on);
}

}  // namespace
}  // namespace varnix::engine::testing
