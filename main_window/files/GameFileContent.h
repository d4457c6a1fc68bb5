// What a game file carries, in the shape of the game record's move table, and
// what can go wrong when reading one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

// One move number of the score sheet: White's and Black's half-move texts.
struct ScoreLine {
    std::string White;
    std::string Black;
};

// What a save writes: the record's rows as they were when Save was chosen.
struct RecordSnapshot {
    std::vector<ScoreLine> Rows; // Rows[0] is move number 1
    int PlyCount = 0;            // half-moves up to the position shown
    std::string StartFen;
    bool UserPlaysWhite = true;
};

// A game read from a file and found good, ready to replace the record.
struct LoadedGame {
    // Tab files say which side the user played; PGN files leave it as it is.
    std::optional<bool> UserPlaysWhite;
    // The position the record starts from; "" for the standard start.
    std::string StartFen;
    std::vector<ScoreLine> Lines; // Lines[0] is move number 1
    std::int16_t MaxPly = 0;
};

enum class GameFileFault {
    None,
    Unreadable, // shown as "Error!"
    Corrupted,  // shown as "File corrupted. Illegal move"
};

struct GameFileReading {
    GameFileFault Fault = GameFileFault::None;
    LoadedGame Game;
};

// The 16-bit half-move counters bound every record a file can fill.
inline constexpr int MaxFileMoveLines = 16383;

} // namespace varnix
