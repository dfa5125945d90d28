#include "ui/web/input_edit.h"

#include <algorithm>

#include "runtime/whole_characters.h"

namespace veltrop::web {
namespace {

std::u16string_view FirstLine(std::u16string_view text) {
    return text.substr(0, std::min(text.find(u'\r'), text.find(u'\n')));
}

}  // namespace

EditedText Paste(std::u16string_view text, std::size_t selectionStart, std::size_t selectionEnd,
                 std::u16string_view clipboard, std::size_t maxLength) {
    const std::size_t end = std::min(std::max(selectionStart, selectionEnd), text.size());
    const std::size_t start = std::min(std::min(selectionStart, selectionEnd), end);
    std::u16string_view line = FirstLine(clipboard);
    if (line.empty() && start == end) {
        return {std::u16string(text), end};
    }
    if (maxLength > 0) {
        const std::size_t kept = text.size() - (end - start);
        line = line.substr(0, kept < maxLength ? maxLength - kept : 0);
    }
    EditedText edited{std::u16string(text.substr(0, start)), start + line.size()};
    edited.text += line;
    edited.text += text.substr(end);
    runtime::DropSplitCharacters(edited.text, edited.caret);
    return edited;
}

EditedText WholeCharacters(std::u16string_view text, std::size_t caret) {
    EditedText edited{std::u16string(text), std::min(caret, text.size())};
    runtime::DropSplitCharacters(edited.text, edited.caret);
    return edited;
}

}  // namespace veltrop::web
