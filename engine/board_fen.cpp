// Reading and writing FEN texts.
#include <charconv>
#include <string_view>
#include <vector>

#include "engine/board.h"

namespace varnix::engine {
namespace {

constexpr std::string_view kPieceChars = " PNBRQK  pnbrqk";

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) fields.push_back(text.substr(start, i - start));
    }
    return fields;
}

bool ReadPlacement(std::string_view text, BoardSetup& setup) {
    int rank = 7, file = 0;
    for (const char c : text) {
        if (c == '/') {
            if (file != 8 || rank == 0) return false;
            --rank;
            file = 0;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 8) return false;
        } else {
            const size_t code = kPieceChars.find(c);
            if (c == ' ' || code == std::string_view::npos || file >= 8) return false;
            setup.pieces[MakeSquare(file++, rank)] = Piece(code);
        }
    }
    return rank == 0 && file == 8;
}

bool ReadCastling(std::string_view text, uint8_t& rights) {
    rights = NoCastling;
    if (text == "-") return true;
    for (const char c : text) {
        const size_t i = std::string_view("KQkq").find(c);
        if (i == std::string_view::npos) return false;
        rights |= uint8_t(1u << i);
    }
    return true;
}

bool ReadEpSquare(std::string_view text, Square& ep) {
    ep = NoSquare;
    if (text == "-") return true;
    if (text.size() != 2 || text[0] < 'a' || text[0] > 'h' || (text[1] != '3' && text[1] != '6')) return false;
    ep = MakeSquare(text[0] - 'a', text[1] - '1');
    return true;
}

bool ReadCount(std::string_view text, int& value) {
    if (text.empty() || text.size() > 6) return false;
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), value);
    return err == std::errc() && end == text.data() + text.size() && value >= 0;
}

// The rules a position must meet before the search may see it.
bool IsLegalPosition(const Board& b) {
    if (PopCount(b.Pieces(White, King)) != 1 || PopCount(b.Pieces(Black, King)) != 1) return false;
    if (b.Pieces(Pawn) & (kRank1 | kRank8)) return false;
    return !b.IsAttacked(b.KingSquare(~b.SideToMove()), b.SideToMove());
}

}  // namespace

std::optional<Board> Board::FromFen(std::string_view fen) {
    const std::vector<std::string_view> fields = SplitFields(fen);
    if (fields.size() < 2 || fields.size() > 6) return std::nullopt;

    BoardSetup setup;
    if (!ReadPlacement(fields[0], setup)) return std::nullopt;
    if (fields[1] != "w" && fields[1] != "b") return std::nullopt;
    setup.sideToMove = fields[1] == "w" ? White : Black;
    if (fields.size() > 2 && !ReadCastling(fields[2], setup.castling)) return std::nullopt;
    if (fields.size() > 3 && !ReadEpSquare(fields[3], setup.epSquare)) return std::nullopt;
    if (fields.size() > 4 && !ReadCount(fields[4], setup.halfmoveClock)) return std::nullopt;
    if (fields.size() > 5 && !ReadCount(fields[5], setup.fullmoveNumber)) return std::nullopt;

    Board b = FromSetup(setup);
    if (!IsLegalPosition(b)) return std::nullopt;
    return b;
}

std::string Board::Fen() const {
    std::string fen;
    for (int rank = 7; rank >= 0; --rank) {
        int empty = 0;
        for (int file = 0; file < 8; ++file) {
            const Piece p = squares_[MakeSquare(file, rank)];
            if (p == NoPiece) {
                ++empty;
                continue;
            }
            if (empty) fen += char('0' + empty);
            empty = 0;
            fen += kPieceChars[p];
        }
        if (empty) fen += char('0' + empty);
        if (rank) fen += '/';
    }
    fen += side_ == White ? " w " : " b ";
    if (castling_ == NoCastling) fen += '-';
    for (int i = 0; i < 4; ++i) {
        if (castling_ & (1 << i)) fen += "KQkq"[i];
    }
    fen += ' ';
    if (ep_ == NoSquare) {
        fen += '-';
    } else {
        fen += char('a' + FileOf(ep_));
        fen += char('1' + RankOf(ep_));
    }
    fen += ' ' + std::to_string(halfmove_) + ' ' + std::to_string(fullmove_);
    return fen;
}

}  // namespace varnix::engine
