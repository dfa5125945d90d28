#include "runtime/whole_characters.h"

namespace veltrop::runtime {
namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

void DropSplitCharacters(std::u16string& text, std::size_t& caret) {
    std::u16string whole;
    whole.reserve(text.size());
    std::size_t newCaret = caret;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            whole.append(text, i, 2);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            newCaret -= i < caret ? 1 : 0;
        } else {
            whole += text[i];
        }
    }
    text = std::move(whole);
    caret = newCaret;
}

}  // namespace veltrop::runtime
