#include "core/MoveNotation.h"

#include "core/MoveTextReader.h"
#include "core/NotationText.h"

namespace varnix {

namespace {

bool IsPromotionCode(std::uint8_t code) { return code >= 1 && code <= PromotionLetters.size(); }

// What goes between the piece letter and the target: the file when it tells the
// rivals apart, else the rank, else both. Only legal moves are rivals, so a
// pinned piece that cannot reach the square causes none.
std::string Disambiguation(const RecordCalls& calls, const Position& position, const Move& move,
                           std::uint8_t piece, std::int16_t side) {
    const MoveList legal = calls.GetLegalMoves(position, side);
    bool rival = false;
    bool sameFile = false;
    bool sameRow = false;
    for (int i = 0; i < legal.Count; ++i) {
        const Move& other = legal.Entries[i];
        if (other.FromFile == move.FromFile && other.FromRow == move.FromRow) continue;
        if (other.ToFile != move.ToFile || other.ToRow != move.ToRow) continue;
        if (PieceAt(position, other.FromFile, other.FromRow) != piece) continue;
        rival = true;
        if (other.FromFile == move.FromFile)
            sameFile = true;
        else if (other.FromRow == move.FromRow)
            sameRow = true;
    }
    if (!rival) return "";
    const std::string from = SquareText(move.FromFile, move.FromRow);
    if (!sameFile) return from.substr(0, 1);
    if (!sameRow) return from.substr(1, 1);
    return from;
}

} // namespace

std::string MoveToLongText(const Position& position, const Move& move) {
    if (move.Castle == 1) return "o-o";
    if (move.Castle == 2) return "o-o-o";
    const std::string from = SquareText(move.FromFile, move.FromRow);
    const std::string to = SquareText(move.ToFile, move.ToRow);
    if (from.empty() || to.empty()) return "";
    // An en-passant capture lands on an empty square and is still a capture.
    const bool capture = PieceAt(position, move.ToFile, move.ToRow) > 0 || move.EpFile != 0;
    std::string text = from + (capture ? 'x' : '-') + to;
    if (IsPromotionCode(move.Promote)) {
        text += '=';
        text += PromotionLetters[move.Promote - 1];
    }
    return text;
}

std::string LongTextToShort(const RecordCalls& calls, const Position& position, std::string_view longText,
                            std::int16_t side) {
    if (longText == "*" || IsResultOrPlaceholder(longText)) return std::string(longText);
    if (longText == "0-0") return "o-o";
    if (longText == "0-0-0") return "o-o-o";
    if (longText == "o-o") return "O-O";
    if (longText == "o-o-o") return "O-O-O";

    const std::string unchanged(longText);
    const Move move = LongTextToMove(position, longText);
    const std::string target = SquareText(move.ToFile, move.ToRow);
    const std::uint8_t piece = PieceAt(position, move.FromFile, move.FromRow);
    if (target.empty() || (!IsWhitePiece(piece) && !IsBlackPiece(piece))) return unchanged;
    const bool capture = longText.find('x') != std::string_view::npos;
    const std::string captureSign = capture ? "x" : "";

    if (IsPawn(piece)) {
        std::string suffix;
        if (longText.find('=') != std::string_view::npos) {
            if (!IsPromotionCode(move.Promote)) return unchanged;
            suffix = std::string("=") + PromotionLetters[move.Promote - 1];
        }
        if (!capture) return target + suffix;
        return FileLetters[move.FromFile - 1] + captureSign + target + suffix;
    }
    if (piece == WhiteKing || piece == BlackKing) return "K" + captureSign + target;
    return PromotionLetters[piece - 1] + Disambiguation(calls, position, move, piece, side) + captureSign + target;
}

} // namespace varnix
