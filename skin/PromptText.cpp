#include "skin/PromptText.h"

#include <algorithm>

namespace varnix {

namespace {

// Length in bytes of the UTF-8 sequence that starts at text[i] (1 for stray bytes).
std::size_t CodePointLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, text.size() - i);
}

// Cuts a word that is wider than the limit on its own into pieces that fit
// (at least one character each), prefixed by what the line already holds.
void CutWord(std::string current, std::string_view word, int maxWidth, const TextMeasure& measure,
             std::vector<std::string>& lines, std::string& rest) {
    bool hasCharacter = false;
    for (std::size_t i = 0; i < word.size();) {
        const std::size_t n = CodePointLength(word, i);
        std::string candidate = current;
        candidate.append(word.substr(i, n));
        if (hasCharacter && measure.TextWidth(candidate) > maxWidth) {
            lines.push_back(current);
            current.assign(word.substr(i, n));
        } else {
            current = std::move(candidate);
        }
        hasCharacter = true;
        i += n;
    }
    rest = std::move(current);
}

// Greedy breaking of one too-wide line at its spaces; the spaces at a break are dropped.
void BreakLine(std::string_view line, int maxWidth, const TextMeasure& measure, std::vector<std::string>& lines) {
    std::string current;
    bool hasWord = false;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t wordStart = line.find_first_not_of(' ', i);
        if (wordStart == std::string_view::npos) break;
        const std::size_t wordEnd = std::min(line.find(' ', wordStart), line.size());
        std::string_view spaces = line.substr(i, wordStart - i);
        const std::string_view word = line.substr(wordStart, wordEnd - wordStart);
        i = wordEnd;

        std::string candidate = current;
        candidate.append(spaces).append(word);
        if (measure.TextWidth(candidate) <= maxWidth) {
            current = std::move(candidate);
            hasWord = true;
            continue;
        }
        if (hasWord) {
            lines.push_back(current);
            current.clear();
            spaces = {};
            if (measure.TextWidth(word) <= maxWidth) {
                current.assign(word);
                continue;
            }
        }
        std::string prefix = current;
        prefix.append(spaces);
        CutWord(std::move(prefix), word, maxWidth, measure, lines, current);
        hasWord = true;
    }
    lines.push_back(current);
}

} // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

WrappedPrompt WrapPrompt(std::string_view text, int maxWidth, const TextMeasure& measure) {
    WrappedPrompt result;
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(text)) {
        if (measure.TextWidth(line) <= maxWidth) {
            lines.push_back(line);
        } else {
            BreakLine(line, maxWidth, measure, lines);
            result.rebroken = true;
        }
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) result.text += '\r';
        result.text += lines[i];
    }
    return result;
}

TwipRect LabelSize(std::string_view text, const TextMeasure& measure) {
    const std::vector<std::string> lines = SplitLines(text);
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, measure.TextWidth(line));
    return {0, 0, PixelsToTwips(widest), PixelsToTwips(measure.LineHeight() * int(lines.size()))};
}

MnemonicText ParseMnemonic(std::string_view caption) {
    MnemonicText result;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && result.underlined < 0) result.underlined = int(result.text.size());
        }
        result.text += caption[i];
    }
    return result;
}

} // namespace varnix
