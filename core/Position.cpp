#include "core/Position.h"

#include <cstring>

namespace varnix {

std::string SquareText(int file, int row) {
    if (IsOffBoard(file, row)) return "";
    return {FileLetters[std::size_t(file - 1)], char('0' + 9 - row)};
}

bool SameMoveBytes(const Move& a, const Move& b) { return std::memcmp(&a, &b, sizeof(Move)) == 0; }

} // namespace varnix
