#include "bench/soak/EngineMirror.h"

#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/GameState.h"
#include "engine_link/EngineOutput.h"

#include <algorithm>
#include <array>
#include <utility>

namespace varnix::soak {

namespace {

// Commands that leave the engine's board as it is.
constexpr std::array<std::string_view, 9> SettingWords = {"force",     "go",        "movenumber", "skill", "ponder",
                                                          "whitetime", "blacktime", "quit",       ""};

std::string_view FirstWord(std::string_view line) { return line.substr(0, line.find(' ')); }

} // namespace

EngineMirror::EngineMirror(const RecordCalls& calls) : calls_(calls) {
    FenToPosition(StandardStartFen, board_);
    beforeEngineMove_ = board_;
}

std::string EngineMirror::LineSent(std::string_view line) {
    const std::string_view word = FirstWord(line);
    if (word == "new") {
        FenToPosition(StandardStartFen, board_);
    } else if (word == "setboard") {
        FenToPosition(line.substr(std::min(line.size(), word.size() + 1)), board_);
    } else if (word == "white" || word == "black") {
        board_.BlackToMove = word == "black" ? FlagTrue : FlagFalse;
    } else if (std::find(SettingWords.begin(), SettingWords.end(), word) == SettingWords.end()) {
        return Play(line, "the user's move");
    }
    return {};
}

std::string EngineMirror::TextReceived(std::string_view text) {
    const bool due = std::exchange(moveLineDue_, !text.empty() && text.front() == '\a');
    if (text.starts_with("Error")) return "the engine refused a line: " + std::string(text);
    MoveLine line;
    if (!due || !ReadMoveLine(std::string(text), line) || line.Move.empty()) return {};
    beforeEngineMove_ = board_;
    return Play(line.Move, "the engine's move");
}

std::string EngineMirror::Play(std::string_view text, std::string_view whose) {
    const std::string longText = reader_.ReadMoveText(calls_, board_, text, board_.BlackToMove);
    const Move move = LongTextToMove(board_, longText);
    if (reader_.MoveTextFailed() || longText.empty() || IsResultText(longText) ||
        !IsListedMove(calls_, board_, move)) {
        return std::string(whose) + " \"" + std::string(text) + "\" is no legal move on the engine's board";
    }
    calls_.MakeMove(board_, move);
    board_.BlackToMove = board_.BlackToMove != 0 ? FlagFalse : FlagTrue;
    return {};
}

bool IsListedMove(const RecordCalls& calls, const Position& position, const Move& move) {
    const MoveList list = calls.GetLegalMoves(position, position.BlackToMove);
    for (int i = 0; i < list.Count; ++i) {
        const Move& entry = list.Entries[i];
        if (move.Castle != 0 ? entry.Castle == move.Castle
                             : entry.Castle == 0 && entry.FromFile == move.FromFile && entry.FromRow == move.FromRow &&
                                   entry.ToFile == move.ToFile && entry.ToRow == move.ToRow)
            return true;
    }
    return false;
}

bool SamePosition(const Position& a, const Position& b) {
    return std::equal(std::begin(a.Board), std::end(a.Board), std::begin(b.Board)) &&
           (a.BlackToMove != 0) == (b.BlackToMove != 0) && a.WhiteCastle == b.WhiteCastle &&
           a.BlackCastle == b.BlackCastle && a.EpFile == b.EpFile;
}

} // namespace varnix::soak
