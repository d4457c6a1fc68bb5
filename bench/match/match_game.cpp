#include "match_game.h"

#include <algorithm>
#include <cstdint>

#include "engine/game_end.h"
#include "engine/game_line.h"
#include "engine/uci_move.h"
#include "node_budget.h"

namespace varnix::match {
namespace {

constexpr int kMostPlies = 400;
constexpr auto kGrace = std::chrono::seconds(3);
constexpr auto kClockTolerance = std::chrono::milliseconds(50);

Outcome WinFor(engine::Color side) { return side == engine::White ? Outcome::WhiteWins : Outcome::BlackWins; }

// The result when the game has ended in the current position, else nothing.
std::optional<GameRecord> Adjudicate(const engine::GameLine& line) {
    switch (engine::ResultWithoutMoves(line.Current())) {
        case engine::NoMoveResult::WhiteMates: return GameRecord{Outcome::WhiteWins, "mate"};
        case engine::NoMoveResult::BlackMates: return GameRecord{Outcome::BlackWins, "mate"};
        case engine::NoMoveResult::Stalemate: return GameRecord{Outcome::Draw, "stalemate"};
        case engine::NoMoveResult::None: break;
    }
    switch (engine::ClaimableDraw(line.Current(), line.Earlier())) {
        case engine::DrawClaim::Repetition: return GameRecord{Outcome::Draw, "threefold repetition"};
        case engine::DrawClaim::FiftyMoves: return GameRecord{Outcome::Draw, "fifty moves"};
        case engine::DrawClaim::InsufficientMaterial: return GameRecord{Outcome::Draw, "insufficient material"};
        case engine::DrawClaim::None: break;
    }
    return std::nullopt;
}

}  // namespace

GameRecord PlayGame(UciEngine& white, UciEngine& black, const std::string& fen, const MoveLimit& limit, int round) {
    int64_t clocks[2] = {limit.clockMs, limit.clockMs};  // by colour
    std::optional<engine::GameLine> line = engine::GameLine::FromFen(fen);
    if (!line) return {Outcome::Draw, "unreadable start position"};
    for (UciEngine* engine : {&white, &black}) {
        engine->Send("ucinewgame");
        engine->Send("isready");
        engine->WaitFor("readyok", UciEngine::Clock::now() + kGrace);
    }
    std::string moves;  // with a leading space, as the position command wants them
    for (int plies = 0;; ++plies) {
        if (std::optional<GameRecord> end = Adjudicate(*line)) {
            end->plies = plies;
            end->moves = moves;
            return *end;
        }
        if (plies == kMostPlies) return {Outcome::Draw, "move cap", plies, moves};
        const engine::Color side = line->Current().SideToMove();
        UciEngine& mover = side == engine::White ? white : black;
        mover.Send("position fen " + fen + (moves.empty() ? "" : " moves" + moves));
        const bool clocked = limit.clockMs > 0;
        const std::string inc = std::to_string(limit.incrementMs);
        mover.Send(clocked ? "go wtime " + std::to_string(clocks[engine::White]) + " btime " +
                                 std::to_string(clocks[engine::Black]) + " winc " + inc + " binc " + inc
                           : limit.nodes > 0 ? "go nodes " + std::to_string(NodesForMove(limit.nodes, round, plies))
                                             : "go movetime " + std::to_string(limit.moveTimeMs));
        const auto start = UciEngine::Clock::now();
        const auto deadline = start + std::chrono::milliseconds(clocked ? clocks[side] : limit.moveTimeMs) + kGrace;
        const std::optional<std::string> answer = mover.WaitFor("bestmove ", deadline);
        if (!answer) {
            // Its late answer must not be taken as the first move of the next game.
            mover.Send("stop");
            mover.WaitFor("bestmove ", UciEngine::Clock::now() + kGrace);
            return {WinFor(~side), mover.Name() + " gave no move in time", plies, moves};
        }
        if (clocked) {
            clocks[side] -= std::chrono::duration_cast<std::chrono::milliseconds>(UciEngine::Clock::now() - start).count();
            // A few milliseconds over are the pipe's, not the engine's.
            if (clocks[side] < -kClockTolerance.count()) return {WinFor(~side), mover.Name() + " lost on time", plies, moves};
            clocks[side] = std::max<int64_t>(clocks[side], 0) + limit.incrementMs;
        }
        const std::string text = answer->substr(9, answer->find(' ', 9) - 9);
        const engine::Move move = engine::MoveFromUci(line->Current(), text);
        if (!move) return {WinFor(~side), mover.Name() + " played the illegal move " + text, plies, moves};
        line->Play(move);
        moves += " " + text;
    }
}

}  // namespace varnix::match
