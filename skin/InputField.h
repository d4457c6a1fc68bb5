// The text and caret of the input box's field, edited a key at a time. The
// text is UTF-8; the caret always sits between whole characters.
#pragma once

#include <cstddef>
#include <string>

namespace varnix {

class InputField {
public:
    const std::string& Text() const { return text_; }
    std::size_t Caret() const { return caret_; } // byte offset

    // Applies one key (a character's code point or a ModalKey code); false
    // when the key means nothing to the field.
    bool ApplyKey(int key);

private:
    std::size_t PreviousBoundary() const;
    std::size_t NextBoundary() const;

    std::string text_;
    std::size_t caret_ = 0;
};

} // namespace varnix
