#include "core/Fen.h"
#include "core/GameState.h"
#include "engine_link/EngineLibrary.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varnix {
namespace {

// The test executable sits beside the engine library in the build tree. Binding the real library is
// the control tests' (they play with its rules and the program loop with its texts).
const std::string BuildBin = EngineLibrary::ExecutableFolder();

TEST(EngineLibrary, MissingLibraryLeavesEveryCallHarmless) {
    EngineLibrary engine;
    EXPECT_FALSE(engine.Load("/nonexistent-folder"));
    EXPECT_EQ(engine.EngineHandle(), nullptr);
    EXPECT_FALSE(engine.LoadError().empty());
    EXPECT_EQ(engine.EngineStart(), nullptr);

    Position p{};
    FenToPosition(StandardStartFen, p);
    const Position before = p;
    const RecordCalls calls = engine.Records();
    EXPECT_EQ(calls.GetLegalMoves(p, 0).Count, 0);
    EXPECT_FALSE(calls.IsKingAttacked(p, 0));
    calls.MakeMove(p, Move{5, 7, 5, 5, 0, 0, 0, 0});
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST(EngineLibrary, LibraryWithoutExportsStaysLoadedButUnbound) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Load(BuildBin + "/no_exports")) << engine.LoadError();
    EXPECT_NE(engine.EngineHandle(), nullptr);
    EXPECT_FALSE(engine.Records().Bound());
    EXPECT_EQ(engine.GetTxt(), nullptr);
    Position p{};
    EXPECT_EQ(engine.Records().GetLegalMoves(p, 0).Count, 0);
}

} // namespace
} // namespace varnix
