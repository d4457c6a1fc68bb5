#include "core/MoveNotation.h"
#include "core/MoveTextReader.h"
#include "core/GameState.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

#include <string>

// The written variants of every legal move (local letters, colons, zeros, ...)
// are read back in NotationRoundTripTest; the cases here are the forms it
// never writes, the failures, and the rules it cannot tell apart.
namespace varnix {
namespace {

using testing::EngineCalls;
using testing::FromFen;
using testing::MoveOf;
using testing::ScriptedCalls;

const char* const Start = StandardStartFen.c_str();
const char* const PawnsAroundD5 = "4k3/8/8/3p4/2P1P3/8/8/4K3 w - - 0 1";
const char* const BlackPawnOnE2 = "4k3/8/8/8/8/8/4p3/K7 b - - 0 1";
const char* const TwoKnights = "4k3/8/8/4p3/8/5N2/8/1N2K3 w - - 0 1";

struct ReadCase {
    const char* name;
    const char* fen;
    std::string text;
    std::string expected;
    bool failed = false;
};

void ExpectReads(const RecordCalls& calls, std::initializer_list<ReadCase> cases) {
    MoveTextReader reader;
    for (const ReadCase& c : cases) {
        const Position p = FromFen(c.fen);
        EXPECT_EQ(reader.ReadMoveText(calls, p, c.text, p.BlackToMove), c.expected) << c.name;
        EXPECT_EQ(reader.MoveTextFailed(), c.failed) << c.name;
    }
}

void ExpectReads(std::initializer_list<ReadCase> cases) { ExpectReads(EngineCalls(), cases); }

TEST(ReadMoveText, PawnMoves) {
    const char* const whiteOnE7 = "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1";
    ExpectReads({
        {"double step", Start, "e4", "e2-e4"},
        {"blocked pawn is not looked at", "4k3/8/8/8/8/4N3/4P3/4K3 w - - 0 1", "e4", "e2-e4"},
        {"doubled pawns: the front one", "4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1", "e4", "e3-e4"},
        {"long form is not read back", Start, "e2-e4", ""},
        {"files only", PawnsAroundD5, "ed", "e4xd5"},
        {"files only, no such capture", PawnsAroundD5, "eb", ""},
        {"black, from the text alone", "4k3/8/8/4p3/3P4/8/8/4K3 b - - 0 1", "exd4", "e5xd4"},
        {"built from the text without looking", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", "gxh6", "g5xh6"},
        {"local knight letter", BlackPawnOnE2, "e1Z", "e2-e1=N"},
        {"capture without the sign, checked", whiteOnE7, "exd8N+", "e7xd8=N"},
        {"files only picks the promotion asked for", whiteOnE7, "ed=R", "e7xd8=R"},
    });
}

TEST(ReadMoveText, PieceMovesByLength) {
    ExpectReads({
        {"from-square, no separator", Start, "Ng1f3", "g1-f3"},
        {"named by rank", TwoKnights, "N3d2", "f3-d2"},
        {"full from-square with capture", TwoKnights, "Nf3xe5", "f3xe5"},
        {"full from-square is not checked", TwoKnights, "Qa1h8", "a1-h8"},
        {"king two squares is no castling", "4k3/8/8/8/8/8/8/4K2R w K - 0 1", "Kg1", ""},
        {"lower-case letter is no knight", Start, "nf3", ""},
        {"six characters", Start, "Ng1-f3", ""},
    });
}

TEST(ReadMoveText, CastlingIsNotCheckedAndResultsPassUnchanged) {
    ExpectReads({
        {"queen side, zeros, mate", Start, "0-0-0#", "o-o-o"},
        {"without pieces", "4k3/8/8/8/8/8/8/8 w - - 0 1", "O-O", "o-o"},
        {"draw", Start, "1/2-1/2", "1/2-1/2"},
        {"missing half-move", Start, "-", "-"},
        {"draw sign", Start, "\xCB\x9D-\xCB\x9D", "\xCB\x9D-\xCB\x9D"},
        {"star is read as a move", Start, "*", ""},
        {"half a draw sign is no result", Start, "\xCB\x9D-", ""},
    });
}

TEST(ReadMoveText, FailuresAreFlaggedAndKeepTheRewrittenText) {
    ExpectReads({
        {"only annotation marks", Start, "+!", "+!", true},
        {"capture onto rank 9", Start, "exd9", "exd9", true},
        {"capture without a target", Start, "ex", "ex", true},
        {"promotion part is cut before the failure", Start, "exd9=Q", "exd9", true},
        {"piece to rank 9, capture sign dropped", Start, "Nxf9", "Nf9", true},
        {"nothing matches is no failure (and clears the flag)", Start, "Nd4", "", false},
        {"empty is no failure", Start, "", "", false},
    });
}

// Any text is read without a crash, a hang or a read outside it (the fuzz target covers short texts;
// these are longer than it writes). Marks after a move are skipped; a colon run is cut to 100.
TEST(ReadMoveText, VeryLongTextsAreReadOrCut) {
    const RecordCalls calls = EngineCalls();
    const Position p = FromFen(Start);
    MoveTextReader reader;
    for (const std::string& text : {std::string(10000, 'e'), std::string(10000, '='), std::string(10000, '\xCB'),
                                    "N" + std::string(9999, 'x'), std::string(9997, ':') + "Nf3"}) {
        reader.ReadMoveText(calls, p, text, FlagFalse);
        LongTextToShort(calls, p, text, FlagFalse);
        LongTextToMove(p, text);
    }
    EXPECT_EQ(reader.ReadMoveText(calls, p, "e4" + std::string(9998, '+'), FlagFalse), "e2-e4");
    EXPECT_EQ(reader.ReadMoveText(calls, p, std::string(10000, '!'), FlagFalse), std::string(10000, '!'));
    EXPECT_TRUE(reader.MoveTextFailed());
    EXPECT_EQ(reader.ReadMoveText(calls, p, std::string(10000, ':'), FlagFalse), "x" + std::string(100, ':'));
    EXPECT_TRUE(reader.MoveTextFailed());
}

// Which of several listed moves is taken depends on the library's list order;
// a scripted list pins the rule down.
TEST(ReadMoveText, TieBreaksFollowTheListOrder) {
    const char* const whitePawns = "4k3/8/2p5/3P4/2p5/3P4/8/4K3 w - - 0 1";
    ExpectReads(ScriptedCalls({MoveOf("d3", "c4"), MoveOf("d5", "c6")}), {{"white takes the last", whitePawns, "dc", "d5xc6"}});
    ExpectReads(ScriptedCalls({MoveOf("d5", "c6"), MoveOf("d3", "c4")}), {{"white takes the last", whitePawns, "dc", "d3xc4"}});

    const char* const blackPawns = "4k3/8/3p4/2P5/3p4/2P5/8/4K3 b - - 0 1";
    ExpectReads(ScriptedCalls({MoveOf("d6", "c5"), MoveOf("d4", "c3")}), {{"black takes the first", blackPawns, "dc", "d6xc5"}});
    ExpectReads(ScriptedCalls({MoveOf("d4", "c3"), MoveOf("d6", "c5")}), {{"black takes the first", blackPawns, "dc", "d4xc3"}});
}

} // namespace
} // namespace varnix
