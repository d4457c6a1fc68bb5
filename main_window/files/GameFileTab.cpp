#include "main_window/files/GameFileTab.h"

namespace varnix {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view UserWhiteHeading = "White(You)";

std::vector<std::string_view> SplitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// A line's text starts after its leading spaces and TABs.
std::string_view SkipLeadingBlanks(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

// Every TAB separates two fields, so a final TAB ends in an empty field.
std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

// Whether the number at the start of the field (digits, then an optional point
// and fraction) is exactly n: "12." reads as 12; "1.5" is not 1, and "x" is 0.
bool NumberIs(std::string_view field, int n) {
    std::size_t i = field.find_first_not_of(" \t");
    if (i == std::string_view::npos) return false;
    long long value = 0;
    bool digits = false;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        digits = true;
        if (value <= MaxFileMoveLines) value = value * 10 + (field[i] - '0');
    }
    if (i < field.size() && field[i] == '.')
        for (++i; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
            if (field[i] != '0') return false;
    return digits && value == n;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

} // namespace

std::string TabGameText(const RecordSnapshot& record) {
    const std::vector<ScoreLine>& rows = record.Rows;
    std::string text = record.UserPlaysWhite ? "\tWhite(You)\tBlack" : "\tWhite\tBlack(You)";
    text += LineEnd;
    const int lines = (record.PlyCount + 1) / 2;
    for (int i = 1; i <= lines; ++i) {
        const bool inRecord = std::size_t(i) <= rows.size();
        const bool blackShown = !(i == lines && record.PlyCount % 2 == 1);
        text += std::to_string(i) + ".\t";
        if (inRecord) text += rows[std::size_t(i - 1)].White;
        text += '\t';
        if (inRecord && blackShown) text += rows[std::size_t(i - 1)].Black;
        text += LineEnd;
    }
    return text;
}

GameFileReading ReadTabGame(std::string_view text) {
    std::vector<std::string_view> lines = SplitLines(text);
    while (!lines.empty() && IsBlank(lines.back())) lines.pop_back();
    GameFileReading reading;
    if (lines.empty()) {
        reading.Fault = GameFileFault::Unreadable;
        return reading;
    }
    LoadedGame& game = reading.Game;
    game.UserPlaysWhite = SplitFields(SkipLeadingBlanks(lines.front())).front() == UserWhiteHeading;
    if (lines.size() - 1 > std::size_t(MaxFileMoveLines)) {
        reading.Fault = GameFileFault::Unreadable;
        return reading;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> fields = SplitFields(SkipLeadingBlanks(lines[i]));
        if (!NumberIs(fields[0], int(i))) {
            reading.Fault = GameFileFault::Corrupted;
            return reading;
        }
        if (fields.size() < 3) {
            reading.Fault = GameFileFault::Unreadable;
            return reading;
        }
        game.Lines.push_back({std::string(fields[1]), std::string(fields[2])});
    }
    const int plies = 2 * int(game.Lines.size()) - (!game.Lines.empty() && game.Lines.back().Black.empty() ? 1 : 0);
    game.MaxPly = std::int16_t(plies);
    return reading;
}

} // namespace varnix
