#include "core/Fen.h"

namespace varnix {

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

void AppendCastling(std::string& out, std::uint8_t rights, char kingSide, char queenSide) {
    if (rights == 1 || rights == 3) out += kingSide;
    if (rights == 2 || rights == 3) out += queenSide;
}

std::uint8_t CastlingFrom(std::string_view field, std::string_view both, char kingSide, char queenSide) {
    if (field.find(both) != std::string_view::npos) return 3;
    if (field.find(kingSide) != std::string_view::npos) return 1;
    if (field.find(queenSide) != std::string_view::npos) return 2;
    return 0;
}

// Stores a code at square n (0-based, rank 8 first); squares past the 64th are dropped.
void StoreSquare(Position& position, int n, std::uint8_t code) {
    if (n < 64) SetPiece(position, n % 8 + 1, n / 8 + 1, code);
}

} // namespace

std::string PositionToFen(const Position& position) {
    std::string out;
    for (int row = 1; row <= 8; ++row) {
        int file = 1;
        while (file <= 8) {
            const std::uint8_t code = PieceAt(position, file, row);
            if (code == 0) {
                int run = 0;
                while (file <= 8 && PieceAt(position, file, row) == 0) {
                    ++run;
                    ++file;
                }
                out += char('0' + run);
                continue;
            }
            if (code <= PieceLetters.size()) out += PieceLetters[code - 1];
            ++file;
        }
        out += row < 8 ? '/' : ' ';
    }
    out += position.BlackToMove != 0 ? "b " : "w ";
    AppendCastling(out, position.WhiteCastle, 'K', 'Q');
    AppendCastling(out, position.BlackCastle, 'k', 'q');
    if (position.BlackCastle == 0 && position.WhiteCastle == 0) out += '-';
    out += ' ';
    if (position.EpFile >= 1 && position.EpFile <= 8) {
        out += FileLetters[position.EpFile - 1];
        out += position.BlackToMove != 0 ? '3' : '6';
    } else {
        out += '-';
    }
    out += " 0 1";
    return out;
}

void FenToPosition(std::string_view fen, Position& position) {
    // i is 0-based here; it ends on the character after the board.
    std::size_t i = 0;
    int n = 0;
    for (; i < fen.size(); ++i) {
        if (n >= 64) break;
        const char c = fen[i];
        if (std::string_view("pnbrqkvd").find(AsciiLower(c)) != std::string_view::npos) {
            StoreSquare(position, n++, std::uint8_t(PieceLetters.find(c) + 1));
        } else if (c >= '1' && c <= '8') {
            for (int k = 0; k < c - '0'; ++k) StoreSquare(position, n++, 0);
        }
    }

    const std::size_t sideAt = i + 1;
    position.BlackToMove = (sideAt < fen.size() && fen[sideAt] == 'w') ? FlagFalse : FlagTrue;

    const std::size_t castlingAt = i + 3;
    std::string_view castling;
    std::size_t space = std::string_view::npos;
    if (castlingAt < fen.size()) {
        space = fen.find(' ', castlingAt);
        castling = fen.substr(castlingAt, space == std::string_view::npos ? std::string_view::npos : space - castlingAt);
    }
    position.WhiteCastle = CastlingFrom(castling, "KQ", 'K', 'Q');
    position.BlackCastle = CastlingFrom(castling, "kq", 'k', 'q');

    position.EpFile = 0;
    if (space != std::string_view::npos && space + 1 < fen.size()) {
        const std::string_view ep = fen.substr(space + 1, 2);
        if (ep != "- ") {
            const std::size_t file = FileLetters.find(ep[0]);
            position.EpFile = file == std::string_view::npos ? 0 : std::uint8_t(file + 1);
        }
    }
}

} // namespace varnix
