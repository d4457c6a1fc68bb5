#include "core/MoveTextReader.h"

#include "core/MoveNotation.h"
#include "core/NotationText.h"

#include <utility>

namespace varnix {

namespace {

constexpr std::size_t ColonTailLimit = 100;

struct ReadResult {
    std::string text;
    bool failed = false;
};

ReadResult NoMatch() { return {}; }
ReadResult Failed(std::string text) { return {std::move(text), true}; }

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

// The piece code a promotion letter asks for; 0 when it names no piece.
std::uint8_t PromotionCode(char letter, bool black) {
    const int kind = PositionIn(PieceKindLetters, letter);
    if (kind == 0) return 0;
    return std::uint8_t(kind + (black ? 6 : 0));
}

// "ed": a capture named by its files. White takes the last match in the
// library's list, Black the first.
ReadResult ReadFilesOnlyCapture(const RecordCalls& calls, const Position& position, std::string_view t,
                                std::string_view promotion, std::int16_t side) {
    const bool black = side != 0;
    const MoveList legal = calls.GetLegalMoves(position, side);
    const Move* found = nullptr;
    for (int i = 0; i < legal.Count; ++i) {
        const Move& m = legal.Entries[i];
        if (!IsPawn(PieceAt(position, m.FromFile, m.FromRow))) continue;
        if (m.FromFile != FileOf(t[0]) || m.ToFile != FileOf(t[1])) continue;
        if (!promotion.empty() && m.Promote != PromotionCode(CharAt(promotion, 1), black)) continue;
        found = &m;
        if (black) break;
    }
    if (!found) return NoMatch();
    return {MoveToLongText(position, *found)};
}

// "e4": the nearest pawn of the side behind the target on its file; nothing
// between is looked at and the legal moves are not asked.
ReadResult ReadPush(const Position& position, std::string_view t, std::string_view promotion, bool black) {
    const int file = FileOf(t[0]);
    const int targetRow = RowOfRank(t[1]);
    if (IsOffBoard(1, targetRow)) return Failed(std::string(t));
    const std::uint8_t pawn = black ? BlackPawn : WhitePawn;
    const int step = black ? -1 : 1;
    const int lastRow = black ? 2 : 7;
    for (int row = targetRow; row * step <= lastRow * step; row += step) {
        if (PieceAt(position, file, row) != pawn) continue;
        return {std::string(1, t[0]) + char('0' + 9 - row) + '-' + std::string(t) + std::string(promotion)};
    }
    return NoMatch();
}

// "exd5": built from the text alone, the from-rank one behind the target's.
ReadResult ReadPawnCapture(std::string_view t, std::string_view promotion, bool black) {
    const char rank = CharAt(t, 3);
    if (IsOffBoard(1, RowOfRank(rank))) return Failed(std::string(t));
    const int fromRank = (rank - '0') + (black ? 1 : -1);
    return {std::string(1, t[0]) + std::to_string(fromRank) + 'x' + std::string(t.substr(2, 2)) +
            std::string(promotion)};
}

ReadResult ReadPawnMove(const RecordCalls& calls, const Position& position, std::string_view t,
                        std::string_view promotion, std::int16_t side) {
    const bool black = side != 0;
    if (t.find('x') != std::string_view::npos) return ReadPawnCapture(t, promotion, black);
    if (t.size() != 2) return NoMatch();
    if (t[1] < '0' || t[1] > '9') return ReadFilesOnlyCapture(calls, position, t, promotion, side);
    return ReadPush(position, t, promotion, black);
}

// Whether a legal move fits the from-square hint of a four-character text:
// a file letter, else a rank digit.
bool FitsFromHint(const Move& m, char hint) {
    if (IsFileLetter(hint)) return m.FromFile == FileOf(hint);
    return m.FromRow == RowOfRank(hint);
}

// "Nf3", "Nbd2", "R1a3" from the legal moves; "Ng1f3" from the text alone.
ReadResult ReadPieceMove(const RecordCalls& calls, const Position& position, std::string t, std::int16_t side) {
    if (const std::size_t x = t.find('x'); x != std::string::npos) t.erase(x, 1);
    if (t.size() < 3 || t.size() > 5) return NoMatch();
    int kind = PositionIn(PieceKindLetters, t[0]);
    if (kind == 0) kind = PositionIn(LocalPieceKindLetters, t[0]);
    const std::uint8_t piece = std::uint8_t(kind + (side != 0 ? 6 : 0));

    const std::string target = t.substr(t.size() - 2);
    const int toFile = FileOf(target[0]);
    const int toRow = RowOfRank(target[1]);
    if (IsOffBoard(1, toRow)) return Failed(std::move(t));
    const char separator = PieceAt(position, toFile, toRow) > 0 ? 'x' : '-';
    if (t.size() == 5) return {t.substr(1, 2) + separator + target};

    const MoveList legal = calls.GetLegalMoves(position, side);
    for (int i = 0; i < legal.Count; ++i) {
        const Move& m = legal.Entries[i];
        // The king's castling entry also lands on g1 or c1, but "Kg1" is no castling.
        if (m.Castle != 0) continue;
        if (PieceAt(position, m.FromFile, m.FromRow) != piece) continue;
        if (m.ToFile != toFile || m.ToRow != toRow) continue;
        if (t.size() == 4 && !FitsFromHint(m, t[1])) continue;
        return {SquareText(m.FromFile, m.FromRow) + separator + target};
    }
    return NoMatch();
}

ReadResult Read(const RecordCalls& calls, const Position& position, std::string_view text, std::int16_t side) {
    if (text.empty()) return NoMatch();
    if (IsResultOrPlaceholder(text)) return {std::string(text)};
    std::string t(text);

    const std::size_t keep = t.find_last_not_of(AnnotationMarks);
    if (keep == std::string::npos) return Failed(std::move(t));
    t.erase(keep + 1);

    // "e8Q" is "e8=Q".
    if (t.find('=') == std::string::npos && PositionIn(AnyPieceLetters, t.back()) != 0) t.insert(t.size() - 1, "=");
    std::string promotion;
    if (const std::size_t eq = t.find('='); eq != std::string::npos) {
        promotion = t.substr(eq, 2);
        if (const int local = PositionIn(LocalPieceKindLetters, CharAt(promotion, 1)); local != 0)
            promotion[1] = PieceKindLetters[std::size_t(local - 1)];
        t.erase(eq, 2);
    }

    // Castling is not checked against the position.
    const std::string lower = AsciiLower(t);
    if (lower == "o-o" || lower == "0-0") return {"o-o"};
    if (lower == "o-o-o" || lower == "0-0-0") return {"o-o-o"};
    if (side != FlagFalse && side != FlagTrue) return NoMatch();

    if (const std::size_t colon = t.find(':'); colon != std::string::npos)
        t = t.substr(0, colon) + 'x' + t.substr(colon + 1, ColonTailLimit);
    // "ed5" is "exd5".
    if (t.size() > 2 && IsFileLetter(t[0]) && IsFileLetter(t[1])) t.insert(1, "x");

    if (PositionIn(AnyPieceLetters, CharAt(t, 0)) != 0) return ReadPieceMove(calls, position, std::move(t), side);
    return ReadPawnMove(calls, position, t, promotion, side);
}

} // namespace

std::string MoveTextReader::ReadMoveText(const RecordCalls& calls, const Position& position, std::string_view text,
                                         std::int16_t side) {
    ReadResult result = Read(calls, position, text, side);
    moveTextFailed_ = result.failed;
    return std::move(result.text);
}

Move LongTextToMove(const Position& position, std::string_view longText) {
    Move move{};
    const bool black = position.BlackToMove != 0;
    if (longText == "0-0" || longText == "o-o") move.Castle = 1;
    if (longText == "0-0-0" || longText == "o-o-o") move.Castle = 2;
    if (move.Castle != 0) {
        move.FromFile = 5;
        move.FromRow = black ? 1 : 8;
        return move;
    }

    move.FromFile = std::uint8_t(FileOf(CharAt(longText, 0)));
    move.FromRow = std::uint8_t(RowOfRank(CharAt(longText, 1)));
    move.ToFile = std::uint8_t(FileOf(CharAt(longText, 3)));
    move.ToRow = std::uint8_t(RowOfRank(CharAt(longText, 4)));

    // A capture onto an empty square can only be en passant.
    if (CharAt(longText, 2) == 'x') {
        if (IsOffBoard(move.ToFile, move.ToRow)) return move;
        if (PieceAt(position, move.ToFile, move.ToRow) == 0) {
            move.EpFile = move.ToFile;
            if (move.ToRow == 3) move.EpKind = 4;
            if (move.ToRow == 6) move.EpKind = 5;
        }
    }
    if (longText.find('=') != std::string_view::npos) move.Promote = PromotionCode(CharAt(longText, 6), black);
    return move;
}

} // namespace varnix
