// The variation table: one text per half-move, in the same cells as the move
// table (row ceil(i / 2), column 1 or 2). Its rows grow ahead of the game;
// reads outside give "", writes outside are skipped.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnix {

class Variations {
public:
    static constexpr std::int32_t InitialLastRow = 100;
    // How many rows beyond the one needed a growing table gets.
    static constexpr std::int32_t GrowthMargin = 5;

    Variations() { Recreate(); }

    // Empty, with rows 0 to InitialLastRow.
    void Recreate();
    std::int32_t LastRow() const { return std::int32_t(rows_.size()) - 1; }
    // Makes sure row exists, growing to row + GrowthMargin when it does not.
    void EnsureRow(std::int32_t row);

    std::string Entry(std::int32_t halfMove) const;
    void SetEntry(std::int32_t halfMove, std::string_view text);

private:
    bool Inside(std::int32_t halfMove) const;

    std::vector<std::array<std::string, 2>> rows_;
};

} // namespace varnix
