#include "core/HalfMove.h"
#include "core/MoveTable.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

TEST(HalfMove, MapsToScoreSheetCells) {
    struct Case {
        std::int32_t halfMove, row;
        int column;
    };
    const Case cases[] = {{1, 1, 1}, {4, 2, 2}, {32767, 16384, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(HalfMoveRow(c.halfMove), c.row) << c.halfMove;
        EXPECT_EQ(HalfMoveColumn(c.halfMove), c.column) << c.halfMove;
    }
}

MoveTable FiveRows() {
    MoveTable table;
    for (int row = 1; row <= 5; ++row) {
        table.SetMoveRow(row, std::to_string(row) + ".");
        table.SetMoveEntry(row, 1, "w" + std::to_string(row));
        table.SetMoveEntry(row, 2, "b" + std::to_string(row));
    }
    return table;
}

TEST(MoveTable, SetMoveRowCutsAndKeepsTheRest) {
    MoveTable table = FiveRows();
    table.SetMoveRow(3, "3.");
    EXPECT_EQ(table.LastRow(), 3);
    EXPECT_EQ(table.MoveEntry(3, 0), "3.");
    EXPECT_EQ(table.MoveEntry(3, 2), "b3");
    EXPECT_EQ(table.MoveEntry(1, 1), "w1");
    EXPECT_EQ(table.MoveEntry(4, 1), "");
    EXPECT_EQ(table.GetMove(6), "b3");
    EXPECT_EQ(table.GetMove(7), "");
}

TEST(MoveTable, TruncateKeepsRowsBeforeNAndOutsideIsSilent) {
    MoveTable table = FiveRows();
    table.TruncateMoveTable(9);
    EXPECT_EQ(table.LastRow(), 5);
    table.TruncateMoveTable(3);
    EXPECT_EQ(table.LastRow(), 2);
    table.TruncateMoveTable(-4);
    EXPECT_EQ(table.LastRow(), 0);
    table = FiveRows();
    table.SetMoveEntry(6, 1, "x");
    table.SetMoveEntry(1, 3, "x");
    table.SetMoveEntry(-1, 1, "x");
    table.SetHalfMove(0, "x");
    table.SetMoveRow(-2, "x");
    EXPECT_EQ(table.LastRow(), 5);
    EXPECT_EQ(table.MoveEntry(1, 3), "");
    EXPECT_EQ(table.GetMove(0), "");
    EXPECT_EQ(table.GetMove(11), "");
}

} // namespace
} // namespace varnix
