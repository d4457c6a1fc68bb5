// PGN text: the tag pairs and the main line of one game. The reader accepts
// what other programs write (comments, variations, NAGs, move numbers, escape
// lines); the writer writes the export format. Neither knows the rules of
// chess: the moves stay texts, checked by whoever replays them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnix {

struct PgnTag {
    std::string Name;
    std::string Value;
};

struct PgnGame {
    std::vector<PgnTag> Tags;
    // The main line in SAN, without move numbers and without the marks ! and ?.
    std::vector<std::string> Moves;
    // "1-0", "0-1", "1/2-1/2" or "*".
    std::string Result = "*";
    // Written as a comment after the moves; the reader passes over it.
    std::string FinalComment;

    // The value of the first tag of that name, or "" when there is none.
    std::string Tag(std::string_view name) const;
};

// The first game of the text; nothing when the text holds no game or is not
// well-formed PGN (an unclosed tag, comment or variation, a stray ")").
std::optional<PgnGame> ReadPgn(std::string_view text);

// Export format: the tags in their order, a blank line, the movetext wrapped
// below 80 columns and ended by the result. Move numbers follow the FEN tag's
// side to move and move number when there is one.
std::string WritePgn(const PgnGame& game);

} // namespace varnix
