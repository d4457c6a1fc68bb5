// Saving and loading games: the Game menu's "Save Game at current positon" and
// "Load Game". A save writes the record up to the position shown, as PGN when
// the name ends in ".pgn" or the game began from a set-up position, and as
// the tab-separated file otherwise; a load reads either kind and replaces the
// game only when the whole file is good.
#pragma once

#include "core/GameRecord.h"
#include "core/RecordCalls.h"
#include "main_window/files/GameFileContent.h"
#include "main_window/files/GameFileHost.h"
#include "platform/Platform.h"

#include <functional>
#include <string>

namespace varnix {

// Today in the local time zone as PGN writes dates, "2026.12.06".
std::string TodayPgnDate();

class GameFiles {
public:
    GameFiles(GameFileHost& host, Platform& platform, GameRecord& record, const RecordCalls& calls,
              std::function<std::string()> today = TodayPgnDate)
        : host_(host), platform_(platform), record_(record), calls_(calls), today_(std::move(today)) {}

    void SaveGame();
    void LoadGame();

private:
    RecordSnapshot Snapshot() const;
    GameFileReading Read(const std::string& name) const;
    void Replace(const LoadedGame& game);

    GameFileHost& host_;
    Platform& platform_;
    GameRecord& record_;
    const RecordCalls& calls_;
    std::function<std::string()> today_;
};

} // namespace varnix
