// Any text at all through the readers and the short-form writer: a defined
// answer of a known shape, never a read outside the text (the sanitizers
// watch that), never a crash or a hang.
#include "core/MoveNotation.h"
#include "core/MoveTextReader.h"
#include "core/GameState.h"
#include "core/NotationText.h"

#include "NotationTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace varnix {
namespace {

using testing::EngineCalls;
using testing::FromFen;

const char* const Positions[] = {
    StandardStartFen.c_str(),
    "3r3k/4P3/8/3pP3/8/5N2/1p6/1N2K2R w K d6 0 1",
    "r3k2r/8/8/8/3pP3/8/4p3/R3K2R b KQkq e3 0 1",
};

// A reader's answer that is not a failure is empty, a result text, castling,
// or a long form with its separator in the third character.
bool IsReadShape(const std::string& read) {
    if (read.empty() || IsResultOrPlaceholder(read) || read == "o-o" || read == "o-o-o") return true;
    return read.size() >= 5 && (read[2] == 'x' || read[2] == '-');
}

// The short-form writer hands back its input, castling, or a short text with no mark.
bool IsShortShape(const std::string& input, const std::string& written) {
    if (written == input) return true;
    if (written == "O-O" || written == "O-O-O" || written == "o-o" || written == "o-o-o") return true;
    return written.size() >= 2 && written.size() <= 7 && written.find_first_of("+#") == std::string::npos;
}

void CheckText(const RecordCalls& calls, MoveTextReader& reader, const Position& p, const std::string& text) {
    for (const std::int16_t side : {FlagFalse, FlagTrue}) {
        const std::string read = reader.ReadMoveText(calls, p, text, side);
        if (reader.MoveTextFailed())
            EXPECT_LE(read.size(), text.size() + 1) << '"' << text << '"';
        else
            EXPECT_TRUE(IsReadShape(read)) << '"' << text << "\" read as \"" << read << '"';
    }
    EXPECT_TRUE(IsShortShape(text, LongTextToShort(calls, p, text, p.BlackToMove))) << '"' << text << '"';
    LongTextToMove(p, text);
}

// The characters move texts are made of, and some that they are not.
const std::string MoveCharacters = "abcdefgh12345678090xX-=:+#!?,NBRQKPZLTDOoS/*\xCB\x9D \t\r\n";

// Every byte alone, then short texts of move characters, now and then any byte.
TEST(NotationAnyText, RandomTextsOfMoveCharacters) {
    const std::string& alphabet = MoveCharacters;
    const RecordCalls calls = EngineCalls();
    MoveTextReader reader;
    for (int a = 0; a < 256; ++a) CheckText(calls, reader, FromFen(Positions[1]), std::string(1, char(a)));
    std::mt19937 random(7);
    for (int i = 0; i < 40000; ++i) {
        std::string text(random() % 9, ' ');
        for (char& c : text) c = random() % 8 == 0 ? char(random() % 256) : alphabet[random() % alphabet.size()];
        CheckText(calls, reader, FromFen(Positions[i % std::size(Positions)]), text);
    }
}

TEST(NotationAnyText, LongTexts) {
    const RecordCalls calls = EngineCalls();
    const Position p = FromFen(Positions[0]);
    MoveTextReader reader;
    for (const std::string& text : {std::string(10000, 'e'), std::string(10000, '='), std::string(10000, '\xCB'),
                                    "N" + std::string(9999, 'x'), std::string(9997, ':') + "Nf3"})
        CheckText(calls, reader, p, text);

    EXPECT_EQ(reader.ReadMoveText(calls, p, "e4" + std::string(9998, '+'), FlagFalse), "e2-e4");
    CheckText(calls, reader, p, std::string(10000, '!'));
    EXPECT_EQ(reader.ReadMoveText(calls, p, std::string(10000, '!'), FlagFalse), std::string(10000, '!'));
    EXPECT_TRUE(reader.MoveTextFailed());
    // Only 100 characters after a colon are kept.
    const std::string colons = reader.ReadMoveText(calls, p, std::string(10000, ':'), FlagFalse);
    EXPECT_TRUE(reader.MoveTextFailed());
    EXPECT_EQ(colons, "x" + std::string(100, ':'));
}

} // namespace
} // namespace varnix
