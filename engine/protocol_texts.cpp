#include "engine/protocol_texts.h"

#include <array>

#include "engine/movegen.h"
#include "engine/san.h"

namespace varnix::engine {
namespace {

// Texts that make the program act; no echo or thinking line may hold them.
constexpr std::array<std::string_view, 7> kActedOn = {
    "analyze complete", "claim a draw", "I offer a draw", "stalemate", "White mates", "Black mates", "): "};

}  // namespace

std::string MoveLine(int moveNumber, std::string_view san) {
    return "move (" + std::to_string(moveNumber) + "): " + std::string(san) + " \n";
}

std::string ResultText(NoMoveResult result) {
    switch (result) {
        case NoMoveResult::WhiteMates: return "1-0 {White mates}";
        case NoMoveResult::BlackMates: return "0-1 {Black mates}";
        case NoMoveResult::Stalemate: return "1/2-1/2 {stalemate}";
        case NoMoveResult::None: break;
    }
    return {};
}

std::string ClaimText(DrawClaim claim) {
    switch (claim) {
        case DrawClaim::Repetition: return "1/2-1/2 {I claim a draw by threefold repetition}";
        case DrawClaim::FiftyMoves: return "1/2-1/2 {I claim a draw by the fifty-move rule}";
        case DrawClaim::InsufficientMaterial: return "1/2-1/2 {I claim a draw by insufficient material}";
        case DrawClaim::None: break;
    }
    return {};
}

std::string ErrorText(std::string_view kind, std::string_view line) {
    std::string echo;
    for (const char c : line) echo += (static_cast<unsigned char>(c) < 32 || c == 127) ? '?' : c;
    for (const std::string_view phrase : kActedOn) {
        for (size_t at = echo.find(phrase); at != std::string::npos; at = echo.find(phrase, at))
            echo.replace(at, phrase.size(), "<...>");
    }
    return "Error: " + std::string(kind) + ": " + echo;
}

std::string ThinkingLine(const Board& root, const SearchInfo& info) {
    const int score = !info.isMate ? info.scoreCp
                      : info.mateInMoves > 0 ? 100000 + info.mateInMoves
                                             : -100000 + info.mateInMoves;
    std::string line = std::to_string(info.depth) + " " + std::to_string(score) + " " +
                       std::to_string(info.elapsedMs / 10) + " " + std::to_string(info.nodes);
    Board board = root;
    for (const Move move : info.pv) {
        if (!IsLegalMove(board, move)) break;
        line += " " + MoveToSan(board, move);
        board.MakeMove(move);
    }
    return line;
}

}  // namespace varnix::engine
