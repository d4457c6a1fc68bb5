#include "core/Pgn.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace varnix {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsTokenEnd(char c) { return IsSpace(c) || std::string_view("{}()[];\"").find(c) != std::string_view::npos; }
bool IsTagNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool IsResultToken(std::string_view t) { return t == "1-0" || t == "0-1" || t == "1/2-1/2" || t == "*"; }

// "12." and "12..." are move numbers; "12...e5" is a move number glued to a move.
std::string_view StripMoveNumber(std::string_view token) {
    std::size_t digits = 0;
    while (digits < token.size() && IsDigit(token[digits])) ++digits;
    if (digits == 0) return token;
    if (digits == token.size()) return {}; // a bare number, as some writers leave out the dot
    std::size_t dots = digits;
    while (dots < token.size() && token[dots] == '.') ++dots;
    return dots == digits ? token : token.substr(dots);
}

std::string_view StripAnnotation(std::string_view token) {
    while (!token.empty() && (token.back() == '!' || token.back() == '?')) token.remove_suffix(1);
    return token;
}

// One pass over the text of a game, from its first tag to its result.
class PgnScanner {
public:
    explicit PgnScanner(std::string_view text) : text_(text) {
        if (text_.starts_with("\xEF\xBB\xBF")) text_.remove_prefix(3);
    }

    std::optional<PgnGame> ReadGame() {
        PgnGame game;
        bool anything = false;
        bool inMovetext = false;
        int depth = 0;
        for (SkipBlanks(); pos_ < text_.size(); SkipBlanks()) {
            const char c = text_[pos_];
            if (c == '[') {
                if (depth > 0) return std::nullopt;
                if (inMovetext) break; // the next game's tags: this game had no result
                if (!ReadTag(game)) return std::nullopt;
                anything = true;
            } else if (c == '{') {
                if (!SkipPast('}')) return std::nullopt;
            } else if (c == ';') {
                SkipPast('\n');
            } else if (c == '(') {
                ++pos_;
                ++depth;
                inMovetext = true;
            } else if (c == ')') {
                if (depth == 0) return std::nullopt;
                ++pos_;
                --depth;
            } else if (c == ']' || c == '}' || c == '"') {
                return std::nullopt;
            } else {
                inMovetext = true;
                const std::string_view token = StripMoveNumber(ReadToken());
                if (depth > 0 || token.empty() || token.front() == '$') continue;
                anything = true;
                if (IsResultToken(token)) {
                    game.Result = std::string(token);
                    return game;
                }
                const std::string_view move = StripAnnotation(token);
                if (!move.empty()) game.Moves.emplace_back(move);
            }
        }
        if (depth > 0 || !anything) return std::nullopt;
        return game;
    }

private:
    // Whitespace, and escape lines: a "%" in the first column hides the rest of its line.
    void SkipBlanks() {
        while (pos_ < text_.size()) {
            if (IsSpace(text_[pos_])) {
                ++pos_;
            } else if (text_[pos_] == '%' && (pos_ == 0 || text_[pos_ - 1] == '\n')) {
                SkipPast('\n');
            } else {
                return;
            }
        }
    }

    // Moves past the next occurrence of end; false when there is none.
    bool SkipPast(char end) {
        const std::size_t at = text_.find(end, pos_);
        pos_ = at == std::string_view::npos ? text_.size() : at + 1;
        return at != std::string_view::npos;
    }

    std::string_view ReadToken() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsTokenEnd(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void SkipSpaces() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    // [Name "value"], with \" and \\ escaped inside the value.
    bool ReadTag(PgnGame& game) {
        ++pos_;
        SkipSpaces();
        PgnTag tag;
        while (pos_ < text_.size() && IsTagNameChar(text_[pos_])) tag.Name += text_[pos_++];
        SkipSpaces();
        if (tag.Name.empty() || pos_ >= text_.size() || text_[pos_] != '"') return false;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size()) return false;
            char c = text_[pos_++];
            if (c == '"') break;
            if (c == '\\' && pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\\')) c = text_[pos_++];
            tag.Value += c;
        }
        SkipSpaces();
        if (pos_ >= text_.size() || text_[pos_] != ']') return false;
        ++pos_;
        game.Tags.push_back(std::move(tag));
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string EscapeTagValue(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '"' || c == '\\') out += '\\';
        out += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return out;
}

// Keeps the numbering far from overflow whatever a FEN tag claims.
constexpr int MaxFirstMoveNumber = 99999;

struct MoveNumbering {
    int first = 1;
    bool blackFirst = false;
};

// Side to move and full-move number from the FEN tag; White and 1 without one.
MoveNumbering NumberingFromFen(std::string_view fen) {
    MoveNumbering numbering;
    std::vector<std::string_view> fields;
    for (std::size_t at = 0; at < fen.size();) {
        const std::size_t end = std::min(fen.find(' ', at), fen.size());
        if (end > at) fields.push_back(fen.substr(at, end - at));
        at = end + 1;
    }
    if (fields.size() > 1) numbering.blackFirst = fields[1] == "b";
    if (fields.size() > 5) {
        int n = 0;
        const auto [end, ec] = std::from_chars(fields[5].data(), fields[5].data() + fields[5].size(), n);
        const bool whole = ec == std::errc() && end == fields[5].data() + fields[5].size();
        if (whole && n >= 1 && n <= MaxFirstMoveNumber) numbering.first = n;
    }
    return numbering;
}

// Joins tokens with single spaces into lines shorter than 80 columns.
class LineWrapper {
public:
    void Add(std::string_view token) {
        if (!line_.empty() && line_.size() + 1 + token.size() > MaxColumns) Flush();
        if (!line_.empty()) line_ += ' ';
        line_ += token;
    }
    std::string Finish() {
        Flush();
        return std::move(text_);
    }

private:
    static constexpr std::size_t MaxColumns = 79;
    void Flush() {
        if (line_.empty()) return;
        text_ += line_;
        text_ += '\n';
        line_.clear();
    }
    std::string line_;
    std::string text_;
};

} // namespace

std::string PgnGame::Tag(std::string_view name) const {
    for (const PgnTag& tag : Tags)
        if (tag.Name == name) return tag.Value;
    return {};
}

std::optional<PgnGame> ReadPgn(std::string_view text) { return PgnScanner(text).ReadGame(); }

std::string WritePgn(const PgnGame& game) {
    std::string text;
    for (const PgnTag& tag : game.Tags) text += "[" + tag.Name + " \"" + EscapeTagValue(tag.Value) + "\"]\n";
    text += '\n';

    const MoveNumbering numbering = NumberingFromFen(game.Tag("FEN"));
    int number = numbering.first;
    bool blackToMove = numbering.blackFirst;
    LineWrapper movetext;
    for (std::size_t i = 0; i < game.Moves.size(); ++i) {
        if (!blackToMove) movetext.Add(std::to_string(number) + ".");
        else if (i == 0) movetext.Add(std::to_string(number) + "...");
        movetext.Add(game.Moves[i]);
        if (blackToMove) ++number;
        blackToMove = !blackToMove;
    }
    if (!game.FinalComment.empty()) {
        std::string comment = game.FinalComment;
        std::replace(comment.begin(), comment.end(), '}', ')');
        std::replace(comment.begin(), comment.end(), '\n', ' ');
        movetext.Add("{" + comment + "}");
    }
    movetext.Add(game.Result.empty() ? "*" : game.Result);
    return text + movetext.Finish();
}

} // namespace varnix
