#include "core/Variations.h"

#include "core/HalfMove.h"

namespace varnix {

void Variations::Recreate() { rows_.assign(std::size_t(InitialLastRow) + 1, {}); }

void Variations::EnsureRow(std::int32_t row) {
    if (row > LastRow()) rows_.resize(std::size_t(row) + GrowthMargin + 1);
}

bool Variations::Inside(std::int32_t halfMove) const {
    return halfMove >= 1 && HalfMoveRow(halfMove) <= LastRow();
}

std::string Variations::Entry(std::int32_t halfMove) const {
    if (!Inside(halfMove)) return "";
    return rows_[std::size_t(HalfMoveRow(halfMove))][std::size_t(HalfMoveColumn(halfMove) - 1)];
}

void Variations::SetEntry(std::int32_t halfMove, std::string_view text) {
    if (Inside(halfMove)) rows_[std::size_t(HalfMoveRow(halfMove))][std::size_t(HalfMoveColumn(halfMove) - 1)] = text;
}

} // namespace varnix
