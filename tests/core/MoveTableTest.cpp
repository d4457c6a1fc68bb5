#include "core/MoveTable.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

MoveTable FiveRows() {
    MoveTable table;
    for (int row = 1; row <= 5; ++row) {
        table.SetMoveRow(row, std::to_string(row) + ".");
        table.SetMoveEntry(row, 1, "w" + std::to_string(row));
        table.SetMoveEntry(row, 2, "b" + std::to_string(row));
    }
    return table;
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
