// A game as the game files see it: the record with the real engine library's
// record calls, a headless platform for the file dialog, and a host that does
// what the controller and the board view would (new game, stepping, flipping,
// messages) in their simplest form.
#pragma once

#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/GameRecord.h"
#include "core/MoveTextReader.h"
#include "engine/api/varnix_engine.h"
#include "main_window/files/GameFiles.h"
#include "platform/headless/HeadlessPlatform.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace varnix {

class GameFilesFixture : public GameFileHost, public GameRecordEvents {
public:
    static constexpr const char* Today = "2026.12.06";

    GameFilesFixture() { NewGame(); }

    // GameFileHost
    bool UserPlaysWhite() const override { return white; }
    void SetUserPlaysWhite(bool isWhite) override { white = isWhite; }
    void NewGame() override {
        ++newGames;
        record.NewRecord();
        State().StartFen = StandardStartFen;
        FenToPosition(State().StartFen, State().CurrentPosition);
    }
    // 4: to the end, stopping before a result entry; 2: back one.
    void MoveTAB(int bindex, bool) override {
        GameState& s = State();
        if (s.MaxPly == 0) return;
        if (bindex == 4) {
            s.PlyCount = s.MaxPly;
            if (IsResultText(record.GetMove(s.PlyCount))) --s.PlyCount;
        } else if (bindex == 2 && s.PlyCount >= 1) {
            --s.PlyCount;
        }
        s.CurrentPosition = record.GoToPly(s.PlyCount, false);
    }
    void FlipBoard() override { ++flips; }
    void MsgBoxXP(const std::string& prompt) override { messages.push_back(prompt); }

    // GameRecordEvents
    void ShowMove(std::string&) override {}
    void DropEngineSync() override {}

    GameState& State() { return record.State(); }

    // Plays moves given as people write them, as a user or the engine would.
    void Play(std::initializer_list<const char*> moves) {
        for (const char* text : moves) {
            Position& position = State().CurrentPosition;
            const std::string longText = reader.ReadMoveText(calls, position, text, position.BlackToMove);
            record.RecordMove(longText);
            calls.MakeMove(position, LongTextToMove(position, longText));
            position.BlackToMove = position.BlackToMove != 0 ? FlagFalse : FlagTrue;
        }
    }

    void StepBack(int plies) {
        for (int i = 0; i < plies; ++i) MoveTAB(2, false);
    }

    std::string ShownFen() { return PositionToFen(State().CurrentPosition); }

    // Rows 1 to the last of the move table, "label|White|Black" each.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const MoveTable& table = record.Moves();
        for (std::int32_t r = 1; r <= table.LastRow(); ++r)
            rows.push_back(table.MoveEntry(r, 0) + "|" + table.MoveEntry(r, 1) + "|" + table.MoveEntry(r, 2));
        return rows;
    }

    void Save(const std::string& path) {
        platform.QueueFileAnswer(path);
        files.SaveGame();
    }
    void Load(const std::string& path) {
        platform.QueueFileAnswer(path);
        files.LoadGame();
    }

    RecordCalls calls{&varnix_GetMove, &varnix_KingAttacked, &varnix_MakeMove};
    MoveTextReader reader;
    GameRecord record{calls, *this};
    HeadlessPlatform platform;
    GameFiles files{*this, platform, record, calls, [] { return std::string(Today); }};
    bool white = true;
    int flips = 0;
    int newGames = 0;
    std::vector<std::string> messages;
};

} // namespace varnix
