// The game record as a score sheet: row r holds move number r, its label
// ("12.") in column 0, White's half-move in column 1 and Black's in column 2.
// Row 0 is never used. Reads outside the table give "", writes are skipped.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnix {

class MoveTable {
public:
    MoveTable() { ClearMoveTable(); }

    // The table gets rows 0 to row (cutting or growing it) and row's label.
    void SetMoveRow(std::int32_t row, std::string_view label);
    // Back to the single empty row 0.
    void ClearMoveTable();
    // Keeps rows 0 to n - 1; row 0 always stays.
    void TruncateMoveTable(std::int32_t n);

    std::string MoveEntry(std::int32_t row, int column) const;
    void SetMoveEntry(std::int32_t row, int column, std::string_view text);
    std::int32_t LastRow() const { return std::int32_t(rows_.size()) - 1; }

    // The text of half-move i ("" outside the table).
    std::string GetMove(std::int32_t halfMove) const;
    void SetHalfMove(std::int32_t halfMove, std::string_view text);

private:
    bool Inside(std::int32_t row, int column) const;

    std::vector<std::array<std::string, 3>> rows_;
};

} // namespace varnix
