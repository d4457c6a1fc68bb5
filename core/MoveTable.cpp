#include "core/MoveTable.h"

#include "core/HalfMove.h"

namespace varnix {

void MoveTable::SetMoveRow(std::int32_t row, std::string_view label) {
    if (row < 0) return;
    rows_.resize(std::size_t(row) + 1);
    rows_[std::size_t(row)][0] = label;
}

void MoveTable::ClearMoveTable() { rows_.assign(1, {}); }

void MoveTable::TruncateMoveTable(std::int32_t n) {
    if (n < 1) n = 1;
    if (std::size_t(n) < rows_.size()) rows_.resize(std::size_t(n));
}

bool MoveTable::Inside(std::int32_t row, int column) const {
    return row >= 0 && row <= LastRow() && column >= 0 && column <= 2;
}

std::string MoveTable::MoveEntry(std::int32_t row, int column) const {
    return Inside(row, column) ? rows_[std::size_t(row)][std::size_t(column)] : std::string();
}

void MoveTable::SetMoveEntry(std::int32_t row, int column, std::string_view text) {
    if (Inside(row, column)) rows_[std::size_t(row)][std::size_t(column)] = text;
}

std::string MoveTable::GetMove(std::int32_t halfMove) const {
    if (halfMove < 1) return "";
    return MoveEntry(HalfMoveRow(halfMove), HalfMoveColumn(halfMove));
}

void MoveTable::SetHalfMove(std::int32_t halfMove, std::string_view text) {
    if (halfMove >= 1) SetMoveEntry(HalfMoveRow(halfMove), HalfMoveColumn(halfMove), text);
}

} // namespace varnix
