#include "FixedMeasure.h"
#include "platform/ModalWindow.h"
#include "skin/InputField.h"
#include "skin/PromptText.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnix {
namespace {

TEST(WrapPrompt, BreaksTooWideLinesAtSpaces) {
    const FixedMeasure measure; // 6 pixels a character
    const struct {
        const char* name;
        std::string text;
        int maxWidth;
        std::string wrapped;
        bool rebroken;
    } cases[] = {
        {"fits", "  short text", 72, "  short text", false},
        {"at spaces", "aaa bbb ccc ddd", 42, "aaa bbb\rccc ddd", true},
        {"spaces at a break dropped", "aaa    bbb", 30, "aaa\rbbb", true},
        {"each line alone", "aaaa bbbb\rcc", 30, "aaaa\rbbbb\rcc", true},
        {"long word after words", "ab xxxxxxxx", 24, "ab\rxxxx\rxxxx", true},
        {"utf-8 kept whole", "\xC3\xA9\xC3\xA9\xC3\xA9", 12, "\xC3\xA9\xC3\xA9\r\xC3\xA9", true},
        {"line feeds become carriage returns", "ab\ncd", 60, "ab\rcd", false},
    };
    for (const auto& c : cases) {
        const WrappedPrompt result = WrapPrompt(c.text, c.maxWidth, measure);
        EXPECT_EQ(result.text, c.wrapped) << c.name;
        EXPECT_EQ(result.rebroken, c.rebroken) << c.name;
        for (const std::string& line : SplitLines(result.text))
            EXPECT_LE(measure.TextWidth(line), std::max(c.maxWidth, 6)) << c.name;
    }
}

TEST(ParseMnemonic, MarksTheLetterAfterTheAmpersand) {
    const struct {
        std::string caption, text;
        int underlined;
    } cases[] = {
        {"&Cancelar", "Cancelar", 0}, {"Save &as", "Save as", 5}, {"Fish && chips", "Fish & chips", -1}, {"end&", "end&", -1},
    };
    for (const auto& c : cases) {
        const MnemonicText parsed = ParseMnemonic(c.caption);
        EXPECT_EQ(parsed.text, c.text) << c.caption;
        EXPECT_EQ(parsed.underlined, c.underlined) << c.caption;
    }
}

TEST(InputField, EditsTextAtTheCaretAndTellsWhichKeysItUsed) {
    const struct {
        const char* name;
        std::vector<int> keys;
        std::string text;
        std::size_t caret;
    } cases[] = {
        {"backspace", {'a', 'b', ModalKey::Backspace}, "a", 1},
        {"insert in the middle", {'a', 'c', ModalKey::Left, 'b'}, "abc", 2},
        {"delete", {'a', 'b', ModalKey::Home, ModalKey::Delete}, "b", 0},
        {"home and end", {'a', 'b', ModalKey::Home, 'x', ModalKey::End, 'y'}, "xaby", 4},
        {"two-byte character", {0xE9, 'x', ModalKey::Left, ModalKey::Left, ModalKey::Delete}, "x", 0},
        {"backspace removes a whole character", {0x20AC, ModalKey::Backspace}, "", 0},
        {"four-byte character", {0x1F600}, "\xF0\x9F\x98\x80", 4},
        {"controls ignored", {'a', 9, 10, 0, 0x9F, 0xD800, -5}, "a", 1},
    };
    for (const auto& c : cases) {
        InputField field;
        for (int key : c.keys) field.ApplyKey(key);
        EXPECT_EQ(field.Text(), c.text) << c.name;
        EXPECT_EQ(field.Caret(), c.caret) << c.name;
    }
    // The box repaints the field only for the keys it says it used.
    InputField field;
    EXPECT_TRUE(field.ApplyKey('a'));
    EXPECT_TRUE(field.ApplyKey(ModalKey::Left));
}

} // namespace
} // namespace varnix
