// PGN game files as the game record sees them: the main line of the first game
// becomes the record, and the record up to the position shown becomes a game
// with the seven-tag roster.
#pragma once

#include "core/RecordCalls.h"
#include "main_window/files/GameFileContent.h"

#include <string>
#include <string_view>

namespace varnix {

// Every move is checked by playing it from the FEN tag's position (the standard
// start without one); the user's colour is left open.
GameFileReading ReadPgnGame(const RecordCalls& calls, std::string_view text);

// date as PGN writes it, "2026.12.06". The movetext stops at a result text in
// the record, or before a text that names no legal move; texts after that
// point go into a final comment.
std::string PgnGameText(const RecordCalls& calls, const RecordSnapshot& record, const std::string& date);

// Whether a chosen file name asks for PGN (it ends in ".pgn", in any case).
bool IsPgnFileName(std::string_view name);

// Whether a text read from a file is PGN rather than the tab format.
bool LooksLikePgn(std::string_view text);

} // namespace varnix
