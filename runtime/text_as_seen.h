#pragma once

#include <string>
#include <string_view>

namespace veltrop::runtime {

// The text of an input box as its user sees it, for reading a number:
//  - format characters (Unicode category Cf: zero-width space and joiners,
//    bidirectional marks, soft hyphen, byte-order mark, tags), which are
//    drawn as nothing, are left out;
//  - every character drawn as a blank (Unicode spaces, the line and
//    paragraph separators, control characters, the object replacement
//    character) becomes a plain space, which the number reader skips.
// Everything else, unpaired surrogates included, is kept as it is.
std::u16string TextAsSeen(std::u16string_view text);

}  // namespace veltrop::runtime
