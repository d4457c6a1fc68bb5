#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/GameState.h"
#include "core/MoveNotation.h"
#include "core/MoveTextReader.h"
#include "core/NotationText.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// The records are the boundary header's global types, so their printer lives beside them.
std::ostream& operator<<(std::ostream& out, const VarnixMove& m) {
    return out << "{from " << int(m.FromFile) << ',' << int(m.FromRow) << " to " << int(m.ToFile) << ','
               << int(m.ToRow) << " castle " << int(m.Castle) << " promote " << int(m.Promote) << " ep "
               << int(m.EpFile) << ',' << int(m.EpKind) << '}';
}

namespace varnix {
namespace {

using testing::EngineCalls;
using testing::FromFen;
using testing::MoveOf;

const char* const Start = StandardStartFen.c_str();
const char* const EnPassantReady = "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1";
const char* const Promotions = "3r3k/4P3/8/8/8/8/1p6/4K3 w - - 0 1";

struct LongCase {
    const char* name;
    const char* fen;
    Move move;
    const char* expected;
};

Move Promoting(Move m, std::uint8_t promote) {
    m.Promote = promote;
    return m;
}

// Legal moves are the round trip's; these are the records it never meets.
TEST(MoveToLongText, WritesNothingOffTheBoardAndNoResultAsAPromotion) {
    const LongCase cases[] = {
        {"square off the board", Start, MoveOf("e2", "e9"), ""},
        {"result code is no promotion", Start, Promoting(MoveOf("e2", "e4"), 250), "e2-e4"},
    };
    for (const auto& c : cases) EXPECT_EQ(MoveToLongText(FromFen(c.fen), c.move), c.expected) << c.name;
}

struct ShortCase {
    const char* name;
    const char* fen;
    const char* longText;
    const char* expected;
};

void ExpectShortForms(const ShortCase* begin, const ShortCase* end) {
    const RecordCalls calls = EngineCalls();
    for (const ShortCase* c = begin; c != end; ++c) {
        const Position p = FromFen(c->fen);
        EXPECT_EQ(LongTextToShort(calls, p, c->longText, p.BlackToMove), c->expected) << c->name;
    }
}

TEST(LongTextToShort, DisambiguatesFileElseRankElseBoth) {
    const char* const twoRooksOnAFile = "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1";
    const char* const twoRooksOnRank1 = "4k3/8/8/8/8/8/4K3/R6R w - - 0 1";
    const char* const threeQueens = "8/8/k7/8/4Q2Q/8/8/K6Q w - - 0 1";
    const ShortCase cases[] = {
        {"rank when the file is shared", twoRooksOnAFile, "a1-a3", "R1a3"},
        {"file when it tells them apart", twoRooksOnRank1, "a1-d1", "Rad1"},
        {"both when file and rank are shared", threeQueens, "h4-e1", "Qh4e1"},
        {"file against a rival on the same rank", threeQueens, "e4-e1", "Qee1"},
        {"rank against a rival on the same file", threeQueens, "h1-e1", "Q1e1"},
        {"capture after the disambiguation", "4k3/8/8/8/8/5N2/3p4/1N5K w - - 0 1", "b1xd2", "Nbxd2"},
        {"a pinned rival causes none", "4k3/8/8/8/8/r4N1K/8/1N6 w - - 0 1", "b1-d2", "Nd2"},
        {"en passant although d6 is empty", EnPassantReady, "e5xd6", "exd6"},
        {"capturing underpromotion", Promotions, "e7xd8=N", "exd8=N"},
    };
    ExpectShortForms(std::begin(cases), std::end(cases));
}

TEST(LongTextToShort, CastlingResultsAndTextsThatAreNoMovePassThrough) {
    const ShortCase cases[] = {
        {"queen side", Start, "o-o-o", "O-O-O"},
        {"zeros become letters", Start, "0-0", "o-o"},
        {"draw sign", Start, "\xCB\x9D-\xCB\x9D", "\xCB\x9D-\xCB\x9D"},
        {"empty from-square", Start, "e4-e5", "e4-e5"},
        {"empty", Start, "", ""},
        {"promotion letter that names no piece", Promotions, "e7-e8=X", "e7-e8=X"},
        {"mate gets no mark", "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 0 1", "h5xf7", "Qxf7"},
    };
    ExpectShortForms(std::begin(cases), std::end(cases));
}

// TextToMove takes every result text but "*", which it reads as a move text.
TEST(GameEnd, ResultTextsAndTheirCodes) {
    struct Case {
        const char* text;
        bool result;
        std::uint8_t code;
    };
    const Case cases[] = {
        {"1-0", true, 250}, {"0-1", true, 251}, {"1/2", true, 251}, {"\xCB\x9D-\xCB\x9D", true, 251},
        {"-", true, 252},   {"*", true, 253},   {"1-0 ", false, 0}, {"1/2-1", false, 0},
    };
    const Position start = FromFen(Start);
    for (const Case& c : cases) {
        EXPECT_EQ(IsResultText(c.text), c.result) << c.text;
        Move expected{};
        expected.Promote = c.code;
        EXPECT_TRUE(SameMoveBytes(ResultToMove(c.text), expected)) << c.text;
        EXPECT_EQ(TextToMove(start, c.text).Promote, std::string(c.text) == "*" ? 0 : c.code) << c.text;
    }
}

TEST(GameEnd, MoveEqualsComparesCastlingByItsKind) {
    const Move castleShortA{5, 8, 7, 8, 1, 0, 0, 0};
    const Move castleShortB{5, 8, 0, 0, 1, 0, 0, 0};
    const Move castleLong{5, 8, 3, 8, 2, 0, 0, 0};
    const Move kingStep{5, 8, 7, 8, 0, 0, 0, 0};
    const Move promoteQueen{1, 2, 1, 1, 0, 5, 0, 0};
    const Move promoteKnight{1, 2, 1, 1, 0, 2, 0, 0};
    const Move enPassant{5, 4, 4, 3, 0, 0, 4, 4};
    const Move plainCapture{5, 4, 4, 3, 0, 0, 0, 0};
    EXPECT_TRUE(MoveEquals(castleShortA, castleShortB));
    EXPECT_FALSE(MoveEquals(castleShortA, castleLong));
    EXPECT_FALSE(MoveEquals(kingStep, castleShortA));
    EXPECT_FALSE(MoveEquals(promoteQueen, promoteKnight));
    EXPECT_FALSE(MoveEquals(enPassant, plainCapture));
    EXPECT_FALSE(MoveEquals(kingStep, ResultToMove("1-0")));
}

const char* const WhiteToMove = "4k3/4P3/8/3pP3/8/8/8/4K3 w - - 0 1";

struct TextToMoveCase {
    const char* name;
    const char* fen;
    const char* text;
    Move expected; // FromFile, FromRow, ToFile, ToRow, Castle, Promote, EpFile, EpKind
};

TEST(LongTextToMove, ReadsByCharacterPosition) {
    const TextToMoveCase cases[] = {
        {"capture onto an empty square off the en-passant ranks", WhiteToMove, "e5xf4", {5, 4, 6, 5, 0, 0, 6, 0}},
        {"promotion letter that names no piece", WhiteToMove, "e7-e8=Z", {5, 2, 5, 1, 0, 0, 0, 0}},
        {"zeros, queen side", WhiteToMove, "0-0-0", {5, 8, 0, 0, 2, 0, 0, 0}},
        {"upper case is no castling", WhiteToMove, "O-O", {0, 9, 0, 9, 0, 0, 0, 0}},
        {"capture off the board stops before en passant", WhiteToMove, "e5xd9=Q", {5, 4, 4, 9, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const Move m = LongTextToMove(FromFen(c.fen), c.text);
        EXPECT_TRUE(SameMoveBytes(m, c.expected)) << c.name << ": " << m << " expected " << c.expected;
    }
}

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

void ExpectReads(std::initializer_list<ReadCase> cases) {
    const RecordCalls calls = EngineCalls();
    MoveTextReader reader;
    for (const ReadCase& c : cases) {
        const Position p = FromFen(c.fen);
        EXPECT_EQ(reader.ReadMoveText(calls, p, c.text, p.BlackToMove), c.expected) << c.name;
        EXPECT_EQ(reader.MoveTextFailed(), c.failed) << c.name;
    }
}

TEST(ReadMoveText, PawnMoves) {
    const char* const whiteOnE7 = "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1";
    ExpectReads({
        {"doubled pawns: the front one", "4k3/8/8/8/8/4P3/4P3/4K3 w - - 0 1", "e4", "e3-e4"},
        {"long form is not read back", Start, "e2-e4", ""},
        {"files only", PawnsAroundD5, "ed", "e4xd5"},
        {"files only, no such capture", PawnsAroundD5, "eb", ""},
        {"local knight letter", BlackPawnOnE2, "e1Z", "e2-e1=N"},
        {"capture without the sign, checked", whiteOnE7, "exd8N+", "e7xd8=N"},
        {"files only picks the promotion asked for", whiteOnE7, "ed=R", "e7xd8=R"},
    });
}

TEST(ReadMoveText, PieceMovesByLength) {
    ExpectReads({
        {"full from-square with capture", TwoKnights, "Nf3xe5", "f3xe5"},
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

} // namespace
} // namespace varnix
