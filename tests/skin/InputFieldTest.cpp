#include "platform/ModalWindow.h"
#include "skin/InputField.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnix {
namespace {

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
    // It tells which keys it used.
    InputField field;
    EXPECT_TRUE(field.ApplyKey('a'));
    EXPECT_TRUE(field.ApplyKey(ModalKey::Left));
    EXPECT_FALSE(field.ApplyKey(ModalKey::Enter));
    EXPECT_FALSE(field.ApplyKey(ModalKey::Escape));
}

} // namespace
} // namespace varnix
