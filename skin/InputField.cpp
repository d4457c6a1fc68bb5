#include "skin/InputField.h"

#include "platform/ModalWindow.h"

namespace varnix {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string Utf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
    return out;
}

// Characters that can stand in the field: no controls, no surrogates.
bool IsPrintable(int key) {
    return (key >= 0x20 && key < 0x7F) || (key >= 0xA0 && key < 0xD800) || (key > 0xDFFF && key < 0x110000);
}

} // namespace

std::size_t InputField::PreviousBoundary() const {
    std::size_t i = caret_;
    while (i > 0 && IsContinuation(text_[--i])) {
    }
    return i;
}

std::size_t InputField::NextBoundary() const {
    std::size_t i = caret_;
    if (i < text_.size()) ++i;
    while (i < text_.size() && IsContinuation(text_[i])) ++i;
    return i;
}

bool InputField::ApplyKey(int key) {
    switch (key) {
    case ModalKey::Backspace: {
        const std::size_t from = PreviousBoundary();
        text_.erase(from, caret_ - from);
        caret_ = from;
        return true;
    }
    case ModalKey::Delete:
        text_.erase(caret_, NextBoundary() - caret_);
        return true;
    case ModalKey::Left:
        caret_ = PreviousBoundary();
        return true;
    case ModalKey::Right:
        caret_ = NextBoundary();
        return true;
    case ModalKey::Home:
        caret_ = 0;
        return true;
    case ModalKey::End:
        caret_ = text_.size();
        return true;
    default:
        if (!IsPrintable(key)) return false;
        const std::string bytes = Utf8(char32_t(key));
        text_.insert(caret_, bytes);
        caret_ += bytes.size();
        return true;
    }
}

} // namespace varnix
