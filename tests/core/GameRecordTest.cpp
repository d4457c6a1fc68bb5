#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/GameRecord.h"
#include "core/MoveNotation.h"
#include "core/MoveTable.h"
#include "core/VariationRecords.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace varnix {
namespace {

using Texts = std::vector<std::string>;

class RecordEvents : public GameRecordEvents {
public:
    explicit RecordEvents(const GameState& state) : state_(state) {}
    void ShowMove(std::string& text) override {
        shown.push_back(text);
        plyWhenShown.push_back(state_.PlyCount);
    }
    void DropEngineSync() override { ++drops; }

    Texts shown;
    std::vector<std::int16_t> plyWhenShown;
    int drops = 0;

private:
    const GameState& state_;
};

using testing::FromFen;
using testing::SamePosition;

class GameRecordTest : public ::testing::Test {
protected:
    GameRecordTest() {
        record.NewRecord();
        State().CurrentPosition = FromFen(StandardStartFen);
    }

    GameState& State() { return record.State(); }

    // As the user's and the engine's moves go: recorded first, then made.
    void Play(const std::string& san) {
        Position& p = State().CurrentPosition;
        const std::string longText = reader.ReadMoveText(calls, p, san, p.BlackToMove);
        ASSERT_FALSE(longText.empty()) << san;
        record.RecordMove(longText);
        calls.MakeMove(p, LongTextToMove(p, longText));
        p.BlackToMove = p.BlackToMove != 0 ? FlagFalse : FlagTrue;
    }
    void PlayAll(const Texts& moves) {
        for (const std::string& san : moves) Play(san);
    }
    // As stepping through the record goes.
    void StepTo(std::int16_t ply) {
        State().PlyCount = ply;
        State().CurrentPosition = record.GoToPly(ply, false);
    }
    Texts RecordTexts() const {
        Texts texts;
        for (std::int32_t i = 1; i <= record.State().MaxPly; ++i) texts.push_back(record.GetMove(i));
        return texts;
    }
    Texts Rows() const {
        Texts rows;
        const MoveTable& table = record.Moves();
        for (std::int32_t r = 1; r <= table.LastRow(); ++r)
            rows.push_back(table.MoveEntry(r, 0) + "|" + table.MoveEntry(r, 1) + "|" + table.MoveEntry(r, 2));
        return rows;
    }
    void WriteRecord(const Texts& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::int32_t row = std::int32_t(i / 2 + 1);
            if (i % 2 == 0) record.Moves().SetMoveRow(row, std::to_string(row) + ".");
            record.Moves().SetMoveEntry(row, int(i % 2 + 1), texts[i]);
        }
        State().MaxPly = std::int16_t(texts.size());
    }

    RecordCalls calls = testing::EngineCalls();
    GameRecord record{calls, events};
    RecordEvents events{record.State()};
    MoveTextReader reader;
};

TEST_F(GameRecordTest, MovesFillTheScoreSheetAndShowWithTheTurnAfterThem) {
    PlayAll({"e4", "e5", "Nf3"});
    EXPECT_EQ(Rows(), (Texts{"1.|e4|e5", "2.|Nf3|"}));
    EXPECT_EQ(State().PlyCount, 3);
    EXPECT_EQ(State().MaxPly, 3);
    EXPECT_EQ(events.shown, (Texts{"e4", "e5", "Nf3"}));
    EXPECT_EQ(events.plyWhenShown, (std::vector<std::int16_t>{1, 2, 3}));
}

TEST_F(GameRecordTest, ChecksAndMatesAreMarked) {
    struct Case {
        const char* name;
        const char* fen;
        const char* san;
        const char* recorded;
    };
    const Case cases[] = {
        {"check with a reply", "rnbqkbnr/ppp2ppp/3p4/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 1", "Bb5", "Bb5+"},
        {"mate", "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 1", "Qh4", "Qh4#"},
        {"castling gives check", "5k2/8/8/8/8/8/8/4K2R w K - 0 1", "O-O", "O-O+"},
        // The only answer to the check is taking the pawn en passant.
        {"en-passant escape", "2B5/3B4/8/k2N4/2p5/8/1P6/7K w - - 0 1", "b4", "b4+"},
        {"promotion mates", "7k/4P3/7K/8/8/8/8/8 w - - 0 1", "e8=Q", "e8=Q#"},
    };
    for (const Case& c : cases) {
        record.NewRecord();
        State().CurrentPosition = FromFen(c.fen);
        Play(c.san);
        EXPECT_EQ(record.GetMove(1), c.recorded) << c.name;
    }
    // Marked and result texts get no further mark.
    const Position start = FromFen(StandardStartFen);
    EXPECT_EQ(CheckMark(calls, start, "e2-e4#"), "");
    EXPECT_EQ(CheckMark(calls, start, "1-0"), "");
}

TEST_F(GameRecordTest, ReplayToTheStartShowsNoMove) {
    PlayAll({"e4", "e5"});
    record.result(true);
    const Position p = record.GoToPly(0, false);
    EXPECT_TRUE(SamePosition(p, FromFen(StandardStartFen)));
    EXPECT_EQ(events.shown.back(), "");
    EXPECT_TRUE(SameMoveBytes(State().LastMove, Move{}));
    EXPECT_EQ(events.drops, 1);
    EXPECT_FALSE(record.result());
    // A ply outside the record is taken as its end.
    EXPECT_TRUE(SamePosition(record.GoToPly(9, false), record.GoToPly(2, false)));
    EXPECT_TRUE(SamePosition(record.GoToPly(-4, true), FromFen(StandardStartFen)));
}

TEST_F(GameRecordTest, OneStepAgreesWithReplayFromTheStart) {
    // Captures, en passant, promotion and castling on both sides.
    PlayAll({"e4", "d5", "exd5", "c5", "dxc6", "Nf6", "cxb7", "Nbd7", "bxa8=Q", "e6", "Nf3", "Bc5", "Be2", "O-O",
             "O-O", "Qb6", "d4", "Bb7"});
    const Texts texts = RecordTexts();
    for (std::int16_t ply = 1; ply <= State().MaxPly; ++ply) {
        StepTo(std::int16_t(ply - 1));
        State().PlyCount = ply;
        const Position stepped = record.GoToPly(ply, true);
        const Move steppedMove = State().LastMove;
        const Position replayed = record.GoToPly(ply, false);
        EXPECT_TRUE(SamePosition(stepped, replayed)) << ply;
        EXPECT_TRUE(SameMoveBytes(steppedMove, State().LastMove)) << ply;
        EXPECT_EQ(events.shown.back(), texts[std::size_t(ply - 1)]);
    }
    EXPECT_EQ(PositionToFen(record.GoToPly(State().MaxPly, false)),
              "Q4rk1/pb1n1ppp/1q2pn2/2b5/3P4/5N2/PPP1BPPP/RNBQ1RK1 w - - 0 1");
}

// "-" stands for a missing White half-move; "!!" cannot be read at all and
// "Ke3" names no legal move, yet the turn moves on; a result makes no move.
TEST_F(GameRecordTest, DashUnreadableAndResultEntries) {
    WriteRecord({"-", "e5", "Nf3"});
    Position start = FromFen(StandardStartFen);
    start.BlackToMove = FlagTrue;
    EXPECT_TRUE(SamePosition(record.GoToPly(1, false), start));
    EXPECT_EQ(PositionToFen(record.GoToPly(3, false)), "rnbqkbnr/pppp1ppp/8/4p3/8/5N2/PPPPPPPP/RNBQKB1R b KQkq - 0 1");

    WriteRecord({"e4", "!!", "Nf3", "Ke3", "d4"});
    EXPECT_EQ(PositionToFen(record.GoToPly(5, false)), "rnbqkbnr/pppppppp/8/8/3PP3/5N2/PPP2PPP/RNBQKB1R b KQkq d3 0 1");
    EXPECT_EQ(State().LastMove.FromFile, 4);

    WriteRecord({"e4", "e5", "1-0"});
    const Position replayed = record.GoToPly(3, false);
    Position twoPlies = record.GoToPly(2, false);
    State().CurrentPosition = twoPlies;
    const Position stepped = record.GoToPly(3, true);
    // Replay hands the turn over for every entry, a single step onto a result does not.
    EXPECT_TRUE(SamePosition(stepped, twoPlies));
    EXPECT_TRUE(SameMoveBytes(State().LastMove, Move{}));
    twoPlies.BlackToMove = FlagTrue;
    EXPECT_TRUE(SamePosition(replayed, twoPlies));
}

// The same move follows the record; another cuts it and keeps the dropped line, which playing its
// first move again brings back whole, with the line that cut it kept in turn.
TEST_F(GameRecordTest, SameMoveFollowsOtherMoveCutsAndTheDroppedLineComesBack) {
    const Texts game{"e4", "e5", "Nf3", "Nc6", "Bb5", "a6"};
    PlayAll(game);
    const Position end = State().CurrentPosition;
    StepTo(2);
    Play("Nf3");
    EXPECT_EQ(RecordTexts(), game);
    EXPECT_EQ(State().PlyCount, 3);
    EXPECT_EQ(events.shown.back(), "Nf3");

    StepTo(2);
    PlayAll({"Bc4", "Bc5"});
    EXPECT_EQ(Rows(), (Texts{"1.|e4|e5", "2.|Bc4|Bc5"}));
    StepTo(2);
    Play("Nf3");
    EXPECT_EQ(RecordTexts(), game);
    StepTo(6);
    EXPECT_TRUE(SamePosition(State().CurrentPosition, end));
    StepTo(2);
    Play("Bc4");
    EXPECT_EQ(RecordTexts(), (Texts{"e4", "e5", "Bc4", "Bc5"}));
}

// Every line the record ever held can be played again from the start and
// comes back whole, however the user stepped and branched in between.
TEST_F(GameRecordTest, NothingIsLostWhileSteppingAndBranching) {
    std::mt19937 random(20240531);
    std::vector<Texts> heldLines;
    for (int action = 0; action < 400; ++action) {
        Position& p = State().CurrentPosition;
        const MoveList legal = calls.GetLegalMoves(p, p.BlackToMove);
        if (random() % 4 == 0 || legal.Count == 0 || State().PlyCount >= 24) {
            StepTo(std::int16_t(random() % (State().PlyCount + 1)));
            continue;
        }
        // Few choices, so that branches meet the moves they dropped again.
        const Move move = legal.Entries[random() % std::min<unsigned>(legal.Count, 3)];
        record.RecordMove(MoveToLongText(p, move));
        calls.MakeMove(p, move);
        p.BlackToMove = p.BlackToMove != 0 ? FlagFalse : FlagTrue;
        heldLines.push_back(RecordTexts());
    }
    for (const Texts& line : heldLines) {
        StepTo(0);
        PlayAll(line);
        const Texts now = RecordTexts();
        ASSERT_GE(now.size(), line.size());
        EXPECT_EQ(Texts(now.begin(), now.begin() + std::ptrdiff_t(line.size())), line);
    }
}

// Past the hundred rows a table starts with, moves and cuts still find their place.
TEST_F(GameRecordTest, TablesGrowWithTheGame) {
    const Texts shuffle{"Nf3", "Nf6", "Ng1", "Ng8"};
    for (int i = 0; i < 212; ++i) Play(shuffle[std::size_t(i % 4)]);
    EXPECT_EQ(record.Moves().LastRow(), 106);
    StepTo(208);
    Play("e4");
    EXPECT_EQ(State().MaxPly, 209);
    StepTo(208);
    Play("Nf3");
    EXPECT_EQ(State().MaxPly, 212);
}

TEST_F(GameRecordTest, AFullRecordTakesNoFurtherMove) {
    State().PlyCount = State().MaxPly = 32767;
    record.RecordMove("e2-e4");
    EXPECT_EQ(State().PlyCount, 32767);
    EXPECT_TRUE(events.shown.empty());
}

StoredLine Plain(std::initializer_list<const char*> texts) {
    StoredLine line;
    for (const char* t : texts) line.push_back({t, ""});
    return line;
}

bool SameLine(const StoredLine& a, const StoredLine& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].Text != b[i].Text || a[i].Entry != b[i].Entry) return false;
    }
    return true;
}

TEST(VariationRecords, RoundTripsAnyTextAndNestedEntries) {
    const std::string inner = EncodeLine(Plain({"d5", "exd5"})) + EncodeLine(Plain({"c5"}));
    const StoredLine cases[] = {
        Plain({"e4"}),
        Plain({"e4", "e5", "Nf3", "1-0"}),
        Plain({"", "e4", ""}),
        Plain({"a b", "100%", "(x)", "%41", ")("}),
        StoredLine{{"e4", ""}, {"e5", inner}, {"Nf3", EncodeLine({{"Nc3", inner}})}},
    };
    for (const StoredLine& line : cases) {
        const std::string record = EncodeLine(line);
        EXPECT_TRUE(SameLine(DecodeLine(record), line)) << record;
        const SplitEntry split = SplitRecords(record + record);
        ASSERT_EQ(split.Records.size(), 2u) << record;
        EXPECT_EQ(split.Records[1], record);
        EXPECT_EQ(split.Rest, "");
    }
}

TEST(VariationRecords, RefusesALineTooLongForTheField) {
    StoredLine line(250000, {"Nf3", ""}); // 1,000,005 characters
    EXPECT_TRUE(EncodeLine(line).empty());
}

// Any prefix or byte damage of a record reads without going outside it.
TEST(VariationRecords, DamagedRecordsReadInsideTheirBytes) {
    const std::string record = EncodeLine({{"e4", ""}, {"e5", EncodeLine(Plain({"c5", "Nf3"}))}, {"Nf3", ""}});
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        std::string damaged = record.substr(0, random() % (record.size() + 1));
        if (!damaged.empty()) damaged[random() % damaged.size()] = "0 ()%9x"[random() % 7];
        const std::string shrunk(damaged); // exact size, so ASan sees any read past it
        DecodeLine(shrunk);
        SplitRecords(shrunk);
    }
}

} // namespace
} // namespace varnix
