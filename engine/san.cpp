#include "engine/san.h"

#include "engine/movegen.h"
#include "engine/uci_move.h"

namespace varnix::engine {
namespace {

constexpr std::string_view kPieceLetters = " PNBRQK";

char FileLetter(Square s) { return char('a' + FileOf(s)); }
char RankDigit(Square s) { return char('1' + RankOf(s)); }

bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
bool IsRank(char c) { return c >= '1' && c <= '8'; }

PieceType PromotionFromLetter(char c) {
    switch (c) {
        case 'Q': case 'q': return Queen;
        case 'R': case 'r': return Rook;
        case 'B': case 'b': return Bishop;
        case 'N': case 'n': return Knight;
        default: return NoPieceType;
    }
}

PieceType PieceFromLetter(char c) {
    const size_t at = kPieceLetters.find(c);
    return at == std::string_view::npos || at == 0 || c == 'P' ? NoPieceType : PieceType(at);
}

// What a move text says, before it is matched against the legal moves.
struct MoveSyntax {
    bool castle = false;
    bool kingSide = false;
    PieceType piece = NoPieceType;  // NoPieceType with both from coordinates: any piece
    int fromFile = -1;
    int fromRank = -1;
    Square to = NoSquare;
    PieceType promotion = NoPieceType;
};

std::optional<MoveSyntax> ParseSyntax(std::string_view text) {
    while (!text.empty() && std::string_view("+#!?").find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    MoveSyntax syntax;
    if (text == "O-O" || text == "0-0" || text == "o-o" || text == "O-O-O" || text == "0-0-0" || text == "o-o-o") {
        syntax.castle = true;
        syntax.kingSide = text.size() == 3;
        return syntax;
    }
    // Promotion: "=Q", or a bare letter right after the target rank ("e8Q", "e7e8q").
    if (text.size() >= 3 && PromotionFromLetter(text.back()) != NoPieceType &&
        (text[text.size() - 2] == '=' || IsRank(text[text.size() - 2]))) {
        syntax.promotion = PromotionFromLetter(text.back());
        text.remove_suffix(text[text.size() - 2] == '=' ? 2 : 1);
    }
    if (text.size() < 2 || !IsFile(text[text.size() - 2]) || !IsRank(text.back())) return std::nullopt;
    syntax.to = MakeSquare(text[text.size() - 2] - 'a', text.back() - '1');
    text.remove_suffix(2);

    if (!text.empty() && PieceFromLetter(text.front()) != NoPieceType) {
        syntax.piece = PieceFromLetter(text.front());
        text.remove_prefix(1);
    }
    if (!text.empty() && IsFile(text.front())) {
        syntax.fromFile = text.front() - 'a';
        text.remove_prefix(1);
    }
    if (!text.empty() && IsRank(text.front())) {
        syntax.fromRank = text.front() - '1';
        text.remove_prefix(1);
    }
    const bool fullFrom = syntax.fromFile >= 0 && syntax.fromRank >= 0;
    if (!text.empty() && (text.front() == 'x' || (text.front() == '-' && fullFrom && syntax.piece == NoPieceType)))
        text.remove_prefix(1);
    if (!text.empty()) return std::nullopt;
    if (syntax.piece == NoPieceType && !fullFrom) syntax.piece = Pawn;
    if (syntax.promotion != NoPieceType && syntax.piece != Pawn && syntax.piece != NoPieceType) return std::nullopt;
    return syntax;
}

bool Matches(const Board& board, Move move, const MoveSyntax& syntax) {
    const bool castling = move.KindOf() == Move::Castling;
    if (syntax.castle) return castling && (FileOf(move.To()) > FileOf(move.From())) == syntax.kingSide;
    if (move.To() != syntax.to) return false;
    if (syntax.fromFile >= 0 && FileOf(move.From()) != syntax.fromFile) return false;
    if (syntax.fromRank >= 0 && RankOf(move.From()) != syntax.fromRank) return false;
    if (syntax.piece != NoPieceType && (castling || TypeOf(board.PieceOn(move.From())) != syntax.piece)) return false;
    const PieceType promotion = move.KindOf() == Move::Promotion ? move.PromotionType() : NoPieceType;
    return promotion == syntax.promotion;
}

// File, rank or both of the from-square, as far as needed to tell the moving
// piece from others of its kind that can reach the same square.
std::string Disambiguation(const Board& board, Move move, const MoveList& legal) {
    bool rivals = false, sameFile = false, sameRank = false;
    for (const Move other : legal) {
        if (other.To() != move.To() || other.From() == move.From() || other.KindOf() == Move::Castling ||
            board.PieceOn(other.From()) != board.PieceOn(move.From()))
            continue;
        rivals = true;
        sameFile |= FileOf(other.From()) == FileOf(move.From());
        sameRank |= RankOf(other.From()) == RankOf(move.From());
    }
    if (!rivals) return {};
    if (!sameFile) return {FileLetter(move.From())};
    if (!sameRank) return {RankDigit(move.From())};
    return SquareName(move.From());
}

}  // namespace

std::string MoveToSan(const Board& board, Move move) {
    MoveList legal;
    GenerateLegal(board, legal);
    std::string san;
    const PieceType piece = TypeOf(board.PieceOn(move.From()));
    const bool capture = board.PieceOn(move.To()) != NoPiece || move.KindOf() == Move::EnPassant;
    if (move.KindOf() == Move::Castling) {
        san = FileOf(move.To()) > FileOf(move.From()) ? "O-O" : "O-O-O";
    } else if (piece == Pawn) {
        if (capture) san += {FileLetter(move.From()), 'x'};
        san += SquareName(move.To());
        if (move.KindOf() == Move::Promotion) san += {'=', kPieceLetters[move.PromotionType()]};
    } else {
        san += kPieceLetters[piece];
        if (piece != King) san += Disambiguation(board, move, legal);
        if (capture) san += 'x';
        san += SquareName(move.To());
    }
    Board after = board;
    after.MakeMove(move);
    if (after.InCheck()) {
        MoveList replies;
        GenerateLegal(after, replies);
        san += replies.Empty() ? '#' : '+';
    }
    return san;
}

bool LooksLikeMove(std::string_view text) { return ParseSyntax(text).has_value(); }

std::optional<Move> ReadMove(const Board& board, std::string_view text) {
    const std::optional<MoveSyntax> syntax = ParseSyntax(text);
    if (!syntax) return std::nullopt;
    MoveList legal;
    GenerateLegal(board, legal);
    std::optional<Move> found;
    for (const Move move : legal) {
        if (!Matches(board, move, *syntax)) continue;
        if (found) return std::nullopt;  // ambiguous
        found = move;
    }
    return found;
}

}  // namespace varnix::engine
