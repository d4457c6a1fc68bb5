#include "main_window/AboutPanel.h"

#include "resources/ButtonPictures.h"
#include "skin/SkinableButton.h"
#include "platform/TextRenderer.h"

#include <sstream>
#include <vector>

namespace varnix {

namespace {

// The label's box and the button's place, in pixels (twips / 15).
constexpr int LabelX = 480 / 15, LabelY = 1560 / 15, LabelWidth = 4455 / 15, LabelHeight = 3255 / 15;
constexpr int ButtonX = 4445 / 15, ButtonY = 4950 / 15;
constexpr double ButtonWidthTwips = 855;

// Greedy word wrap of one paragraph into lines no wider than the label.
std::vector<std::string> WrapParagraph(const std::string& paragraph, const TextRenderer& font) {
    std::vector<std::string> lines;
    std::istringstream words(paragraph);
    std::string word, line = paragraph.rfind("  ", 0) == 0 ? "  " : "";
    while (words >> word) {
        const std::string candidate = line.empty() || line == "  " ? line + word : line + " " + word;
        if (font.TextWidth(candidate) > LabelWidth && !(line.empty() || line == "  ")) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    lines.push_back(line);
    return lines;
}

} // namespace

AboutPanelPictures ComposeAboutPanel(const std::string& aboutText) {
    Surface panel = AboutPanelBackground();
    if (auto font = TextRenderer::Open("Tahoma", false, 8.25)) {
        std::vector<std::string> lines;
        std::string paragraph;
        for (char c : aboutText + "\n") {
            if (c == '\r') continue;
            if (c != '\n') {
                paragraph += c;
                continue;
            }
            for (auto& l : WrapParagraph(paragraph, *font)) lines.push_back(std::move(l));
            paragraph.clear();
        }
        int y = LabelY;
        for (const std::string& line : lines) {
            if (y + font->LineHeight() > LabelY + LabelHeight) break;
            font->DrawText(panel, LabelX, y, line, Rgb(40, 24, 16));
            y += font->LineHeight();
        }
    }
    ctrl_SkinableButton ok(ButtonSkinStrip());
    ok.Resize(ButtonWidthTwips);
    ok.SetCaption("OK");
    Surface normal = ok.Picture();
    ok.DrawButton(ctrl_SkinableButton::PressedLook);
    return {std::move(panel), std::move(normal), ok.Picture(), ButtonX, ButtonY};
}

} // namespace varnix
