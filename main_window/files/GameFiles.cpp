#include "main_window/files/GameFiles.h"

#include "main_window/files/FileDialog.h"
#include "main_window/files/GameFilePgn.h"
#include "main_window/files/GameFileStorage.h"
#include "main_window/files/GameFileTab.h"

#include <cstdio>
#include <ctime>

namespace varnix {

namespace {

constexpr const char* NothingToSave = "There are no moves. Nothing to save.";
constexpr const char* FileError = "Error!";
constexpr const char* FileCorrupted = "File corrupted. Illegal move";
constexpr const char* SaveTitle = "Enter a file name of your game to save.";
constexpr const char* LoadTitle = "Enter a file name of your game to load.";

} // namespace

std::string TodayPgnDate() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local) return "????.??.??";
    char text[40]; // room for any int the fields could hold
    std::snprintf(text, sizeof text, "%04d.%02d.%02d", local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
    return text;
}

void GameFiles::SaveGame() {
    const RecordSnapshot record = Snapshot();
    if (record.Rows.empty()) {
        host_.MsgBoxXP(NothingToSave);
        return;
    }
    const std::string name = ShowFileDialog(platform_, SaveFileDialog, SaveTitle);
    if (name.empty()) {
        host_.MsgBoxXP(FileError);
        return;
    }
    // The tab format has no place for a start of its own: such a game goes out as PGN whatever its name.
    const bool standardStart = record.StartFen.empty() || record.StartFen == StandardStartFen;
    const bool pgn = IsPgnFileName(name) || !standardStart;
    const std::string text = pgn ? PgnGameText(calls_, record, today_()) : TabGameText(record);
    if (!WriteGameFile(name, text)) host_.MsgBoxXP(FileError);
}

void GameFiles::LoadGame() {
    const std::string name = ShowFileDialog(platform_, OpenFileDialog, LoadTitle);
    const GameFileReading reading = Read(name);
    switch (reading.Fault) {
    case GameFileFault::None:
        Replace(reading.Game);
        break;
    case GameFileFault::Unreadable:
        host_.MsgBoxXP(FileError);
        break;
    case GameFileFault::Corrupted:
        host_.MsgBoxXP(FileCorrupted);
        break;
    }
}

// Taken before the dialog, so the file holds the game as it was when Save was chosen.
RecordSnapshot GameFiles::Snapshot() const {
    RecordSnapshot record;
    const GameState& state = record_.State();
    record.PlyCount = state.PlyCount;
    record.StartFen = state.StartFen;
    record.UserPlaysWhite = host_.UserPlaysWhite();
    const MoveTable& table = record_.Moves();
    for (std::int32_t row = 1; row <= (std::int32_t(state.PlyCount) + 1) / 2; ++row)
        record.Rows.push_back({table.MoveEntry(row, 1), table.MoveEntry(row, 2)});
    return record;
}

GameFileReading GameFiles::Read(const std::string& name) const {
    const std::optional<std::string> text = name.empty() ? std::nullopt : ReadGameFile(name);
    if (!text) return {GameFileFault::Unreadable, {}};
    if (IsPgnFileName(name) || LooksLikePgn(*text)) return ReadPgnGame(calls_, *text);
    return ReadTabGame(*text);
}

void GameFiles::Replace(const LoadedGame& game) {
    if (game.UserPlaysWhite && *game.UserPlaysWhite != host_.UserPlaysWhite()) {
        host_.SetUserPlaysWhite(*game.UserPlaysWhite);
        host_.FlipBoard();
    }
    record_.Moves().ClearMoveTable();
    host_.NewGame();
    GameState& state = record_.State();
    if (!game.StartFen.empty()) state.StartFen = game.StartFen;
    MoveTable& table = record_.Moves();
    for (std::size_t i = 0; i < game.Lines.size(); ++i) {
        const auto row = std::int32_t(i + 1);
        table.SetMoveRow(row, std::to_string(row) + ".");
        table.SetMoveEntry(row, 1, game.Lines[i].White);
        if (!game.Lines[i].Black.empty()) table.SetMoveEntry(row, 2, game.Lines[i].Black);
    }
    state.MaxPly = game.MaxPly;
    host_.MoveTAB(4, false);
}

} // namespace varnix
