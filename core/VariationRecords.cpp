#include "core/VariationRecords.h"

#include <cstdio>

namespace varnix {

namespace {

constexpr std::size_t FieldWidth = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length a record starting at pos announces, 0 when it announces none
// that fits inside the text.
std::size_t RecordLengthAt(std::string_view text, std::size_t pos) {
    if (text.size() - pos < FieldWidth) return 0;
    std::size_t length = 0;
    for (std::size_t i = pos; i < pos + FieldWidth; ++i) {
        if (!IsDigit(text[i])) return 0;
        length = length * 10 + std::size_t(text[i] - '0');
    }
    return length >= FieldWidth && length <= text.size() - pos ? length : 0;
}

bool NeedsEscape(char c) { return c == ' ' || c == '%' || c == '(' || c == ')'; }

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        if (!NeedsEscape(c)) {
            out += c;
            continue;
        }
        char code[4];
        std::snprintf(code, sizeof code, "%%%02X", unsigned(static_cast<unsigned char>(c)));
        out += code;
    }
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += char(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Reads "(" records ")" at pos into entry; false when the group is damaged.
bool ReadGroup(std::string_view body, std::size_t& pos, std::string& entry) {
    ++pos;
    while (pos < body.size() && body[pos] != ')') {
        const std::size_t length = RecordLengthAt(body, pos);
        if (length == 0) return false;
        entry.append(body.substr(pos, length));
        pos += length;
    }
    if (pos == body.size()) return false;
    ++pos;
    return true;
}

} // namespace

std::string EncodeLine(const StoredLine& line) {
    if (line.empty()) return "";
    std::string body;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i > 0) body += ' ';
        AppendEscaped(body, line[i].Text);
        if (!line[i].Entry.empty()) body += "(" + line[i].Entry + ")";
    }
    const std::size_t length = FieldWidth + body.size();
    if (length > MaxRecordLength) return "";
    char field[FieldWidth + 1];
    std::snprintf(field, sizeof field, "%06zu", length);
    return field + body;
}

StoredLine DecodeLine(std::string_view record) {
    StoredLine line;
    const std::size_t length = RecordLengthAt(record, 0);
    if (length == 0) return line;
    const std::string_view body = record.substr(FieldWidth, length - FieldWidth);
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = body.find_first_of(" ()", pos);
        StoredHalfMove half{Unescaped(body.substr(pos, end == std::string_view::npos ? body.npos : end - pos)), ""};
        pos = end == std::string_view::npos ? body.size() : end;
        const bool groupIntact = pos == body.size() || body[pos] != '(' || ReadGroup(body, pos, half.Entry);
        line.push_back(std::move(half));
        if (!groupIntact || pos == body.size() || body[pos] != ' ') return line;
        ++pos;
    }
}

SplitEntry SplitRecords(std::string_view entry) {
    SplitEntry split;
    std::size_t pos = 0;
    while (pos < entry.size()) {
        const std::size_t length = RecordLengthAt(entry, pos);
        if (length == 0) break;
        split.Records.emplace_back(entry.substr(pos, length));
        pos += length;
    }
    split.Rest = entry.substr(pos);
    return split;
}

std::string JoinRecords(const SplitEntry& entry) {
    std::string out;
    for (const std::string& record : entry.Records) out += record;
    return out + entry.Rest;
}

} // namespace varnix
