// Continuations kept in a variation entry when the record is cut. An entry is
// a run of records; each record is a 6-digit decimal length (of the whole
// record, field included) followed by move texts separated by spaces. A text
// may be followed directly by "(" and the variation entry of that half-move
// inside the stored line, then ")", so that nested lines travel with it.
// Texts are escaped ("%20" for a space, "%25", "%28", "%29") so that any text
// survives; the program's own move texts never need it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnix {

struct StoredHalfMove {
    std::string Text;
    std::string Entry; // the variation entry of this half-move within the line
};
using StoredLine = std::vector<StoredHalfMove>;

// The whole record's length must fit the field.
inline constexpr std::size_t MaxRecordLength = 999999;

// One record; "" when the line is empty or too long for the length field.
std::string EncodeLine(const StoredLine& line);
// The half-moves of one record. A damaged record gives what could be read.
StoredLine DecodeLine(std::string_view record);

struct SplitEntry {
    std::vector<std::string> Records;
    std::string Rest; // what follows the last readable record, kept verbatim
};
SplitEntry SplitRecords(std::string_view entry);
std::string JoinRecords(const SplitEntry& entry);

} // namespace varnix
