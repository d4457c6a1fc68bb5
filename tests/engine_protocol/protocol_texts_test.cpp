// The texts the program's interpreter acts on.
#include <gtest/gtest.h>

#include "engine/protocol_command.h"
#include "engine/protocol_texts.h"

namespace varnix::engine {
namespace {

TEST(ProtocolTexts, EchoedLinesCannotTriggerTheProgram) {
    EXPECT_EQ(ErrorText("unknown command", "foo"), "Error: unknown command: foo");
    for (const char* line : {"say analyze complete", "x): y", "I claim a draw", "White mates!", "I offer a draw"}) {
        const std::string text = ErrorText("unknown command", line);
        for (const char* acted : {"analyze complete", "): ", "claim a draw", "stalemate", "White mates",
                                  "Black mates", "I offer a draw"})
            EXPECT_EQ(text.find(acted), std::string::npos) << text;
    }
    EXPECT_EQ(ErrorText("illegal move", "\ae4\r"), "Error: illegal move: ?e4?");
}

TEST(ProtocolCommand, ReadsEachCommandAndItsArgument) {
    struct Case {
        const char* line;
        CommandKind kind;
        int64_t number;
    };
    const Case cases[] = {
        {"  go \r", CommandKind::Go, 0},          {"", CommandKind::Empty, 0},
        {"movenumber 17", CommandKind::MoveNumber, 17}, {"blacktime 0", CommandKind::BlackTime, 0},
        {"movenumber", CommandKind::Unknown, 0},   {"skill 7x", CommandKind::Unknown, 0},
        {"blacktime 99999999999999999999", CommandKind::Unknown, 0},
        {"setboard", CommandKind::Unknown, 0},     {"Nbd2", CommandKind::Move, 0},
        {"GO", CommandKind::Unknown, 0},           {"newgame", CommandKind::Unknown, 0},
    };
    for (const Case& c : cases) {
        const Command command = ParseCommand(c.line);
        EXPECT_EQ(command.kind, c.kind) << c.line;
        EXPECT_EQ(command.number, c.number) << c.line;
    }
    const Command setboard = ParseCommand("setboard  8/8/8/8/8/8/8/K1k5 w - - 0 1 ");
    EXPECT_EQ(setboard.kind, CommandKind::SetBoard);
    EXPECT_EQ(setboard.argument, "8/8/8/8/8/8/8/K1k5 w - - 0 1");
    EXPECT_FALSE(ParseCommand("ponder off").on);
}

}  // namespace
}  // namespace varnix::engine
