#include "BoardFixture.h"

#include <cmath>

namespace varnix {
namespace {

using testing_support::BoardFixture;
using testing_support::Rect;

constexpr Rect WholeBoard{0, 0, 366, 365};

class Animation : public BoardFixture {
protected:
    // Makes the move on the current position by hand (no engine needed),
    // keeping the position before it, as the callers of AnimateMove do.
    Move Play(int fromFile, int fromRow, int toFile, int toRow) {
        game.PreviousPosition = game.CurrentPosition;
        SetPiece(game.CurrentPosition, toFile, toRow, PieceAt(game.CurrentPosition, fromFile, fromRow));
        SetPiece(game.CurrentPosition, fromFile, fromRow, Empty);
        return Move{std::uint8_t(fromFile), std::uint8_t(fromRow), std::uint8_t(toFile), std::uint8_t(toRow), 0, 0, 0, 0};
    }

    void ExpectMarks(int mfx, int mfy, int mfx2, int mfy2, int lastFile, int lastRow) const {
        EXPECT_EQ(selection.mfx, mfx);
        EXPECT_EQ(selection.mfy, mfy);
        EXPECT_EQ(selection.mfx2, mfx2);
        EXPECT_EQ(selection.mfy2, mfy2);
        EXPECT_EQ(view->LastMoveFile, lastFile);
        EXPECT_EQ(view->LastMoveRow, lastRow);
    }

    // The frames put on the window, without the final whole-board redraw.
    std::vector<Rect> Frames() const {
        std::vector<Rect> frames = platform.shown;
        EXPECT_FALSE(frames.empty());
        if (!frames.empty()) {
            EXPECT_EQ(frames.back(), WholeBoard) << "the animation ends with a redraw";
            frames.pop_back();
        }
        return frames;
    }

    void Animate(Move& move, bool keepMarks) {
        platform.shown.clear();
        view->AnimateMove(game.PreviousPosition, move, keepMarks);
    }
};

// Frame k of a glide from (sx, sy) over (dx, dy) in duration ms, with the
// clock moving on step ms a frame: the rectangle spanning frames k-1 and k.
Rect ExpectedFrame(int k, int step, int sx, int sy, int dx, int dy, int duration) {
    auto at = [&](int i, int s, int d) {
        const int t = std::min(i * step, duration);
        return int(std::lround(s + double(d) * t / duration));
    };
    const int px = at(std::max(0, k - 1), sx, dx), py = at(std::max(0, k - 1), sy, dy);
    const int cx = at(k, sx, dx), cy = at(k, sy, dy);
    return {std::min(px, cx), std::min(py, cy), std::abs(cx - px) + 41, std::abs(cy - py) + 41};
}

class ClockSteps : public Animation, public ::testing::WithParamInterface<int> {};

TEST_P(ClockSteps, PawnDoubleStepGlidesByTheClockAndStopsShortOfItsSquare) {
    const int step = GetParam();
    platform.SetClockStep(std::uint32_t(step));
    Move move = Play(5, 7, 5, 5);
    Animate(move, false);
    const std::vector<Rect> frames = Frames();
    // 82 px up in 100 ms; frames at t = 0, step, 2 step, ... while below 100.
    const int expectedFrames = (100 + step - 1) / step;
    ASSERT_EQ(int(frames.size()), expectedFrames);
    EXPECT_EQ(frames.front(), (Rect{182, 264, 41, 41}));
    for (int k = 0; k < expectedFrames; ++k)
        EXPECT_EQ(frames[std::size_t(k)], ExpectedFrame(k, step, 182, 264, 0, -82, 100)) << "frame " << k;
    EXPECT_GT(frames.back().y, 182) << "the last frame lies short of e4";
}

INSTANTIATE_TEST_SUITE_P(Animation, ClockSteps, ::testing::Values(1, 33, 250));

TEST_F(Animation, FinalBoardShowsTheMoveWithItsMarks) {
    Move move = Play(5, 7, 5, 5);
    Animate(move, false);
    ExpectMarks(5, 7, 5, 5, 5, 5);
    const Surface& window = platform.Window();
    EXPECT_EQ(window.At(183 + 1, 265 + 1), 0x000000u); // selection frame on the empty e2
    EXPECT_EQ(window.At(183 + 1, 183 + 1), 0xFFFFFFu); // last-move frame on e4
    EXPECT_EQ(window.At(182 + 20, 182 + 30), ExpectedCell(WhitePawn, 182, 182).At(20, 30));
}

TEST_F(Animation, KeepMarksLeavesSelectionAndLastMoveAlone) {
    selection = BoardSelection{2, 3, 4, 5, 0, 6, 7};
    view->LastMoveFile = 3;
    view->LastMoveRow = 4;
    Move move = Play(7, 8, 6, 6);
    Animate(move, true);
    ExpectMarks(2, 3, 4, 5, 3, 4);
}

struct CastleCase {
    const char* name;
    std::int16_t blackToMove;
    std::uint8_t castle;
    int sx, sy, ex;
    Move rewritten;
};

class Castling : public Animation, public ::testing::WithParamInterface<CastleCase> {};

TEST_P(Castling, KingGlidesTwoSquaresAndTheRecordReadsAsTheKingsMove) {
    const CastleCase& c = GetParam();
    platform.SetClockStep(25);
    game.PreviousPosition = game.CurrentPosition;
    game.PreviousPosition.BlackToMove = c.blackToMove;
    Move move{1, 2, 3, 4, c.castle, 0, 0, 0}; // the squares of a castling record are not trusted
    Animate(move, false);
    EXPECT_TRUE(SameMoveBytes(move, c.rewritten));
    const std::vector<Rect> frames = Frames();
    ASSERT_EQ(frames.size(), 4u); // 100 ms in steps of 25
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(frames[std::size_t(k)], ExpectedFrame(k, 25, c.sx, c.sy, c.ex - c.sx, 0, 100)) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Animation, Castling,
    // The side picks the row and the castling the file, each on its own: two cases turn both.
    ::testing::Values(CastleCase{"WhiteKingSide", FlagFalse, 1, 182, 305, 264, Move{5, 8, 7, 8, 1, 0, 0, 0}},
                      CastleCase{"BlackQueenSide", FlagTrue, 2, 182, 18, 100, Move{5, 1, 3, 1, 2, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Animation, FlippedBoardGlidesInScreenCoordinatesAndHandsTheMoveBackUnturned) {
    view->FlipBoard();
    platform.SetClockStep(50);
    Move move = Play(5, 7, 5, 5);
    Animate(move, false);
    const std::vector<Rect> frames = Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], (Rect{141, 59, 41, 41}));
    EXPECT_EQ(frames[1], (Rect{141, 59, 41, 41 + 41}));
    EXPECT_TRUE(SameMoveBytes(move, Move{5, 7, 5, 5, 0, 0, 0, 0}));
    EXPECT_EQ(view->LastMoveFile, 5);
    EXPECT_EQ(view->LastMoveRow, 5);
    EXPECT_EQ(platform.Window().At(142 + 1, 142 + 1), 0xFFFFFFu); // e4 when flipped
}

TEST_F(Animation, MoveAcrossTheBoardTakes350Ms) {
    platform.SetClockStep(1);
    game.PreviousPosition = game.CurrentPosition;
    SetPiece(game.PreviousPosition, 1, 1, WhiteQueen);
    SetPiece(game.PreviousPosition, 8, 8, Empty);
    Move move{1, 1, 8, 8, 0, 0, 0, 0}; // a8 to h1 diagonally over whatever stands there
    Animate(move, true);
    EXPECT_EQ(Frames().size(), 350u);
}

// An all-zero move, a move to its own square and one from an empty square are
// neither animated nor redrawn, and come back in board coordinates.
TEST_F(Animation, NothingHappensForAMoveToItsOwnSquareOrFromAnEmptyOne) {
    view->FlipBoard();
    const int repaints = platform.Repaints();
    Move none{};
    Animate(none, false);
    Move still{3, 3, 3, 3, 0, 0, 0, 0};
    Animate(still, false);
    EXPECT_EQ(selection.mfx, 0);
    game.PreviousPosition = game.CurrentPosition;
    Move empty{5, 5, 5, 4, 0, 0, 0, 0}; // e4 is empty
    Animate(empty, false);
    EXPECT_TRUE(platform.shown.empty());
    EXPECT_EQ(platform.Repaints(), repaints);
    EXPECT_TRUE(SameMoveBytes(empty, Move{5, 5, 5, 4, 0, 0, 0, 0}));
}

TEST_F(Animation, MoveRecordOffTheBoardDoesNotCrash) {
    platform.SetClockStep(40);
    game.PreviousPosition = game.CurrentPosition;
    for (Move move : {Move{0, 7, 5, 5, 0, 0, 0, 0}, Move{5, 7, 250, 250, 0, 0, 0, 0}, Move{255, 255, 1, 1, 0, 0, 0, 0}})
        Animate(move, true); // the sanitizers catch any read off the buffers
}

TEST_F(Animation, BoardTurnedDuringTheGlideStillHandsBackBoardCoordinates) {
    platform.SetClockStep(10);
    bool turned = false;
    platform.SetProcessHook([&] {
        if (!turned) {
            turned = true;
            view->FlipBoard();
        }
    });
    Move move = Play(5, 7, 5, 5);
    view->AnimateMove(game.PreviousPosition, move, false);
    EXPECT_TRUE(SameMoveBytes(move, Move{5, 7, 5, 5, 0, 0, 0, 0}));
    EXPECT_EQ(view->LastMoveRow, 5);
}

} // namespace
} // namespace varnix
