#pragma once

#include <cstddef>
#include <string>

namespace veltrop::runtime {

// An input box's length limit counts UTF-16 units and can cut a character
// of two units (most emoji) in half. Takes such lone halves out of the
// text; the caret, an index into it, moves back by those that stood before
// it. So a character goes in whole or not at all.
void DropSplitCharacters(std::u16string& text, std::size_t& caret);

}  // namespace veltrop::runtime
