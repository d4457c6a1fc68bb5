#include "core/MoveTextReader.h"
#include "core/GameState.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

// The records are the boundary header's global types, so their printer lives beside them.
std::ostream& operator<<(std::ostream& out, const VarnixMove& m) {
    return out << "{from " << int(m.FromFile) << ',' << int(m.FromRow) << " to " << int(m.ToFile) << ','
               << int(m.ToRow) << " castle " << int(m.Castle) << " promote " << int(m.Promote) << " ep "
               << int(m.EpFile) << ',' << int(m.EpKind) << '}';
}

namespace varnix {
namespace {

using testing::FromFen;

const char* const WhiteToMove = "4k3/4P3/8/3pP3/8/8/8/4K3 w - - 0 1";
const char* const BlackToMove = "4k3/8/8/8/3pP3/8/4p3/4K3 b - - 0 1";

struct LongCase {
    const char* name;
    const char* fen;
    const char* text;
    Move expected; // FromFile, FromRow, ToFile, ToRow, Castle, Promote, EpFile, EpKind
};

TEST(LongTextToMove, ReadsByCharacterPosition) {
    const LongCase cases[] = {
        {"white en passant onto empty d6", WhiteToMove, "e5xd6", {5, 4, 4, 3, 0, 0, 4, 4}},
        {"black en passant onto empty e3", BlackToMove, "d4xe3", {4, 5, 5, 6, 0, 0, 5, 5}},
        {"capture onto an empty square off the en-passant ranks", WhiteToMove, "e5xf4", {5, 4, 6, 5, 0, 0, 6, 0}},
        {"black promotion", BlackToMove, "e7-e8=N", {5, 2, 5, 1, 0, 8, 0, 0}},
        {"promotion letter that names no piece", WhiteToMove, "e7-e8=Z", {5, 2, 5, 1, 0, 0, 0, 0}},
        {"white king side", WhiteToMove, "o-o", {5, 8, 0, 0, 1, 0, 0, 0}},
        {"zeros, queen side", WhiteToMove, "0-0-0", {5, 8, 0, 0, 2, 0, 0, 0}},
        {"upper case is no castling", WhiteToMove, "O-O", {0, 9, 0, 9, 0, 0, 0, 0}},
        {"capture off the board stops before en passant", WhiteToMove, "e5xd9=Q", {5, 4, 4, 9, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const Move m = LongTextToMove(FromFen(c.fen), c.text);
        EXPECT_TRUE(SameMoveBytes(m, c.expected)) << c.name << ": " << m << " expected " << c.expected;
    }
}

} // namespace
} // namespace varnix
