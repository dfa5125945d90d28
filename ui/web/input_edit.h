#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrop::web {

// The input box's text after an edit, with the caret as a UTF-16 index.
struct EditedText {
    std::u16string text;
    std::size_t caret;
};

// A paste into the box, taken as the desktop boxes take it: the clipboard's
// first line replaces the selection, cut where the box's limit of UTF-16
// units (0: none) is reached, and never leaving half a character. Nothing
// to paste and nothing selected leaves the text as it is.
EditedText Paste(std::u16string_view text, std::size_t selectionStart, std::size_t selectionEnd,
                 std::u16string_view clipboard, std::size_t maxLength);

// The text after typing or an edit the browser made: any lone half of a
// character taken out, the caret moved back past those before it.
EditedText WholeCharacters(std::u16string_view text, std::size_t caret);

}  // namespace veltrop::web
