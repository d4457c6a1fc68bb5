// Whole games through the protocol, refereed by the engine's own rules: every
// announced move legal and numbered right, every end of game announced.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "engine/game_end.h"
#include "engine/game_line.h"
#include "engine/movegen.h"
#include "engine/protocol_texts.h"
#include "engine/san.h"
#include "protocol_host.h"

namespace varnix::engine::testing {
namespace {

constexpr int kGames = 24;
constexpr int kMostPlies = 50;

class Referee {
public:
    // The next line to hand in, or nothing while the engine is busy.
    std::optional<std::string> Next(const std::vector<std::string>& texts) {
        Read(texts);
        if (!pending_.empty()) {
            std::string line = pending_.front();
            pending_.pop_front();
            return line;
        }
        if (busy_) return std::nullopt;
        if (over_ || line_.PliesPlayed() - startPlies_ >= kMostPlies) return NextGame();
        busy_ = true;
        if (randomUser_ && line_.Current().SideToMove() == userSide_) return UserMove();
        return "go";
    }

    int gamesStarted = 0;
    int endsAnnounced = 0;
    std::vector<std::string> faults;

private:
    std::optional<std::string> NextGame() {
        if (gamesStarted == kGames) {
            busy_ = true;
            return "quit";
        }
        const int game = gamesStarted++;
        randomUser_ = game % 2 == 1;
        userSide_ = game % 4 == 1 ? White : Black;
        const bool endgame = game % 6 == 4;
        const char* fen = "4k3/8/8/8/8/8/8/3QK3 w - - 0 1";
        line_ = endgame ? *GameLine::FromFen(fen) : GameLine();
        startPlies_ = line_.PliesPlayed();
        over_ = false;
        pending_ = {"new", "skill " + std::to_string(game % 3 == 0 ? 100 : 10 + 15 * (game % 5)), "whitetime 30",
                    "blacktime 30", game % 4 == 3 ? "ponder on" : "ponder off"};
        if (endgame) pending_.push_back("setboard " + std::string(fen));
        return Next({});
    }

    // A random legal move, written as the program writes it: SAN without "+" or "#".
    std::string UserMove() {
        MoveList legal;
        GenerateLegal(line_.Current(), legal);
        const Move move = legal[int(random_() % unsigned(legal.Size()))];
        std::string san = MoveToSan(line_.Current(), move);
        if (san.back() == '+' || san.back() == '#') san.pop_back();
        line_.Play(move);
        ExpectEndAfterMove(false);
        return san;
    }

    void Read(const std::vector<std::string>& texts) {
        while (seen_ < texts.size()) {
            const std::string text = texts[seen_];
            if (text == kBell) {
                if (seen_ + 1 == texts.size()) return;  // the move text follows in the same burst
                EngineMove(texts[++seen_]);
                busy_ = !expected_.empty();
            } else if (!expected_.empty() && text == expected_.front()) {
                expected_.pop_front();
                if (expected_.empty()) {
                    ++endsAnnounced;
                    busy_ = false;
                }
            } else if (text == kAnalyzeComplete || text.starts_with("Error") ||
                       text.find("claim a draw") != std::string::npos || text.find('{') != std::string::npos) {
                faults.push_back("unexpected text: " + text);
                busy_ = false;
            }
            ++seen_;
        }
    }

    void EngineMove(const std::string& text) {
        const std::optional<MoveLineParts> parts = ReadMoveLine(text);
        if (!parts) {
            faults.push_back("not a move line: " + text);
            return;
        }
        if (parts->number != line_.MoveNumber()) faults.push_back("wrong number: " + text);
        const std::optional<Move> move = ReadMove(line_.Current(), parts->san);
        if (!move || MoveToSan(line_.Current(), *move) != parts->san) {
            faults.push_back("illegal or badly written: " + text + " in " + line_.Current().Fen());
            over_ = true;
            return;
        }
        line_.Play(*move);
        ExpectEndAfterMove(true);
    }

    void ExpectEndAfterMove(bool engineMoved) {
        const NoMoveResult result = ResultWithoutMoves(line_.Current());
        if (result != NoMoveResult::None) {
            expected_ = {ResultText(result), std::string(kAnalyzeComplete)};
            over_ = true;
            return;
        }
        const DrawClaim claim = engineMoved ? ClaimableDraw(line_.Current(), line_.Earlier()) : DrawClaim::None;
        if (claim == DrawClaim::None) return;
        expected_ = {ClaimText(claim)};
        over_ = true;  // the game could go on; the next one is more useful
    }

    GameLine line_;
    int startPlies_ = 0;
    bool over_ = true;
    bool busy_ = false;
    bool randomUser_ = false;
    Color userSide_ = White;
    size_t seen_ = 0;
    std::deque<std::string> pending_;
    std::deque<std::string> expected_;
    std::mt19937 random_{20261206};
};

TEST(SelfPlay, ShortGamesThroughTheProtocolStayLegalAndEndRight) {
    Referee referee;
    ProtocolHost host;
    host.maxPumpCalls = 60000;
    host.next = [&](ProtocolHost& h) { return referee.Next(h.texts); };
    host.Run();
    EXPECT_FALSE(host.gaveUp);
    EXPECT_EQ(referee.gamesStarted, kGames);
    EXPECT_GE(referee.endsAnnounced, 3);
    for (const std::string& fault : referee.faults) ADD_FAILURE() << fault;
}

}  // namespace
}  // namespace varnix::engine::testing
