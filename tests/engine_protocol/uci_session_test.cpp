// The UCI front end fed line by line, answers read from a stream.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/board.h"
#include "engine/uci_move.h"
#include "engine/uci/uci_session.h"

namespace varnix::engine {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Last(const std::string& text) { return Lines(text).empty() ? "" : Lines(text).back(); }

// Runs the lines, waiting for each search to end, and returns what was written.
std::string Session(std::initializer_list<const char*> lines) {
    std::ostringstream out;
    {
        UciSession session(out);
        for (const char* line : lines) {
            session.HandleLine(line);
            const std::string_view text = line;
            if (text.starts_with("go") && text.find("infinite") == std::string_view::npos &&
                text.find("ponder") == std::string_view::npos)
                session.WaitForSearch();
        }
        session.WaitForSearch();
    }
    return out.str();
}

TEST(UciSession, IdentifiesItselfAndItsOptions) {
    const std::string out = Session({"uci", "isready"});
    for (const char* line : {"id name Varnix Chess", "id author the Varnix Chess team",
                             "option name Hash type spin default 64 min 1 max 4096",
                             "option name Skill type spin default 100 min 1 max 100",
                             "option name Ponder type check default false", "uciok", "readyok"})
        EXPECT_NE(out.find(std::string(line) + "\n"), std::string::npos) << line;
    EXPECT_NE(out.find("option name Threads type spin default 1 min 1 max "), std::string::npos);
}

TEST(UciSession, SearchesThePositionGivenAndAnswersWithALegalMove) {
    struct Case {
        const char* position;
        const char* go;
        const char* fenAfter;   // the position searched
        const char* expected;   // a forced answer, or nullptr
        const char* option = "isready";
    };
    const Case cases[] = {
        {"position startpos moves e2e4 e7e5 g1f3", "go depth 3",
         "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2", nullptr},
        {"position fen 6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1", "go depth 4", nullptr, "bestmove a1a8"},
        {"position fen 6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 1 moves a1a8", "go movetime 20", nullptr, "bestmove 0000"},
        {"position startpos", "go wtime 200 btime 200 winc 10 binc 10 movestogo 5",
         "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", nullptr},
        {"position startpos moves d2d4", "go depth 7", "rnbqkbnr/pppppppp/8/8/3P4/8/PPP1PPPP/RNBQKBNR b KQkq - 0 1",
         nullptr, "setoption name Threads value 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        const std::string out = Session({"setoption name Hash value 8", c.option, c.position, c.go});
        const std::string last = Last(out);
        if (c.expected != nullptr) {
            EXPECT_EQ(last.substr(0, std::string(c.expected).size()), c.expected);
            continue;
        }
        ASSERT_TRUE(last.starts_with("bestmove ")) << out;
        const std::string best = last.substr(9, last.find(' ', 9) - 9);
        EXPECT_TRUE(MoveFromUci(*Board::FromFen(c.fenAfter), best)) << best;
        EXPECT_NE(out.find("info depth "), std::string::npos) << out;
    }
}

TEST(UciSession, StopAndPonderhitEndSearchesThatWouldRunOn) {
    for (const char* end : {"stop", "ponderhit"}) {
        SCOPED_TRACE(end);
        const std::string go = std::string(end) == "stop" ? "go infinite" : "go ponder movetime 20";
        const std::string out = Session({"position startpos", go.c_str(), end});
        EXPECT_TRUE(Last(out).starts_with("bestmove ")) << out;
    }
}

TEST(UciSession, RefusesWhatItCannotRead) {
    const std::string out = Session({"position startpos moves e2e4 e2e4", "position fen nonsense", "frobnicate",
                                     "setoption name Colour value blue", "go depth 1"});
    EXPECT_NE(out.find("info string illegal move: e2e4"), std::string::npos);
    EXPECT_NE(out.find("info string unreadable position"), std::string::npos);
    EXPECT_NE(out.find("info string unknown command: frobnicate"), std::string::npos);
    EXPECT_NE(out.find("info string cannot set option: Colour"), std::string::npos);
    // The legal part of the move list stands: Black is to move after 1.e4.
    const std::string last = Last(out);
    ASSERT_TRUE(last.starts_with("bestmove ")) << out;
    EXPECT_TRUE(MoveFromUci(*Board::FromFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1"),
                         last.substr(9, 4)));
}

TEST(UciSession, BenchNodeCountIsTheSameEveryRun) {
    const auto nodes = [] {
        const std::string out = Session({"bench 3"});
        const size_t at = out.find("Nodes searched: ");
        EXPECT_NE(at, std::string::npos) << out;
        EXPECT_NE(out.find("Nodes/second: "), std::string::npos);
        return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at) - at);
    };
    EXPECT_EQ(nodes(), nodes());
}

}  // namespace
}  // namespace varnix::engine
