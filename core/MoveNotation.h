// The two move notation writers: the long form (e2-e4, e4xd5, e7-e8=Q, o-o),
// the program's internal currency, always with the from-square in characters
// 1-2, the separator in 3, the to-square in 4-5 and "=" and the promotion
// letter in 6-7; and the short form, standard algebraic notation without a
// check mark. Pieces of either colour print in capitals.
#pragma once

#include "core/Position.h"
#include "core/RecordCalls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix {

// The long form of a move in the position before it. A record with a square
// off the board gives the empty text.
std::string MoveToLongText(const Position& position, const Move& move);

// The short form of a long text in the position before the move; side
// (non-zero: Black) is the side making it, whose legal moves decide the
// disambiguation. Result and placeholder texts pass unchanged, "0-0" and
// "0-0-0" become "o-o" and "o-o-o", and a text that is no move in the
// position is handed back unchanged.
std::string LongTextToShort(const RecordCalls& calls, const Position& position, std::string_view longText,
                            std::int16_t side);

} // namespace varnix
