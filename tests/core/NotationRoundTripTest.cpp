// Every legal move of many positions reached by random play, written in the
// short form and in the usual written variants of it, must read back to a
// move that the engine library turns into the same position.
#include "core/MoveNotation.h"
#include "core/MoveTextReader.h"
#include "core/GameState.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace varnix {
namespace {

using testing::EngineCalls;
using testing::FromFen;
using testing::SamePosition;

// Start points rich in what breaks notation: castling both ways, en passant,
// promotions with capture, several queens, rooks and knights on shared lines.
const char* const Seeds[] = {
    StandardStartFen.c_str(),
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1",
    "Q6Q/8/8/2k5/8/8/8/Q3K2Q w - - 0 1",
    "4k3/1r5r/8/2N1N3/8/2N1N3/8/R3K2R w KQ - 0 1",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
};
constexpr int GamesPerSeed = 6;
constexpr int PliesPerGame = 50;

// A written variant of a short form: where the short form has one character
// of `from` at a place `at` picks, that character becomes `to`'s.
std::string Rewrite(std::string s, std::size_t at, const std::string& from, const std::string& to) {
    if (at < s.size() && from.find(s[at]) != std::string::npos) s[at] = to[from.find(s[at])];
    return s;
}

struct Variant {
    const char* name;
    std::string (*write)(const std::string& shortText);
};

const Variant Variants[] = {
    {"short form", [](const std::string& s) { return s; }},
    {"annotated", [](const std::string& s) { return s + "!?"; }},
    {"checked", [](const std::string& s) { return s + "+"; }},
    {"colon for capture", [](const std::string& s) { return Rewrite(s, s.find('x'), "x", ":"); }},
    {"local letter", [](const std::string& s) { return Rewrite(s, 0, "NBRQ", "ZLTD"); }},
    {"promotion without =", [](const std::string& s) { return s.find('=') == s.npos ? s : s.substr(0, s.find('=')) + s.substr(s.find('=') + 1); }},
    // exd5 as ed5
    {"abbreviated pawn capture",
     [](const std::string& s) { return s.size() > 1 && s[0] >= 'a' && s[0] <= 'h' && s[1] == 'x' ? s.substr(0, 1) + s.substr(2) : s; }},
    {"zeros for castling", [](const std::string& s) { return s == "O-O" ? "0-0" : s == "O-O-O" ? "0-0-0" : s; }},
};

Position After(const RecordCalls& calls, Position p, const Move& m) {
    calls.MakeMove(p, m);
    return p;
}

// Checks every legal move of one position; returns how many were checked.
int CheckPosition(const RecordCalls& calls, const Position& p) {
    MoveTextReader reader;
    const MoveList legal = calls.GetLegalMoves(p, p.BlackToMove);
    std::set<std::string> shortForms;
    for (int i = 0; i < legal.Count; ++i) {
        const Move& m = legal.Entries[i];
        const Position expected = After(calls, p, m);
        const std::string longText = MoveToLongText(p, m);
        const std::string shortText = LongTextToShort(calls, p, longText, p.BlackToMove);
        const std::string where = PositionToFen(p) + " move " + longText + " short " + shortText;
        EXPECT_EQ(shortText.find_first_of("+#"), std::string::npos) << where;
        EXPECT_TRUE(shortForms.insert(shortText).second) << "shared short form: " << where;
        for (const Variant& v : Variants) {
            const std::string written = v.write(shortText);
            const std::string read = reader.ReadMoveText(calls, p, written, p.BlackToMove);
            EXPECT_FALSE(reader.MoveTextFailed()) << v.name << " " << written << ": " << where;
            const Position got = After(calls, p, LongTextToMove(p, read));
            EXPECT_TRUE(SamePosition(got, expected))
                << v.name << " " << written << " read as " << read << ": " << where;
        }
    }
    return legal.Count;
}

TEST(NotationRoundTrip, EveryLegalMoveReadsBackToTheSamePosition) {
    const RecordCalls calls = EngineCalls();
    std::mt19937 random(20240611);
    int positions = 0;
    int moves = 0;
    for (const char* seed : Seeds) {
        for (int game = 0; game < GamesPerSeed && !HasFailure(); ++game) {
            Position p = FromFen(seed);
            for (int ply = 0; ply < PliesPerGame && !HasFailure(); ++ply) {
                const int checked = CheckPosition(calls, p);
                if (checked == 0) break;
                ++positions;
                moves += checked;
                const MoveList legal = calls.GetLegalMoves(p, p.BlackToMove);
                p = After(calls, p, legal.Entries[random() % legal.Count]);
                p.BlackToMove = p.BlackToMove != 0 ? FlagFalse : FlagTrue;
            }
        }
    }
    EXPECT_GT(positions, 1000);
    RecordProperty("positions", positions);
    RecordProperty("moves", moves);
}

} // namespace
} // namespace varnix
