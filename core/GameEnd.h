// Result texts in the record and the moves they stand for, the comparison of
// two moves, and the check or mate mark of a move about to be recorded. The
// game itself ends only when the engine announces it.
#pragma once

#include "core/MoveTextReader.h"
#include "core/Position.h"
#include "core/RecordCalls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnix {

// Promote codes of result-coded moves.
inline constexpr std::uint8_t WhiteWinsCode = 250;
inline constexpr std::uint8_t BlackWinsOrDrawCode = 251;
inline constexpr std::uint8_t MissingMoveCode = 252;
inline constexpr std::uint8_t UnfinishedCode = 253;

// True for "1-0", "0-1", "1/2-1/2", "1/2", "*", "-" and the draw sign.
bool IsResultText(std::string_view text);
// The result-coded move of a result text; all zero for any other text.
Move ResultToMove(std::string_view text);
// A result text (except "*") as its coded move, any other text as the move its
// long form denotes in the position.
Move TextToMove(const Position& position, std::string_view longText);
// A text as people or the engine write it, read in the position for side.
Move TextToEngineMove(MoveTextReader& reader, const RecordCalls& calls, const Position& position,
                      std::string_view text, std::int16_t side);
// Castling moves compare by their Castle byte alone; other moves by every byte
// but Castle.
bool MoveEquals(const Move& a, const Move& b);
// "+" when the move given in long form checks, "#" when it also leaves the
// other side no legal move, "" otherwise or for a text already marked "#" or
// a result text.
std::string CheckMark(const RecordCalls& calls, const Position& position, std::string_view longText);

} // namespace varnix
